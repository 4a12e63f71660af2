#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/UCai.h"
#include "data/UTabeleCertificatAcordare.h"
#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {} // namespace

class Baza : public TBazaTest
{
protected:
    QStringList ColoaneProfil(TDM &dm)
    {
        QStringList coloane;
        dm.Tr.StartTransaction();
        dm.Q1.SetSQL(
            QStringLiteral("select trim(RDB$FIELD_NAME) as NUME from RDB$RELATION_FIELDS "
                           "where RDB$RELATION_NAME = 'PROFIL_DIPLOMA' order by RDB$FIELD_POSITION"));
        for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next())
            coloane.append(dm.Q1.AsString(QStringLiteral("NUME")));
        dm.Tr.Rollback();
        return coloane;
    }

    int FormateProfil(TDM &dm)
    {
        return Valoare(dm, QStringLiteral("select count(*) as V from RDB$FORMATS f join RDB$RELATIONS r "
                                          "on r.RDB$RELATION_ID = f.RDB$RELATION_ID "
                                          "where r.RDB$RELATION_NAME = 'PROFIL_DIPLOMA'"))
            .toInt();
    }
};

TEST_F(Baza, FirstStartCreatesTheDatabaseFromTheTemplateAtVersion3)
{
    EXPECT_FALSE(QFileInfo::exists(m_locatii.CaleDate(QStringLiteral("DB"))));
    const QByteArray sablon = Amprenta(CaleSablon());

    m_dm = Porneste();

    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CaleBazaDeDate(), CaleBaza());
    EXPECT_TRUE(QFileInfo::exists(CaleBaza()));
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    const QStringList coloane = ColoaneProfil(*m_dm);
    for (const char *c : {"LATIME_SUGERATA", "COD_LINIE", "ORDINE"})
        EXPECT_TRUE(coloane.contains(QLatin1String(c))) << c;
    EXPECT_EQ(Amprenta(CaleSablon()), sablon) << "the template is copied, never opened";
}

TEST_F(Baza, SecondStartNeverTouchesTheTemplateEvenWhenItIsGone)
{
    m_dm = Porneste();
    ASSERT_TRUE(m_dm->Pregatit());
    m_dm.reset();
    ASSERT_TRUE(QFile::remove(CaleSablon()));

    m_dm = Porneste();

    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
    EXPECT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    EXPECT_FALSE(QFileInfo::exists(CaleSablon()));
}

TEST_F(Baza, Version3DatabaseIsNotAltered)
{
    m_dm = Porneste();
    const int formate = FormateProfil(*m_dm);
    const QStringList coloane = ColoaneProfil(*m_dm);

    Reporneste();

    EXPECT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    EXPECT_EQ(FormateProfil(*m_dm), formate) << "no ALTER TABLE may run on a current database";
    EXPECT_EQ(ColoaneProfil(*m_dm), coloane);
}

TEST_F(Baza, Version2DatabaseGainsOnlyOrdine)
{
    ASSERT_TRUE(QDir().mkpath(m_locatii.CaleDate(QStringLiteral("DB"))));
    ASSERT_TRUE(QFile::copy(CaleSablon(), CaleBaza()));
    QFile::setPermissions(CaleBaza(), QFile::ReadOwner | QFile::WriteOwner);
    ExecutaDirect(
        CaleBaza(),
        {QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)"),
         QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=2")});

    m_dm = Porneste();

    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty()) << MesajeTest().Mesaje().value(0).text.toStdString();
    EXPECT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    EXPECT_EQ(ColoaneProfil(*m_dm).filter(QStringLiteral("ORDINE")).size(), 1);
}

TEST_F(Baza, HigherVersionIsLeftAsItIs)
{
    ASSERT_TRUE(QDir().mkpath(m_locatii.CaleDate(QStringLiteral("DB"))));
    ASSERT_TRUE(QFile::copy(CaleSablon(), CaleBaza()));
    QFile::setPermissions(CaleBaza(), QFile::ReadOwner | QFile::WriteOwner);
    ExecutaDirect(CaleBaza(), {QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, "
                                              "ADD COD_LINIE VARCHAR(32), ADD ORDINE INTEGER"),
                               QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=7")});

    m_dm = Porneste();

    EXPECT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CitesteVersiune(), 7);
}

