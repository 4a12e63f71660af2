#include <gtest/gtest.h>

#include "data/UJurnalTiparire.h"
#include "data/UTabelEntitate.h"
#include "support/BazaTest.h"

class JurnalTiparire_ : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        Executa(*m_dm, {QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                        QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)")});
    }
    int Randuri()
    {
        return Valoare(*m_dm, QStringLiteral("select count(*) as V from JURNAL_TIPARIRI")).toInt();
    }
};

TEST_F(JurnalTiparire_, EachPrintIsARowAndAPrintAgainIsAReprint)
{
    const QDateTime luni(QDate(2026, 6, 1), QTime(9, 30));
    const QDateTime marti(QDate(2026, 6, 2), QTime(11, 0));
    const TTiparireJurnal prima =
        JurnalTiparire::Inregistreaza(*m_dm, 1, QStringLiteral("Popescu Ana"), QStringLiteral("Laser"), luni);
    EXPECT_FALSE(prima.Retiparire);
    JurnalTiparire::Inregistreaza(*m_dm, 2, QStringLiteral("Ionescu Dan"), QStringLiteral("Laser"), luni);
    const TTiparireJurnal aDoua = JurnalTiparire::Inregistreaza(*m_dm, 1, QStringLiteral("Popescu Ana"),
                                                                QStringLiteral("Laser ș"), marti);
    EXPECT_TRUE(aDoua.Retiparire);
    EXPECT_EQ(Randuri(), 3);
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    const std::vector<TTiparireJurnal> istoric = JurnalTiparire::Istoric(*m_dm, 1);
    ASSERT_EQ(istoric.size(), 2u);
    EXPECT_EQ(istoric[0].DataOra, luni);
    EXPECT_EQ(istoric[1].DataOra, marti);
    EXPECT_EQ(istoric[1].Nume, QStringLiteral("Popescu Ana"));
    EXPECT_EQ(istoric[1].Imprimanta, QStringLiteral("Laser ş"));
    EXPECT_EQ(istoric[1].Utilizator, JurnalTiparire::UtilizatorSistem());
    EXPECT_TRUE(istoric[1].Retiparire);

    const QHash<int, QDateTime> ultimele = JurnalTiparire::UltimeleTiparari(*m_dm);
    EXPECT_EQ(ultimele.value(1), marti);
    EXPECT_EQ(ultimele.value(2), luni);

    // Deleting a candidate keeps what was printed for them.
    TTabelEntitate(*m_dm, QStringLiteral("ELEVI")).Sterge(1);
    EXPECT_EQ(Randuri(), 3);
    EXPECT_EQ(JurnalTiparire::Istoric(*m_dm, 1).size(), 2u);
}

TEST_F(JurnalTiparire_, AStartOnADatabaseWithoutTheLogCreatesItAndKeepsTheRest)
{
    Executa(*m_dm, {QStringLiteral("drop table JURNAL_TIPARIRI"),
                    QStringLiteral("drop generator G_ID_JURNAL_TIPARIRI")});
    Reporneste();
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Randuri(), 0);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from ELEVI")).toInt(), 2);
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    JurnalTiparire::Inregistreaza(*m_dm, 2, QStringLiteral("Ionescu Dan"), QStringLiteral("PDF"));
    EXPECT_EQ(Randuri(), 1);

    // The next start finds everything in place and changes nothing.
    Reporneste();
    EXPECT_EQ(m_dm->Contor().ddl, 0);
    EXPECT_EQ(Randuri(), 1);
}
