// The built program under conditions a secretariat meets sooner or later: a
// logout or `kill` while it runs, damaged settings or adjustments, a program
// folder it may not write in.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "support/BazaTest.h"
#include "support/CitirePdf.h"
#include "support/ProgramTest.h"

#ifndef Q_OS_WIN
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(CERT_TEST_EXE);

QByteArray CitesteFisier(const QString &cale)
{
    QFile f(cale);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The words of a PDF in reading order, without their places.
QString TextPdf(const QString &fisier)
{
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), fisier, QStringLiteral("-")});
    EXPECT_TRUE(proces.waitForFinished(60000));
    EXPECT_EQ(proces.exitCode(), 0) << fisier.toStdString();
    return QString::fromUtf8(proces.readAllStandardOutput());
}

QStringList FisierePartiale(const QString &dosar)
{
    return QDir(dosar).entryList({QStringLiteral("*.partial")}, QDir::Files | QDir::Hidden);
}

} // namespace

// SIGTERM, SIGINT and SIGHUP end the windowed program as closing its main
// window does: at once, with exit code 0, and the database opens afterwards.
TEST(ProgramOprire, EachStopSignalEndsTheWindowsCleanly)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    PregatesteCandidati(date, 2);

    struct Caz
    {
        int semnal;
        bool faraSplash;
        int asteptareMs; // how long the program runs before the signal
    };
    // SIGINT arrives while the start-up picture is still shown.
    for (const Caz &caz : {Caz{SIGTERM, true, 3000}, Caz{SIGINT, false, 1500}, Caz{SIGHUP, true, 3000}}) {
        QProcess proces;
        proces.setProcessEnvironment(MediuIzolat());
        QStringList argumente{QStringLiteral("--date"), date};
        if (caz.faraSplash)
            argumente.prepend(QStringLiteral("--fara-splash"));
        proces.start(kProgram, argumente);
        ASSERT_TRUE(proces.waitForStarted());
        ASSERT_FALSE(proces.waitForFinished(caz.asteptareMs))
            << "ended by itself: " << proces.readAllStandardError().toStdString();
        ASSERT_EQ(::kill(pid_t(proces.processId()), caz.semnal), 0);
        QElapsedTimer ceas;
        ceas.start();
        const bool terminat = proces.waitForFinished(3000);
        const qint64 durata = ceas.elapsed();
        if (!terminat) {
            proces.kill();
            proces.waitForFinished();
        }
        ASSERT_TRUE(terminat) << "signal " << caz.semnal << " left the program running";
        EXPECT_LT(durata, 3000);
        EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit) << caz.semnal;
        EXPECT_EQ(proces.exitCode(), 0) << caz.semnal << ": " << proces.readAllStandardError().toStdString();

        const TRezultatProgram r =
            Ruleaza(kProgram, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});
        EXPECT_EQ(r.cod, 0) << r.erori.toStdString();
    }
}

// A long command-line print stops between two certificates: no PDF under the
// name asked for, nothing half written beside it, the database as it was.
TEST(ProgramOprire, AStoppedCommandLinePrintLeavesNoPdfAndAnIntactDatabase)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    PregatesteCandidati(date, 1000);
    const QString iesiri = dosar.filePath(QStringLiteral("iesiri"));
    QDir().mkpath(iesiri);
    const QString pdf = iesiri + QStringLiteral("/toti.pdf");

    QProcess proces;
    proces.setProcessEnvironment(MediuIzolat());
    proces.start(kProgram, {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), pdf,
                            QStringLiteral("--toti")});
    ASSERT_TRUE(proces.waitForStarted());
    // The print is under way once its file is being written.
    QElapsedTimer ceas;
    ceas.start();
    while (FisierePartiale(iesiri).isEmpty() && proces.state() == QProcess::Running && ceas.elapsed() < 60000)
        QThread::msleep(20);
    ASSERT_FALSE(FisierePartiale(iesiri).isEmpty()) << proces.readAllStandardError().toStdString();
    QThread::msleep(300);
    ASSERT_EQ(proces.state(), QProcess::Running) << "1,000 certificates printed before the signal";
    ASSERT_EQ(::kill(pid_t(proces.processId()), SIGTERM), 0);
    ASSERT_TRUE(proces.waitForFinished(10000));

    EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(proces.exitCode(), 0);
    const QString erori = QString::fromLocal8Bit(proces.readAllStandardError());
    EXPECT_TRUE(erori.contains(QStringLiteral("Tiparirea a fost oprita"))) << erori.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(FisierePartiale(iesiri).isEmpty()) << FisierePartiale(iesiri).join(' ').toStdString();

    // Every candidate is still there.
    const QString ultimul = iesiri + QStringLiteral("/ultimul.pdf");
    const TRezultatProgram r =
        Ruleaza(kProgram, {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), ultimul,
                           QStringLiteral("--elev"), QStringLiteral("1000")});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(TextPdf(ultimul).contains(QStringLiteral("ELEV1000")));
}

