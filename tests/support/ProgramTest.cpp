#include "support/ProgramTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "support/BazaTest.h"

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

QProcessEnvironment MediuIzolat(const QString &dosarSetari)
{
    static QTemporaryDir comun;
    const QString radacina = dosarSetari.isEmpty() ? comun.path() : dosarSetari;
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(QStringLiteral("XDG_CONFIG_HOME"), radacina + QStringLiteral("/config"));
    mediu.insert(QStringLiteral("XDG_DATA_HOME"), radacina + QStringLiteral("/share"));
    mediu.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    mediu.remove(QStringLiteral("CERTIFICAT_ACORDARE_DATE"));
    return mediu;
}

TRezultatProgram Ruleaza(const QString &program, const QStringList &argumente, const QStringList &prefix,
                         const QProcessEnvironment &mediu)
{
    QProcess proces;
    proces.setProcessEnvironment(mediu);
    if (prefix.isEmpty())
        proces.start(program, argumente);
    else
        proces.start(prefix.first(), prefix.mid(1) + QStringList{program} + argumente);
    TRezultatProgram r;
    if (!proces.waitForFinished(180000)) {
        proces.kill();
        proces.waitForFinished();
        return r;
    }
    r.cod = proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -2;
    r.iesire = QString::fromLocal8Bit(proces.readAllStandardOutput());
    r.erori = QString::fromLocal8Bit(proces.readAllStandardError());
    return r;
}

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

QString BazaDinDate(const QString &dosarDate)
{
    return dosarDate + QStringLiteral("/DB/CertificatAcordare2006.FDB");
}

void PregatesteCandidati(const QString &dosarDate, int n, const QStringList &nume,
                         const QProcessEnvironment &mediu)
{
    const TRezultatProgram r =
        Ruleaza(QStringLiteral(CERT_TEST_EXE),
                {QStringLiteral("--pregateste-baza"), QStringLiteral("--date"), dosarDate}, {}, mediu);
    ASSERT_EQ(r.cod, 0) << r.erori.toStdString();
    QStringList comenzi;
    if (nume.isEmpty()) {
        comenzi.append(
            QStringLiteral(
                "execute block as declare i integer = 1; begin "
                "while (i <= %1) do begin "
                "insert into ELEVI values (:i); "
                "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                "values ('CertificatAcordare', 'FATA', 'C_NUME', 'ELEV' || :i, :i); "
                "i = i + 1; end end")
                .arg(n));
    } else {
        for (int i = 1; i <= n; ++i) {
            comenzi.append(QStringLiteral("insert into ELEVI values (%1)").arg(i));
            comenzi.append(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                               "ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', '%1', %2)")
                    .arg(nume.value(i - 1), QString::number(i)));
        }
    }
    ExecutaDirect(BazaDinDate(dosarDate), comenzi);
}

#ifndef Q_OS_WIN
QStringList CaUtilizatorObisnuit()
{
    if (getuid() != 0)
        return {};
    const QString setpriv = QStringLiteral("/usr/bin/setpriv");
    EXPECT_TRUE(QFileInfo::exists(setpriv))
        << "setpriv is missing: run scripts/setup.sh (package util-linux)";
    return {setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
            QStringLiteral("--clear-groups")};
}

void DaUtilizatoruluiObisnuit(const QString &cale)
{
    if (getuid() == 0) {
        EXPECT_EQ(::chown(QFile::encodeName(cale).constData(), 65534, 65534), 0) << cale.toStdString();
    }
}
#endif
