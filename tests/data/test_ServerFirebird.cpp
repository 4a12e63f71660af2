// The database on a Firebird server: run only through the test run's server.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "support/BazaTest.h"
#include "support/ProgramTest.h"
#include "support/ServerTest.h"

namespace {

// Runs SQL through the server the way its administrator would, with isql.
void Isql(const QString &script)
{
    QProcess p;
    p.start(QStringLiteral(CERT_TEST_ISQL), {QStringLiteral("-q")});
    ASSERT_TRUE(p.waitForStarted());
    p.write(script.toUtf8());
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
}

// An empty database made on the server by its administrator, without the
// program's code page.
void CreeazaBazaGoala(const QString &fisier)
{
    Isql(QStringLiteral("create database '%1' user SYSDBA password '%2';\n")
             .arg(ServerTest::NumeBaza(fisier), ServerTest::Parola()));
}

class ServerFirebird : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        ASSERT_TRUE(ServerTest::Activ());
        m_parola = m_dosar.filePath(QStringLiteral("parola.txt"));
        ScrieFisier(m_parola, ServerTest::Parola().toUtf8() + "\n");
    }

    // The program's options for the database through the server.
    QStringList Baza(const QString &fisier, const QString &parola = QString()) const
    {
        return {QStringLiteral("--date"),
                m_locatii.DosarDate(),
                QStringLiteral("--baza"),
                ServerTest::Conexiune(fisier).Text(),
                QStringLiteral("--utilizator"),
                QStringLiteral("SYSDBA"),
                QStringLiteral("--parola-din-fisier"),
                parola.isEmpty() ? m_parola : parola};
    }

    QString m_parola;
};

