// Runs the built program as a user would, without windows.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "data/UCopiiBaza.h"
#include "support/BazaTest.h"
#include "support/CitirePdf.h"
#include "support/ProgramTest.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

TEST(Program, PreparesTheDatabaseOnFirstStartAndReusesItAfterwards)
{
    QTemporaryDir dosar;
    const QString program = CopiazaProgramul(dosar.filePath(QStringLiteral("prog")), true);
    const QString date = dosar.filePath(QStringLiteral("date"));

    TRezultatProgram r =
        Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});
    EXPECT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(QFileInfo::exists(date + QStringLiteral("/DB/CertificatAcordare2006.FDB")));

    QFile::remove(dosar.filePath(QStringLiteral("prog/BLANK.FDB")));
    r = Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});
    EXPECT_EQ(r.cod, 0) << r.erori.toStdString();
}

TEST(Program, MissingDatabaseAndTemplateEndsWithCode1AndBothPaths)
{
    QTemporaryDir dosar;
    const QString program = CopiazaProgramul(dosar.filePath(QStringLiteral("prog")), false);
    const QString date = dosar.filePath(QStringLiteral("date"));

    const TRezultatProgram r =
        Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});

    EXPECT_EQ(r.cod, 1);
    EXPECT_TRUE(r.erori.contains(QStringLiteral("DB Curent:") + QDir::toNativeSeparators(date) +
                                 QStringLiteral("/DB/CertificatAcordare2006.FDB")))
        << r.erori.toStdString();
    EXPECT_TRUE(r.erori.contains(QStringLiteral("\r\nDB Blank:") +
                                 QDir::toNativeSeparators(dosar.filePath(QStringLiteral("prog"))) +
                                 QStringLiteral("/BLANK.FDB")))
        << r.erori.toStdString();
}

#ifndef Q_OS_WIN
// The embedded engine's shared lock folder, once root has used the engine,
// belongs to root alone; another user's program must still open its database.
TEST(Program, OrdinaryUserOpensItsDatabaseAfterRootUsedTheEngine)
{
    // What the engine leaves behind when root uses it first (made here when the tests run as root).
    const QByteArray blocariRoot = "/tmp/firebird";
    if (getuid() == 0 && !QFileInfo::exists(QString::fromLatin1(blocariRoot))) {
        ASSERT_EQ(::mkdir(blocariRoot.constData(), 0770), 0);
    }
    struct stat st
    {
    };
    const bool blocariExista = ::stat(blocariRoot.constData(), &st) == 0;

    QTemporaryDir dosar;
    ::chmod(QFile::encodeName(dosar.path()).constData(), 0755);
    const QString program = CopiazaProgramul(dosar.filePath(QStringLiteral("prog")), true);
    const QString date = dosar.filePath(QStringLiteral("date"));
    QDir().mkpath(date);
    DaUtilizatoruluiObisnuit(date);

    const QStringList caUtilizator = CaUtilizatorObisnuit();
    QProcessEnvironment mediu = MediuIzolat();
    mediu.remove(QStringLiteral("FIREBIRD_LOCK"));
    mediu.insert(QStringLiteral("HOME"), date);
    mediu.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList argumente = {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date};

    if (blocariExista && st.st_uid == 0 && getuid() == 0 && (st.st_mode & 0007) == 0) {
        // The failure this guards against: the engine's own default folder.
        QProcessEnvironment implicit = mediu;
        implicit.insert(QStringLiteral("FIREBIRD_LOCK"), QString::fromLatin1(blocariRoot));
        const TRezultatProgram esec = Ruleaza(program, argumente, caUtilizator, implicit);
        EXPECT_EQ(esec.cod, 2) << esec.erori.toStdString();
        QDir(date + QStringLiteral("/DB")).removeRecursively();
    }

    const TRezultatProgram r = Ruleaza(program, argumente, caUtilizator, mediu);
    EXPECT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(QFileInfo::exists(date + QStringLiteral("/DB/CertificatAcordare2006.FDB")));
}
#endif

