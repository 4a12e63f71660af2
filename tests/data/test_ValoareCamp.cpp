#include <gtest/gtest.h>

#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

QString Rand(const QString &camp, const QString &valoare, const QString &coloana, const QString &id,
             const QString &idf = QStringLiteral("null"))
{
    return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, %1, "
                          "IDF_INSTITUTIA) values ('CertificatAcordare', 'FATA', '%2', '%3', 0, %4, %5)")
        .arg(coloana, camp, valoare, id, idf);
}

} // namespace

// Candidates 1, 2 and 3; institution 10. Candidate 1 has its own D_NUME and
// is linked to the institution; candidate 2's link row has no institution;
// candidate 3 has no link row at all.
class ValoareCamp : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        const QString elev = QStringLiteral("ID_ELEVI");
        Executa(*m_dm, {QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                        QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
                        QStringLiteral("insert into ELEVI (ID_ELEVI) values (3)"),
                        QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (10)"),
                        Rand(QStringLiteral("C_NUME"), QStringLiteral("Popescu Ana"), elev, QStringLiteral("1")),
                        Rand(QStringLiteral("D_NUME"), QStringLiteral("Ana Popescu-Ionescu"), elev, QStringLiteral("1")),
                        Rand(QStringLiteral("C_NUME"), QStringLiteral("Ionescu Dan"), elev, QStringLiteral("2")),
                        Rand(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Universitatea din Iasi"),
                             QStringLiteral("ID_INSTITUTIA"), QStringLiteral("10")),
                        Rand(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QString(), elev, QStringLiteral("1"),
                             QStringLiteral("10")),
                        Rand(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QString(), elev, QStringLiteral("2"))});
    }

    void Mod(const QString &camp, const QString &mod, const QString &similar = QStringLiteral("-"))
    {
        QString sql = QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = '%1'").arg(mod);
        if (similar != QLatin1String("-"))
            sql += QStringLiteral(", SIMILAR_CU = '%1'").arg(similar);
        Executa(*m_dm, {sql + QStringLiteral(" where COD_CAMP = '%1'").arg(camp)});
    }

    QString Valoare(const QString &camp, int elev)
    {
        return m_dm->ValoareCamp(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"), camp, elev);
    }
};

TEST_F(ValoareCamp, HonoursSharingModesAndEntityLinks)
{
    struct Caz
    {
        const char *descriere;
        QString camp;
        QString mod; // "-" leaves the profile as written
        QString similar;
        int elev;
        QString asteptat;
    };
    const QString dNume = QStringLiteral("D_NUME");
    const QString fara = QStringLiteral("-");
    const Caz cazuri[] = {
        {"DA takes the named field even with an own value", dNume, QStringLiteral("DA"), fara, 1,
         QStringLiteral("Popescu Ana")},
        {"SELECTIV takes the named field", dNume, QStringLiteral("SELECTIV"), fara, 1, QStringLiteral("Popescu Ana")},
        {"an unknown mode counts as shared", dNume, QStringLiteral("ALTCEVA"), fara, 1, QStringLiteral("Popescu Ana")},
        {"NU takes the own value", dNume, QStringLiteral("NU"), fara, 1, QStringLiteral("Ana Popescu-Ionescu")},
        {"nu in lower case too", dNume, QStringLiteral("nu"), fara, 1, QStringLiteral("Ana Popescu-Ionescu")},
        {"NU without an own value is empty", dNume, QStringLiteral("NU"), fara, 2, QString()},
        {"an empty mode takes the own value", dNume, QString(), fara, 1, QStringLiteral("Ana Popescu-Ionescu")},
        {"OPTIONAL keeps a non-empty own value", dNume, QStringLiteral("OPTIONAL"), fara, 1,
         QStringLiteral("Ana Popescu-Ionescu")},
        {"OPTIONAL falls back to the named field", dNume, QStringLiteral("OPTIONAL"), fara, 2,
         QStringLiteral("Ionescu Dan")},
        {"an empty SIMILAR_CU always gives the own value", dNume, QStringLiteral("DA"), QStringLiteral(" \t"), 1,
         QStringLiteral("Ana Popescu-Ionescu")},
        {"a field that shares nothing", QStringLiteral("C_NUME"), fara, fara, 2, QStringLiteral("Ionescu Dan")},
        {"an institution field through the candidate's link", QStringLiteral("C_INSTITUTIA_INVATAMANT"), fara, fara, 1,
         QStringLiteral("Universitatea din Iasi")},
        {"a link row without an institution", QStringLiteral("C_INSTITUTIA_INVATAMANT"), fara, fara, 2, QString()},
        {"no link row", QStringLiteral("C_INSTITUTIA_INVATAMANT"), fara, fara, 3, QString()},
        {"a certificate field shared with an institution field", QStringLiteral("D_INSTITUTIA_INVATAMANT"), fara, fara, 1,
         QStringLiteral("Universitatea din Iasi")},
        {"a field the profile does not have", QStringLiteral("NU_EXISTA"), fara, fara, 1, QString()},
        {"a candidate that does not exist", QStringLiteral("C_NUME"), fara, fara, 99, QString()},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.descriere);
        if (c.mod != fara || c.similar != fara)
            Mod(c.camp, c.mod == fara ? QStringLiteral("DA") : c.mod, c.similar);
        EXPECT_EQ(Valoare(c.camp, c.elev), c.asteptat);
        EXPECT_FALSE(m_dm->Tr.InTransaction()) << "called outside a transaction, it leaves none";

        m_dm->Tr.StartTransaction();
        EXPECT_EQ(Valoare(c.camp, c.elev), c.asteptat);
        EXPECT_TRUE(m_dm->Tr.InTransaction()) << "called inside a transaction, it leaves it active";
        m_dm->Tr.Rollback();

        if (c.mod != fara || c.similar != fara)
            Mod(c.camp, QStringLiteral("DA"), QStringLiteral("CertificatAcordare.FATA.C_NUME"));
    }
}