// A damaged settings file never blocks printing: it is kept aside, the
// defaults apply, one warning names it, and the next start is quiet.
TEST(ProgramSetari, ADamagedOrWrongTypedKeyIsSetAsideAndThePrintUsesTheDefaults)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    PregatesteCandidati(date, 1, {QStringLiteral("POPESCU")});
    ExecutaDirect(
        BazaDinDate(date),
        {QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                        "values ('CertificatAcordare', 'FATA', 'D_MEDIA_GENERALA', '9,63', 1)")});
    const auto tipareste = [&](const QString &setari, const QString &pdf) {
        return Ruleaza(kProgram,
                       {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), pdf,
                        QStringLiteral("--elev"), QStringLiteral("1")},
                       {}, MediuIzolat(setari));
    };
    // What a first start, with no settings at all, prints.
    const QString referinta = dosar.filePath(QStringLiteral("referinta.pdf"));
    const TRezultatProgram r0 = tipareste(dosar.filePath(QStringLiteral("curat")), referinta);
    ASSERT_EQ(r0.cod, 0) << r0.erori.toStdString();
    const QString textReferinta = TextPdf(referinta);
    ASSERT_TRUE(textReferinta.contains(QStringLiteral("POPESCU")));
    ASSERT_TRUE(textReferinta.contains(QStringLiteral("9,63")));

    struct Caz
    {
        const char *cheie;
        const char *continut;
    };
    const Caz cazuri[] = {
        {"Global", "{\"NotaDiploma\": \"NOTA\", \"MedieDiploma\": "},
        {"Global", "{\"MedieDiploma\": 5, \"NotaCotor\": \"NOTA\"}"},
        {"Certificat de acordare", "{\"all\": \"0,1,0,0,0,1,5,"},
        {"Certificat de acordare", "{\"all\": \"0,1,1,0,0,1,7,7,7,7,,0\", \"OglindescFata\": 1}"},
    };
    int n = 0;
    for (const Caz &caz : cazuri) {
        SCOPED_TRACE(caz.continut);
        const QString setari = dosar.filePath(QStringLiteral("setari%1").arg(++n));
        const QString fisier = setari + QStringLiteral("/config/Software/Zoravin SOFT/Lumira/2006/") +
                               QLatin1String(caz.cheie) + QStringLiteral(".json");
        ScrieFisier(fisier, caz.continut);

        const QString pdf = dosar.filePath(QStringLiteral("tiparit%1.pdf").arg(n));
        const TRezultatProgram r = tipareste(setari, pdf);
        ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
        EXPECT_EQ(r.erori.count(QStringLiteral("Atentie:")), 1) << r.erori.toStdString();
        EXPECT_TRUE(r.erori.contains(QDir::toNativeSeparators(fisier) + QStringLiteral(".deteriorat")))
            << r.erori.toStdString();
        EXPECT_EQ(CitesteFisier(fisier + QStringLiteral(".deteriorat")), QByteArray(caz.continut));
        EXPECT_EQ(TextPdf(pdf), textReferinta);

        const TRezultatProgram dupa = tipareste(setari, pdf);
        EXPECT_EQ(dupa.cod, 0) << dupa.erori.toStdString();
        EXPECT_FALSE(dupa.erori.contains(QStringLiteral("Atentie"))) << dupa.erori.toStdString();
    }
}

