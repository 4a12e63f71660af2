#include <gtest/gtest.h>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UImportElevi.h"
#include "data/UVersiuneInregistrare.h"
#include "support/BazaTest.h"

namespace {

const TReferintaCamp kNume{QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
                           QStringLiteral("C_NUME")};
const QString kMesaj =
    QStringLiteral("Candidatul a fost modificat intre timp pe alt calculator; datele au fost reincarcate");

// Two workstations on one database: the data module of each.
class VersiuneInregistrare_ : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        m_alt = Porneste();
        ASSERT_TRUE(m_alt->Pregatit());
        TGardaTranzactie garda(*m_dm);
        m_id = ImportElevi::ElevNou(*m_dm);
        ImportElevi::ScrieValoarea(*m_dm, m_id, kNume, QStringLiteral("Popescu Ana"));
        garda.Commit();
    }
    void TearDown() override
    {
        m_alt.reset();
        TBazaTest::TearDown();
    }

    // A save as a record dialog makes it: checked against what it read.
    static void Salveaza(TDM &dm, int id, const QByteArray &citit, const QString &nume)
    {
        TGardaTranzactie garda(dm);
        ::VersiuneInregistrare::Verifica(dm, QStringLiteral("ELEVI"), id, citit);
        ImportElevi::ScrieValoarea(dm, id, kNume, nume);
        garda.Commit();
    }
    QString Nume() { return m_dm->ValoareCamp(kNume, m_id); }
    static QString MesajLa(const std::function<void()> &salvare)
    {
        try {
            salvare();
        } catch (const ConflictInregistrare &e) {
            return e.Mesaj();
        }
        return QString();
    }

    std::unique_ptr<TDM> m_alt;
    int m_id = 0;
};

TEST_F(VersiuneInregistrare_, TheSecondOfTwoSavesOfTheSameCandidateIsRefusedAndTheFirstStays)
{
    const QByteArray citit1 = ::VersiuneInregistrare::Amprenta(*m_dm, QStringLiteral("ELEVI"), m_id);
    const QByteArray citit2 = ::VersiuneInregistrare::Amprenta(*m_alt, QStringLiteral("ELEVI"), m_id);
    EXPECT_EQ(citit1, citit2);

    Salveaza(*m_dm, m_id, citit1, QStringLiteral("Popescu Ana Maria"));
    EXPECT_EQ(MesajLa([&] { Salveaza(*m_alt, m_id, citit2, QStringLiteral("Ionescu Ana")); }), kMesaj);
    EXPECT_FALSE(m_alt->Tr.InTransaction());
    EXPECT_EQ(Nume(), QStringLiteral("Popescu Ana Maria"));

    // Loaded again, the second workstation saves over what it now has seen.
    const QByteArray reincarcat = ::VersiuneInregistrare::Amprenta(*m_alt, QStringLiteral("ELEVI"), m_id);
    EXPECT_NE(reincarcat, citit2);
    Salveaza(*m_alt, m_id, reincarcat, QStringLiteral("Ionescu Ana"));
    EXPECT_EQ(Nume(), QStringLiteral("Ionescu Ana"));
    // Saving twice what one has read is no conflict with oneself... once the
    // dialog reads again; with the old reading it is.
    EXPECT_EQ(MesajLa([&] { Salveaza(*m_alt, m_id, reincarcat, QStringLiteral("X")); }), kMesaj);
}

TEST_F(VersiuneInregistrare_, ASaveCommittedWhileTheOtherWasAlreadySavingIsSeenByTheLock)
{
    const QByteArray citit = ::VersiuneInregistrare::Amprenta(*m_alt, QStringLiteral("ELEVI"), m_id);
    // The other workstation's save began before this one committed: its
    // snapshot still shows the old values, only the record's lock tells.
    TGardaTranzactie garda(*m_alt);
    EXPECT_EQ(::VersiuneInregistrare::Amprenta(*m_alt, QStringLiteral("ELEVI"), m_id), citit);
    Salveaza(*m_dm, m_id, ::VersiuneInregistrare::Amprenta(*m_dm, QStringLiteral("ELEVI"), m_id),
             QStringLiteral("Popescu Ana Maria"));
    EXPECT_EQ(
        MesajLa([&] { ::VersiuneInregistrare::Verifica(*m_alt, QStringLiteral("ELEVI"), m_id, citit); }),
        kMesaj);
}

TEST_F(VersiuneInregistrare_, ACandidateDeletedMeanwhileIsNotSavedAgain)
{
    const QByteArray citit = ::VersiuneInregistrare::Amprenta(*m_alt, QStringLiteral("ELEVI"), m_id);
    Executa(*m_dm, {QStringLiteral("delete from ELEVI where ID_ELEVI = %1").arg(m_id)});
    EXPECT_EQ(MesajLa([&] { Salveaza(*m_alt, m_id, citit, QStringLiteral("Ionescu Ana")); }), kMesaj);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\"")).toInt(), 0);
}

} // namespace