TEST_F(ValoareCamp, AnUnknownLinkColumnFailsAndLeavesNoTransaction)
{
    Executa(*m_dm, {QStringLiteral("update PROFIL_DIPLOMA set ASOCIAT_CU = 'LIPSA' where COD_CAMP = 'C_ADRESA'")});
    EXPECT_THROW(Valoare(QStringLiteral("C_ADRESA"), 1), Exceptie);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_FALSE(m_dm->Q1.Active() || m_dm->Q2.Active() || m_dm->Q3.Active());
}

TEST_F(ValoareCamp, ParseExpExpandsReferencesAndCopiesTheRest)
{
    EXPECT_THROW(
        {
            try {
                m_dm->ParseExp(QStringLiteral("{CertificatAcordare.FATA.C_NUME}"), 1);
            } catch (const Exceptie &e) {
                EXPECT_EQ(e.Mesaj(), QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii "
                                                    "procedurii ParseExp"));
                throw;
            }
        },
        Exceptie);

    struct Caz
    {
        QString expresie;
        int id;
        QString asteptat;
    };
    const Caz cazuri[] = {
        {QStringLiteral("{CertificatAcordare.FATA.C_NUME}"), 1, QStringLiteral("Popescu Ana")},
        {QStringLiteral("{CertificatAcordare.FATA.C_NUME} - {CertificatAcordare.FATA.C_INSTITUTIA_INVATAMANT}"), 1,
         QStringLiteral("Popescu Ana - Universitatea din Iasi")},
        {QStringLiteral("a}b {CertificatAcordare.FATA.C_NUME}"), 2, QStringLiteral("a}b Ionescu Dan")},
        {QStringLiteral("nume {CertificatAcordare.FATA.C_NUME"), 1, QStringLiteral("nume ")},
        {QStringLiteral("{{CertificatAcordare.FATA.C_NUME}"), 1, QString()},
        {QStringLiteral("fara acolade"), 1, QStringLiteral("fara acolade")},
    };
    m_dm->Tr.StartTransaction();
    for (const Caz &c : cazuri)
        EXPECT_EQ(m_dm->ParseExp(c.expresie, c.id), c.asteptat) << c.expresie.toStdString();
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    m_dm->Tr.Rollback();
}

TEST(ParseCamp, SplitsAtDotsWithoutTrimming)
{
    struct Caz
    {
        QString referinta, formular, pagina, camp;
    };
    const Caz cazuri[] = {
        {QStringLiteral("CertificatAcordare.FATA.C_NUME"), QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
         QStringLiteral("C_NUME")},
        {QStringLiteral("FaraPuncte"), QStringLiteral("FaraPuncte"), QString(), QString()},
        {QStringLiteral(" A . B .C.D.E"), QStringLiteral(" A "), QStringLiteral(" B "), QStringLiteral("C")},
        {QStringLiteral("..X"), QString(), QString(), QStringLiteral("X")},
    };
    for (const Caz &c : cazuri) {
        const TReferintaCamp r = TDM::ParseCamp(c.referinta);
        EXPECT_EQ(r.CodFormular, c.formular);
        EXPECT_EQ(r.CodPagina, c.pagina);
        EXPECT_EQ(r.CodCamp, c.camp);
    }
    EXPECT_EQ(TDM::SeparaCuvinte(QStringLiteral("CertificatAcordare")), QStringLiteral(" Certificat Acordare"));
    EXPECT_EQ(TDM::SeparaCuvinte(QStringLiteral("C_NUME")), QStringLiteral(" C_ N U M E"));
    EXPECT_EQ(TDM::SeparaCuvinte(QStringLiteral("ăĂ1")), QStringLiteral("ăĂ1"));
    EXPECT_EQ(TDM::FormateazaValoare(QStringLiteral("NOTA"), QStringLiteral("9,63"), 0), QStringLiteral("9,63"));
}