TEST_F(Baza, MissingDatabaseAndTemplateWarnsWithBothPathsAndEndsWithCode1)
{
    ASSERT_TRUE(QFile::remove(CaleSablon()));

    try {
        m_dm = Porneste();
        FAIL() << "the start must end the program";
    } catch (const IesireProgram &e) {
        EXPECT_EQ(e.Cod(), 1);
    }

    const QStringList avertizari = MesajeTest().Texte(TMesajeTest::Tip::Avertizare);
    ASSERT_EQ(avertizari.size(), 1);
    EXPECT_EQ(avertizari.first(),
              QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru "
                             "initializare.\r\nDB Curent:") +
                  QDir::toNativeSeparators(CaleBaza()) + QStringLiteral("\r\nDB Blank:") +
                  QDir::toNativeSeparators(CaleSablon()));
    EXPECT_EQ(MesajeTest().Mesaje().size(), 1);
}

TEST_F(Baza, FailuresAreShownAndTheStartGoesOn)
{
    struct Caz
    {
        const char *nume;
        std::function<void()> pregateste;
        QString inceputMesaj;
    };
    const QString dosarBaza = m_locatii.CaleDate(QStringLiteral("DB"));
    const std::vector<Caz> cazuri = {
        {"no registered profile", [this] { m_inregistrari = TInregistrari(); },
         QStringLiteral("NU ai definit profilul diplomei")},
        {"damaged database file",
         [&] {
             QDir().mkpath(dosarBaza);
             QFile f(CaleBaza());
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write(QByteArray(20000, 'x'));
         },
         QStringLiteral("Nu pot deschide baza de date")},
        {"empty CONFID_DB",
         [&] {
             QDir().mkpath(dosarBaza);
             ASSERT_TRUE(QFile::copy(CaleSablon(), CaleBaza()));
             QFile::setPermissions(CaleBaza(), QFile::ReadOwner | QFile::WriteOwner);
             ExecutaDirect(CaleBaza(), {QStringLiteral("DELETE FROM CONFID_DB")});
         },
         QStringLiteral("Tabela CONFID_DB nu contine versiunea")},
    };
    for (const Caz &caz : cazuri) {
        SCOPED_TRACE(caz.nume);
        TearDown();
        QDir(dosarBaza).removeRecursively();
        m_inregistrari = TInregistrari();
        InregistreazaCertificatAcordare(m_inregistrari);
        MesajeTest().Reseteaza();
        caz.pregateste();

        m_dm = Porneste();

        EXPECT_FALSE(m_dm->Pregatit());
        EXPECT_FALSE(m_dm->Tr.InTransaction());
        const QStringList erori = MesajeTest().Texte(TMesajeTest::Tip::Eroare);
        ASSERT_EQ(erori.size(), 1);
        EXPECT_TRUE(erori.first().startsWith(caz.inceputMesaj)) << erori.first().toStdString();
    }
}

// ---------------------------------------------------------------------------

class Interogari : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
    }

    void ScrieValoare(const QString &text)
    {
        TDM &dm = *m_dm;
        dm.Tr.StartTransaction();
        try {
            dm.Q1.SetSQL(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                               "VALOARE_NUM) values (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, "
                               ":VALOARE_TEXT, 0)"));
            dm.Q1.ParamByName(QStringLiteral("COD_FORMULAR"), QStringLiteral("F"));
            dm.Q1.ParamByName(QStringLiteral("COD_PAGINA"), QStringLiteral("P"));
            dm.Q1.ParamByName(QStringLiteral("COD_CAMP"), QStringLiteral("C"));
            dm.Q1.ParamByName(QStringLiteral("VALOARE_TEXT"), text);
            dm.Q1.ExecSQL();
            dm.Tr.Commit();
        } catch (...) {
            dm.Tr.Rollback();
            throw;
        }
    }

    QStringList Valori()
    {
        QStringList valori;
        TDM &dm = *m_dm;
        dm.Tr.StartTransaction();
        dm.Q2.SetSQL(QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_CAMP = :COD_CAMP"));
        dm.Q2.ParamByName(QStringLiteral("COD_CAMP"), QStringLiteral("C"));
        for (dm.Q2.Open(); !dm.Q2.Eof(); dm.Q2.Next())
            valori.append(dm.Q2.AsString(QStringLiteral("VALOARE_TEXT")));
        dm.Tr.Rollback();
        return valori;
    }
};

