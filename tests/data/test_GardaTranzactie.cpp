#include <functional>

#include <gtest/gtest.h>

#include "data/UGardaTranzactie.h"
#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

const QString kTabele = QStringLiteral("select count(*) as V from TABELE where NUME_TABEL = 'PROBA'");

void ScrieRandul(TDM &dm)
{
    dm.Q1.SetSQL(QStringLiteral("insert into TABELE (NUME_TABEL, EXP_DENUMIRE) values ('PROBA', 'Proba')"));
    dm.Q1.ExecSQL();
}

} // namespace

class GardaTranzactie : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
    }
    int Randuri() { return Valoare(*m_dm, kTabele).toInt(); }
};

// A write in a guard of its own: kept only when committed, on every way out.
TEST_F(GardaTranzactie, KeepsAWriteOnlyWhenCommitted)
{
    struct Caz
    {
        const char *descriere;
        std::function<void(TDM &)> lucru;
        int randuri;
    };
    const Caz cazuri[] = {
        {"committed",
         [](TDM &dm) {
             TGardaTranzactie garda(dm);
             ScrieRandul(dm);
             garda.Commit();
         },
         1},
        {"left without a commit",
         [](TDM &dm) {
             const TGardaTranzactie garda(dm);
             ScrieRandul(dm);
         },
         0},
        {"left by an error",
         [](TDM &dm) {
             try {
                 TGardaTranzactie garda(dm);
                 ScrieRandul(dm);
                 throw Exceptie(QStringLiteral("proba"));
             } catch (const Exceptie &) {
             }
         },
         0},
        {"an error after an open statement",
         [](TDM &dm) {
             try {
                 const TGardaTranzactie garda(dm);
                 ScrieRandul(dm);
                 dm.Q2.SetSQL(QStringLiteral("select NUME_TABEL from TABELE"));
                 dm.Q2.Open();
                 dm.Q3.SetSQL(QStringLiteral("select LIPSA from TABELE"));
                 dm.Q3.Open();
             } catch (const Exceptie &) {
             }
         },
         0},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.descriere);
        Executa(*m_dm, {QStringLiteral("delete from TABELE where NUME_TABEL = 'PROBA'")});
        c.lucru(*m_dm);
        EXPECT_FALSE(m_dm->Tr.InTransaction());
        EXPECT_FALSE(m_dm->Q2.Active());
        EXPECT_EQ(Randuri(), c.randuri);
    }
}

TEST_F(GardaTranzactie, StartingWhileTheTransactionIsActiveFailsAndLeavesItToItsOwner)
{
    m_dm->Tr.StartTransaction();
    ScrieRandul(*m_dm);
    EXPECT_THROW(TGardaTranzactie garda(*m_dm), Exceptie);
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    m_dm->Tr.Commit();
    EXPECT_EQ(Randuri(), 1);
}

TEST_F(GardaTranzactie, AnAdoptedTransactionIsTheCallersToEnd)
{
    // Without a transaction the guard starts one and ends it as its own.
    {
        TGardaTranzactie garda(*m_dm, TGardaTranzactie::Adopta);
        EXPECT_TRUE(garda.APornit());
        ScrieRandul(*m_dm);
    }
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(Randuri(), 0);

    // Inside the caller's transaction neither its commit nor its end touches it.
    m_dm->Tr.StartTransaction();
    {
        TGardaTranzactie garda(*m_dm, TGardaTranzactie::Adopta);
        EXPECT_FALSE(garda.APornit());
        ScrieRandul(*m_dm);
        garda.Commit();
    }
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    m_dm->Tr.Rollback();
    EXPECT_EQ(Randuri(), 0);

    try {
        m_dm->Tr.StartTransaction();
        const TGardaTranzactie garda(*m_dm, TGardaTranzactie::Adopta);
        throw Exceptie(QStringLiteral("proba"));
    } catch (const Exceptie &) {
    }
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    m_dm->Tr.Rollback();
}