TEST_F(ServerFirebird, TwoProgramsOnAnEmptyServerDatabaseBothSetItUpAndAddAHundredEachThenAllPrint)
{
    const QString baza = m_dosar.filePath(QStringLiteral("server/comuna.fdb"));
    QDir().mkpath(QFileInfo(baza).absolutePath());
    CreeazaBazaGoala(baza);

    // Two workstations, each with its own spreadsheet of 100 candidates.
    QList<QProcess *> programe;
    for (int statie = 0; statie < 2; ++statie) {
        QByteArray csv = "Numele si prenumele;Specialitatea\n";
        for (int i = 0; i < 100; ++i)
            csv += QStringLiteral("Candidat %1-%2;Fizică\n").arg(statie).arg(i).toUtf8();
        const QString foaie = m_dosar.filePath(QStringLiteral("statia%1.csv").arg(statie));
        ScrieFisier(foaie, csv);
        auto *p = new QProcess;
        p->setProcessEnvironment(MediuIzolat(m_dosar.filePath(QStringLiteral("setari%1").arg(statie))));
        p->start(QStringLiteral(CERT_TEST_EXE),
                 QStringList{QStringLiteral("--adauga-candidati"), foaie} + Baza(baza));
        programe.append(p);
    }
    for (QProcess *p : std::as_const(programe)) {
        ASSERT_TRUE(p->waitForFinished(300000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    qDeleteAll(programe);

    EXPECT_EQ(CitesteDirect(baza, QStringLiteral("select count(*) from ELEVI")).toInt(), 200);
    EXPECT_EQ(CitesteDirect(baza, QStringLiteral("select count(distinct ID_ELEVI) from ELEVI")).toInt(), 200);
    EXPECT_EQ(CitesteDirect(baza, QStringLiteral("select count(*) from CONFID_DB")).toInt(), 1);
    EXPECT_EQ(CitesteDirect(baza, QStringLiteral("select VERSIUNE from CONFID_DB")).toInt(), 3);
    EXPECT_EQ(CitesteDirect(baza, QStringLiteral("select count(*) from PROFIL_DIPLOMA")).toInt(), 37);
    EXPECT_EQ(CitesteDirect(baza, QStringLiteral("select count(*) from TIPURI_DE_DATE")).toInt(), 7);
    EXPECT_EQ(
        CitesteDirect(baza, QStringLiteral("select count(*) from \"DATE\" where COD_CAMP = 'C_NUME' and "
                                           "VALOARE_TEXT starting with 'Candidat '"))
            .toInt(),
        200);
    EXPECT_EQ(CitesteDirect(
                  baza, QStringLiteral("select count(*) from \"DATE\" where COD_CAMP = 'C_SPECIALITATEA' and "
                                       "VALOARE_TEXT = 'Fizică'"))
                  .toInt(),
              200);

    const QString pdf = m_dosar.filePath(QStringLiteral("toti.pdf"));
    const TRezultatProgram tiparire =
        Ruleaza(QStringLiteral(CERT_TEST_EXE),
                QStringList{QStringLiteral("--tipareste-pdf"), pdf, QStringLiteral("--toti")} + Baza(baza),
                {}, MediuIzolat(m_dosar.filePath(QStringLiteral("setari0"))));
    ASSERT_EQ(tiparire.cod, 0) << tiparire.erori.toStdString();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+200\\b"))));
}

TEST_F(ServerFirebird, AWrongPasswordAndAServerThatIsNotThereAreNamedAndEndTheCommandLineWithCode2)
{
    CopiazaSablonulInBaza();
    const QString gresita = m_dosar.filePath(QStringLiteral("gresita.txt"));
    ScrieFisier(gresita, "parola-gresita-7431\n");
    const TRezultatProgram refuz =
        Ruleaza(QStringLiteral(CERT_TEST_EXE),
                QStringList{QStringLiteral("--pregateste-baza")} + Baza(CaleBaza(), gresita), {},
                MediuIzolat(m_dosar.filePath(QStringLiteral("setari"))));
    EXPECT_EQ(refuz.cod, 2);
    EXPECT_TRUE(refuz.erori.contains(QStringLiteral("Serverul de baze de date \"127.0.0.1\" (portul %1) nu a "
                                                    "acceptat utilizatorul \"SYSDBA\" cu parola data.")
                                         .arg(ServerTest::Port())))
        << refuz.erori.toStdString();
    EXPECT_FALSE(refuz.erori.contains(QStringLiteral("parola-gresita-7431")));

    const int liber = ServerTest::PortLiber();
    ASSERT_GT(liber, 0);
    TConexiuneBaza nimeni = ServerTest::Conexiune(CaleBaza());
    nimeni.Server = QStringLiteral("127.0.0.1/%1").arg(liber);
    const TRezultatProgram oprit =
        Ruleaza(QStringLiteral(CERT_TEST_EXE),
                {QStringLiteral("--tipareste-pdf"), m_dosar.filePath(QStringLiteral("x.pdf")),
                 QStringLiteral("--toti"), QStringLiteral("--date"), m_locatii.DosarDate(),
                 QStringLiteral("--baza"), nimeni.Text(), QStringLiteral("--utilizator"),
                 QStringLiteral("SYSDBA"), QStringLiteral("--parola-din-fisier"), m_parola},
                {}, MediuIzolat(m_dosar.filePath(QStringLiteral("setari"))));
    EXPECT_EQ(oprit.cod, 2);
    EXPECT_TRUE(oprit.erori.contains(
        QStringLiteral("Nu pot ajunge la serverul de baze de date \"127.0.0.1\" (portul %1).").arg(liber)))
        << oprit.erori.toStdString();
    EXPECT_FALSE(oprit.erori.contains(ServerTest::Parola()));
    EXPECT_FALSE(QFileInfo::exists(m_dosar.filePath(QStringLiteral("x.pdf"))));
}

TEST_F(ServerFirebird, AConnectionLostDuringWorkIsNamedAndTheNextWorkAfterTheServerIsBackSucceeds)
{
    // A server of this test's own, to stop and start again.
    const QString stare = m_dosar.filePath(QStringLiteral("server-propriu.stare"));
    const auto server = [&](const QStringList &argumente) {
        QProcess p;
        p.start(QStringLiteral("bash"), QStringList{QStringLiteral(CERT_TEST_SERVER_SCRIPT)} + argumente);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    };
    const int port = ServerTest::PortLiber();
    ASSERT_GT(port, 0);
    const QStringList porneste{QStringLiteral("start"),
                               stare,
                               QStringLiteral(CERT_TEST_FIREBIRD_SERVER),
                               QStringLiteral(CERT_TEST_ISQL),
                               QStringLiteral(CERT_TEST_FIREBIRD_RADACINA),
                               QString::number(port),
                               ServerTest::Parola()};
    server(porneste);

    CopiazaSablonulInBaza();
    TOptiuniDm optiuni{m_locatii, &m_inregistrari, {}};
    optiuni.conexiune = ServerTest::Conexiune(CaleBaza());
    optiuni.conexiune.Server = QStringLiteral("127.0.0.1/%1").arg(port);
    m_dm = std::make_unique<TDM>(std::move(optiuni));
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA")).toInt(), 37);

    server({QStringLiteral("stop"), stare});
    try {
        Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA"));
        ADD_FAILURE() << "a read without the server succeeded";
    } catch (const EroareBaza &e) {
        EXPECT_EQ(e.Tip(), EroareBaza::Conexiune);
        EXPECT_TRUE(e.Mesaj().contains(
            QStringLiteral("serverul de baze de date \"127.0.0.1\" (portul %1)").arg(port)))
            << e.Mesaj().toStdString();
    }
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    // Still down: the next work says so again, and nothing is left open.
    EXPECT_THROW(Valoare(*m_dm, QStringLiteral("select count(*) as V from ELEVI")), EroareBaza);
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    server(porneste);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA")).toInt(), 37);
    server({QStringLiteral("stop"), stare});
    m_dm.reset();
}

TEST_F(ServerFirebird, AnEmptyDatabaseGetsTheTemplatesTablesInTheRomanianCodePage)
{
    const QString baza = m_dosar.filePath(QStringLiteral("server/goala.fdb"));
    QDir().mkpath(QFileInfo(baza).absolutePath());
    CreeazaBazaGoala(baza);
    TOptiuniDm optiuni{m_locatii, &m_inregistrari, {}};
    optiuni.conexiune = ServerTest::Conexiune(baza);
    m_dm = std::make_unique<TDM>(std::move(optiuni));
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from TABELE")).toInt(), 2);
    Executa(*m_dm, {QStringLiteral("insert into ELEVI values (gen_id(G_ID_ELEVI, 1))"),
                    QStringLiteral(
                        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                        "values ('CertificatAcordare', 'FATA', 'C_NUME', 'Ştefan Ţăranu', 1)")});
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select VALOARE_TEXT as V from \"DATE\"")).toString(),
              QStringLiteral("Ştefan Ţăranu"));
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select octet_length(VALOARE_TEXT) as V from \"DATE\"")).toInt(),
              13)
        << "one byte a letter: the Romanian code page";
    // The next start finds everything there.
    m_dm.reset();
    TOptiuniDm dinNou{m_locatii, &m_inregistrari, {}};
    dinNou.conexiune = ServerTest::Conexiune(baza);
    m_dm = std::make_unique<TDM>(std::move(dinNou));
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->Contor().ddl, 0);
    EXPECT_EQ(m_dm->Contor().inserari, 0);
}

TEST_F(ServerFirebird, CopiesOfAServerDatabaseAreLeftToTheServer)
{
    Reporneste();
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_TRUE(m_dm->CopieDupaImport());
    try {
        m_dm->SalveazaCopie(m_dosar.filePath(QStringLiteral("copie.fdb")));
        ADD_FAILURE() << "a copy of a server's database was made";
    } catch (const Exceptie &e) {
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("copiile ei se fac pe server")))
            << e.Mesaj().toStdString();
    }
    EXPECT_THROW(m_dm->RestaureazaBaza(CaleSablon()), Exceptie);
    EXPECT_FALSE(QFileInfo::exists(m_locatii.CaleDate(QStringLiteral("DB/copii"))));
}

} // namespace