namespace {

// Where the word stands in the PDF, in millimetres.
QList<QRectF> CuvantPdfMm(const QString &fisier, const QString &cuvant)
{
    QList<QRectF> cutii;
    for (const QRectF &c : CuvantPdf(fisier, cuvant))
        cutii.append(QRectF(c.topLeft() * kMmPePunctPdf, c.bottomRight() * kMmPePunctPdf));
    return cutii;
}

} // namespace

// Prints certificates to a PDF without any window, as a proof or an archive.
TEST(Program, PrintsCertificatesToAPdfWhereTheirMillimetresSay)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    const QString program = QStringLiteral(CERT_TEST_EXE);
    TRezultatProgram r =
        Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    const QString rand =
        QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                       "values ('CertificatAcordare', 'FATA', 'C_NUME', '%1', %2)");
    ExecutaDirect(date + QStringLiteral("/DB/CertificatAcordare2006.FDB"),
                  {QStringLiteral("insert into ELEVI values (1)"),
                   QStringLiteral("insert into ELEVI values (2)"), rand.arg(QStringLiteral("POPESCU")).arg(1),
                   rand.arg(QStringLiteral("IONESCU")).arg(2)});

    // FormularTextArea1 holds C_NUME: 25.67 mm from the left, 35.36 wide, centred; 64.80 to 69.20 from the
    // top.
    const double centru = 25.67 + 35.36 / 2;
    const QString pdf = dosar.filePath(QStringLiteral("drept.pdf"));
    r = Ruleaza(program, {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), pdf,
                          QStringLiteral("--elev"), QStringLiteral("1"), QStringLiteral("--margine-stanga"),
                          QStringLiteral("0"), QStringLiteral("--margine-sus"), QStringLiteral("0"),
                          QStringLiteral("--drept")});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    QList<QRectF> cuvinte = CuvantPdfMm(pdf, QStringLiteral("POPESCU"));
    ASSERT_EQ(cuvinte.size(), 2) << "the name on the stub and on the certificate";
    EXPECT_TRUE(CuvantPdfMm(pdf, QStringLiteral("IONESCU")).isEmpty());
    QRectF nume = cuvinte.first();
    EXPECT_NEAR(nume.center().x(), centru, 0.3);
    EXPECT_GT(nume.top(), 64.80 - 0.3);
    EXPECT_LT(nume.bottom(), 69.20 + 0.3);

    // Turned by 180 degrees about the centre of the A4 sheet, shifted by the margins first.
    const QString intors = dosar.filePath(QStringLiteral("intors.pdf"));
    r = Ruleaza(program, {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), intors,
                          QStringLiteral("--toti"), QStringLiteral("--margine-stanga"), QStringLiteral("2,5"),
                          QStringLiteral("--margine-sus"), QStringLiteral("-1"), QStringLiteral("--intors")});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    cuvinte = CuvantPdfMm(intors, QStringLiteral("POPESCU"));
    ASSERT_EQ(cuvinte.size(), 2);
    EXPECT_EQ(CuvantPdfMm(intors, QStringLiteral("IONESCU")).size(), 2)
        << "every candidate, on a page of its own";
    // Turned, the stub's name is the lower of the two on the page.
    nume = cuvinte.first().top() > cuvinte.last().top() ? cuvinte.first() : cuvinte.last();
    EXPECT_NEAR(nume.center().x(), 297.0 - (centru + 2.5), 0.3);
    EXPECT_GT(nume.top(), 210.0 - (69.20 - 1) - 0.3);
    EXPECT_LT(nume.bottom(), 210.0 - (64.80 - 1) + 0.3);

    r = Ruleaza(program, {QStringLiteral("--date"), date, QStringLiteral("--tipareste-pdf"), pdf,
                          QStringLiteral("--elev"), QStringLiteral("9")});
    EXPECT_EQ(r.cod, 2);
    EXPECT_TRUE(r.erori.contains(QStringLiteral("Candidatul cu numarul 9 nu exista.")))
        << r.erori.toStdString();
}