TEST_F(Interogari, RomanianTextSurvivesWriteAndReadWithCommaBelowStoredAsCedilla)
{
    ScrieValoare(QStringLiteral("Școala „Ion Creangă” Țara Bârsei: ăâîșț ĂÂÎȘȚ şţ"));
    EXPECT_EQ(Valori(), QStringList{QStringLiteral("Şcoala „Ion Creangă” Ţara Bârsei: ăâîşţ ĂÂÎŞŢ şţ")});
}

TEST_F(Interogari, TextTheCodePageCannotHoldIsRefusedWithAClearMessageAndNothingIsWritten)
{
    try {
        ScrieValoare(QStringLiteral("Nume Иван"));
        FAIL() << "expected a refusal";
    } catch (const Exceptie &e) {
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("nu pot fi salvate"))) << e.Mesaj().toStdString();
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("И"))) << e.Mesaj().toStdString();
    }
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_TRUE(Valori().isEmpty());

    ScrieValoare(QStringLiteral("Muñoz Ångström"));
    EXPECT_EQ(Valori(), QStringList{QStringLiteral("Munoz Angström")});
}

TEST_F(Interogari, StatementsAreReusedWithinAndAcrossTransactions)
{
    for (int i = 0; i < 3; ++i)
        ScrieValoare(QStringLiteral("valoare %1").arg(i));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Valori().size(), 3) << "transaction " << i;

    TDM &dm = *m_dm;
    dm.Tr.StartTransaction();
    int gasite = 0;
    for (int i = 0; i < 3; ++i) {
        dm.Q3.SetSQL(QStringLiteral("select count(*) as N from \"DATE\" where VALOARE_TEXT = :V"));
        dm.Q3.ParamByName(QStringLiteral("V"), QStringLiteral("valoare %1").arg(i));
        dm.Q3.Open();
        gasite += dm.Q3.AsInteger(QStringLiteral("N"));
    }
    dm.Tr.Rollback();
    EXPECT_EQ(gasite, 3);
}

TEST_F(Interogari, ParametersBindWhateverTheirLetterCase)
{
    TDM &dm = *m_dm;
    dm.Tr.StartTransaction();
    dm.Q1.SetSQL(QStringLiteral("insert into ELEVI (ID_ELEVI) values (:id)"));
    dm.Q1.ParamByName(QStringLiteral("ID"), 41);
    dm.Q1.ExecSQL();
    dm.Q1.SetSQL(QStringLiteral("insert into ELEVI (ID_ELEVI) values (:Id)"));
    dm.Q1.ParamByName(QStringLiteral("id"), 42);
    dm.Q1.ExecSQL();
    dm.Tr.Commit();
    EXPECT_EQ(Valoare(dm, QStringLiteral("select list(ID_ELEVI) as V from ELEVI")).toString(),
              QStringLiteral("41,42"));
}

TEST_F(Interogari, MisuseRaisesRomanianErrors)
{
    TDM &dm = *m_dm;
    dm.Q1.SetSQL(QStringLiteral("select * from TABELE where NUME_TABEL = :NUME_TABEL"));
    EXPECT_THROW(dm.Q1.ParamByName(QStringLiteral("ALTUL"), 1), Exceptie);
    EXPECT_THROW(dm.Q1.FieldByName(QStringLiteral("NUME_TABEL")), Exceptie);

    dm.Tr.StartTransaction();
    EXPECT_THROW(dm.Tr.StartTransaction(), Exceptie);
    dm.Q1.SetSQL(QStringLiteral("select * from TABELA_CARE_NU_EXISTA"));
    try {
        dm.Q1.Open();
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("TABELA_CARE_NU_EXISTA"))) << e.Mesaj().toStdString();
    }
    dm.Tr.Rollback();
    EXPECT_THROW(dm.Tr.Commit(), Exceptie);
}
