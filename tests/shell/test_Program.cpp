// Runs the built program as a user would, without windows.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct Rezultat
{
    int cod = -1;
    QString erori;
};

Rezultat Ruleaza(const QString &program, const QStringList &argumente, const QStringList &prefix = {},
                 const QProcessEnvironment &mediu = QProcessEnvironment::systemEnvironment())
{
    QProcess proces;
    proces.setProcessEnvironment(mediu);
    if (prefix.isEmpty()) {
        proces.start(program, argumente);
    } else {
        proces.start(prefix.first(), prefix.mid(1) + QStringList{program} + argumente);
    }
    Rezultat r;
    if (!proces.waitForFinished(120000)) {
        proces.kill();
        return r;
    }
    r.cod = proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -2;
    r.erori = QString::fromLocal8Bit(proces.readAllStandardError());
    return r;
}

// A copy of the program in a folder of its own, optionally with its template.
QString CopiazaProgramul(const QString &dosar, bool cuSablon)
{
    QDir().mkpath(dosar);
    const QString program = dosar + QStringLiteral("/CertificatAcordare");
    EXPECT_TRUE(QFile::copy(QStringLiteral(CERT_TEST_EXE), program));
    if (cuSablon) {
        EXPECT_TRUE(QFile::copy(QStringLiteral(CERT_TEST_TEMPLATE), dosar + QStringLiteral("/BLANK.FDB")));
    }
    return program;
}

} // namespace

TEST(Program, PreparesTheDatabaseOnFirstStartAndReusesItAfterwards)
{
    QTemporaryDir dosar;
    const QString program = CopiazaProgramul(dosar.filePath(QStringLiteral("prog")), true);
    const QString date = dosar.filePath(QStringLiteral("date"));

    Rezultat r = Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});
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

    const Rezultat r = Ruleaza(program, {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date});

    EXPECT_EQ(r.cod, 1);
    EXPECT_TRUE(r.erori.contains(QStringLiteral("DB Curent:") + QDir::toNativeSeparators(date)
                                 + QStringLiteral("/DB/CertificatAcordare2006.FDB")))
        << r.erori.toStdString();
    EXPECT_TRUE(r.erori.contains(QStringLiteral("\r\nDB Blank:") + QDir::toNativeSeparators(dosar.filePath(QStringLiteral("prog")))
                                 + QStringLiteral("/BLANK.FDB")))
        << r.erori.toStdString();
}

#ifndef Q_OS_WIN
// The embedded engine's shared lock folder, once root has used the engine,
// belongs to root alone; another user's program must still open its database.
TEST(Program, OrdinaryUserOpensItsDatabaseAfterRootUsedTheEngine)
{
    if (getuid() != 0)
        GTEST_SKIP() << "needs root to act as root and as another user";
    if (!QFileInfo::exists(QStringLiteral("/usr/bin/setpriv")))
        GTEST_SKIP() << "setpriv is missing";

    // What the engine leaves behind when root uses it first.
    const QByteArray blocariRoot = "/tmp/firebird";
    if (!QFileInfo::exists(QString::fromLatin1(blocariRoot))) {
        ASSERT_EQ(::mkdir(blocariRoot.constData(), 0770), 0);
    }
    struct stat st {};
    ASSERT_EQ(::stat(blocariRoot.constData(), &st), 0);

    QTemporaryDir dosar;
    ::chmod(QFile::encodeName(dosar.path()).constData(), 0755);
    const QString program = CopiazaProgramul(dosar.filePath(QStringLiteral("prog")), true);
    const QString date = dosar.filePath(QStringLiteral("date"));
    QDir().mkpath(date);
    ASSERT_EQ(::chown(QFile::encodeName(date).constData(), 65534, 65534), 0);

    const QStringList caUtilizator = {QStringLiteral("/usr/bin/setpriv"), QStringLiteral("--reuid=65534"),
                                      QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.remove(QStringLiteral("FIREBIRD_LOCK"));
    mediu.insert(QStringLiteral("HOME"), date);
    mediu.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList argumente = {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), date};

    if (st.st_uid == 0 && (st.st_mode & 0007) == 0) {
        // The failure this guards against: the engine's own default folder.
        QProcessEnvironment implicit = mediu;
        implicit.insert(QStringLiteral("FIREBIRD_LOCK"), QString::fromLatin1(blocariRoot));
        const Rezultat esec = Ruleaza(program, argumente, caUtilizator, implicit);
        EXPECT_EQ(esec.cod, 2) << esec.erori.toStdString();
        QDir(date + QStringLiteral("/DB")).removeRecursively();
    }

    const Rezultat r = Ruleaza(program, argumente, caUtilizator, mediu);
    EXPECT_EQ(r.cod, 0) << r.erori.toStdString();
    EXPECT_TRUE(QFileInfo::exists(date + QStringLiteral("/DB/CertificatAcordare2006.FDB")));
}
#endif