// The command line has no window to show its messages in: a damaged
// "licenta.lic" is reported on standard error, and the PDF still comes out.
TEST(ProgramSetari, ACommandLinePrintReportsADamagedAdjustmentsFileOnStandardError)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    PregatesteCandidati(date, 1, {QStringLiteral("POPESCU")});
    const QString lic = date + QStringLiteral("/licenta.lic");
    ScrieFisier(lic, QByteArray("\x02\x00\x02\x01\x02", 5)); // cut short in its first record

    const QString pdf = dosar.filePath(QStringLiteral("certificat.pdf"));
    const TRezultatProgram r =
        Ruleaza(kProgram, {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), pdf,
                           QStringLiteral("--elev"), QStringLiteral("1")});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(r.erori.contains(QStringLiteral("Ajustarile campurilor nu pot fi citite din")))
        << r.erori.toStdString();
    EXPECT_TRUE(r.erori.contains(QStringLiteral("licenta.lic.deteriorat"))) << r.erori.toStdString();
    EXPECT_TRUE(TextPdf(pdf).contains(QStringLiteral("POPESCU")));
    EXPECT_TRUE(QFileInfo::exists(lic + QStringLiteral(".deteriorat")));
}

// A program installed where its user may not write, with the database beside
// it: that database is the one used, never a new, empty one elsewhere.
TEST(ProgramLocatii, AReadOnlyProgramFolderHoldingADatabaseUsesThatDatabase)
{
    QTemporaryDir dosar;
    ::chmod(QFile::encodeName(dosar.path()).constData(), 0755);
    const QString prog = dosar.filePath(QStringLiteral("prog"));
    const QString program = CopiazaProgramul(prog, true);
    PregatesteCandidati(prog, 1, {QStringLiteral("ANCUTA")});
    const QString baza = BazaDinDate(prog);
    ASSERT_TRUE(QFileInfo::exists(baza));

    // The user writes the database file and their own folders, not the program's.
    const QString utilizator = dosar.filePath(QStringLiteral("utilizator"));
    for (const QString &d : {utilizator, utilizator + QStringLiteral("/config"),
                             utilizator + QStringLiteral("/share"), utilizator + QStringLiteral("/iesiri")}) {
        QDir().mkpath(d);
        DaUtilizatoruluiObisnuit(d);
    }
    DaUtilizatoruluiObisnuit(baza);
    for (const QString &d : {prog + QStringLiteral("/DB"), prog})
        ASSERT_EQ(::chmod(QFile::encodeName(d).constData(), 0555), 0);
    QProcessEnvironment mediu = MediuIzolat(utilizator);
    mediu.insert(QStringLiteral("HOME"), utilizator);
    mediu.remove(QStringLiteral("FIREBIRD_LOCK"));

    const QString pdf = utilizator + QStringLiteral("/iesiri/certificat.pdf");
    const TRezultatProgram r =
        Ruleaza(program, {QStringLiteral("--tipareste-pdf"), pdf, QStringLiteral("--toti")},
                CaUtilizatorObisnuit(), mediu);
    for (const QString &d : {prog, prog + QStringLiteral("/DB")})
        ::chmod(QFile::encodeName(d).constData(), 0755);

    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(r.iesire.contains(QStringLiteral("Am scris 1 certificat(e)"))) << r.iesire.toStdString();
    EXPECT_TRUE(TextPdf(pdf).contains(QStringLiteral("ANCUTA")));
    // No second database was made in the user's data folder.
    QStringList baze;
    for (QDirIterator it(utilizator, {QStringLiteral("*.FDB")}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        baze.append(it.next());
    EXPECT_TRUE(baze.isEmpty()) << baze.join(' ').toStdString();
}
#endif