TEST(Program, SavesARestoresAndRefusesAForeignFileFromTheCommandLine)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    PregatesteCandidati(date, 3);
    const QString program = QStringLiteral(CERT_TEST_EXE);
    const QString copie = dosar.filePath(QStringLiteral("stick/copie.FDB"));
    QDir().mkpath(QFileInfo(copie).absolutePath());

    TRezultatProgram r =
        Ruleaza(program, {QStringLiteral("--date"), date, QStringLiteral("--salveaza-baza"), copie});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(r.erori.contains(QStringLiteral("Am salvat baza de date in"))) << r.erori.toStdString();
    EXPECT_EQ(TCopiiBaza::VerificaBaza(copie).candidati, 3);

    const QString strain = dosar.filePath(QStringLiteral("notite.FDB"));
    ScrieFisier(strain, "notite");
    ExecutaDirect(BazaDinDate(date), {QStringLiteral("delete from ELEVI")});
    r = Ruleaza(program, {QStringLiteral("--date"), date, QStringLiteral("--restaureaza-baza"), strain});
    EXPECT_EQ(r.cod, 2);
    EXPECT_TRUE(r.erori.contains(QStringLiteral("nu este o baza de date a acestui program")))
        << r.erori.toStdString();
    EXPECT_EQ(TCopiiBaza::VerificaBaza(BazaDinDate(date)).candidati, 0);

    r = Ruleaza(program, {QStringLiteral("--date"), date, QStringLiteral("--restaureaza-baza"), copie});
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(r.erori.contains(QStringLiteral("(3 candidati)"))) << r.erori.toStdString();
    EXPECT_EQ(TCopiiBaza::VerificaBaza(BazaDinDate(date)).candidati, 3);
    EXPECT_EQ(TCopiiBaza::VerificaBaza(date +
                                       QStringLiteral("/DB/CertificatAcordare2006-inainte-de-restaurare.FDB"))
                  .candidati,
              0);
}

#ifndef Q_OS_WIN
// A database another process holds fails to open, yet is sound: no copy may take its place.
TEST(Program, ADatabaseHeldByAnotherProcessIsNotOfferedARestore)
{
    QTemporaryDir dosar;
    const QString date = dosar.filePath(QStringLiteral("date"));
    PregatesteCandidati(date, 2);
    const QString program = QStringLiteral(CERT_TEST_EXE);
    ASSERT_EQ(Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date}).cod, 0);
    const QStringList copii = QDir(date + QStringLiteral("/DB/copii")).entryList(QDir::Files);
    ASSERT_FALSE(copii.isEmpty());

    // The engine's own query tool keeps the database attached until it is told to quit.
    const QString isql = QStandardPaths::findExecutable(QStringLiteral("isql-fb"));
    ASSERT_FALSE(isql.isEmpty()) << "isql-fb, the engine's query tool, holds the database in this test";
    PregatesteDosarBlocariFirebird();
    QProcess detinator;
    detinator.setProcessEnvironment(MediuIzolat());
    detinator.start(isql, {QStringLiteral("-user"), QStringLiteral("SYSDBA"), QStringLiteral("-password"),
                           QStringLiteral("plivremox"), BazaDinDate(date)});
    ASSERT_TRUE(detinator.waitForStarted());
    detinator.write("select count(*) from ELEVI;\n");
    QByteArray iesire;
    while (!iesire.contains("====") && detinator.waitForReadyRead(30000))
        iesire += detinator.readAllStandardOutput();
    ASSERT_TRUE(iesire.contains("====")) << iesire.toStdString();

    const TRezultatProgram r =
        Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});
    detinator.write("quit;\n");
    detinator.closeWriteChannel();
    detinator.waitForFinished();

    EXPECT_EQ(r.cod, 2);
    EXPECT_TRUE(r.erori.contains(QStringLiteral("nu este deteriorat"))) << r.erori.toStdString();
    EXPECT_FALSE(r.erori.contains(QStringLiteral("Restaurez"))) << r.erori.toStdString();
    EXPECT_EQ(QDir(date + QStringLiteral("/DB")).entryList(QDir::Files),
              QStringList{QStringLiteral("CertificatAcordare2006.FDB")});
    EXPECT_EQ(QDir(date + QStringLiteral("/DB/copii")).entryList(QDir::Files), copii)
        << "no copy of a file another process was writing";
    EXPECT_EQ(TCopiiBaza::VerificaBaza(BazaDinDate(date)).candidati, 2);
}
#endif
