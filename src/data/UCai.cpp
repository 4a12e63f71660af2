#include "data/UCai.h"

#include <optional>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::optional<TLocatii> g_locatii;

bool DosarScriibil(const QString &dosar)
{
    // Create and remove a file: permissions alone do not tell for every file system.
    QTemporaryFile proba(dosar + QStringLiteral("/.proba_scriere_XXXXXX"));
    return proba.open();
}

} // namespace

TLocatii::TLocatii(QString dosarProgram, QString dosarDate)
    : m_dosarProgram(QDir::cleanPath(std::move(dosarProgram))),
      m_dosarDate(QDir::cleanPath(std::move(dosarDate)))
{
}

TLocatii TLocatii::PentruProgram(const QString &dosarDateCerut, const QString &bazaDeDate)
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString utilizator = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const auto areBaza = [&](const QString &dosar) {
        return !bazaDeDate.isEmpty() && QFileInfo::exists(dosar + QLatin1Char('/') + bazaDeDate);
    };
    QString date = dosarDateCerut;
    if (date.isEmpty())
        date = qEnvironmentVariable("CERTIFICAT_ACORDARE_DATE");
    // An existing database is never left for a new, empty one: to the user
    // that would look as if every candidate had vanished.
    if (date.isEmpty() && areBaza(program))
        date = program;
    if (date.isEmpty() && areBaza(utilizator))
        date = utilizator;
    if (date.isEmpty())
        date = DosarScriibil(program) ? program : utilizator;
    QDir().mkpath(date);
    return TLocatii(program, QFileInfo(date).absoluteFilePath());
}

QString TLocatii::BazaDeDate(const QString &numeBaza)
{
    return QStringLiteral("DB/") + numeBaza + QStringLiteral(".FDB");
}

QString TLocatii::CaleProgram(const QString &fisier) const
{
    return m_dosarProgram + QLatin1Char('/') + fisier;
}

QString TLocatii::CaleDate(const QString &fisier) const
{
    return m_dosarDate + QLatin1Char('/') + fisier;
}

const TLocatii &Locatii()
{
    if (!g_locatii)
        g_locatii = TLocatii::PentruProgram();
    return *g_locatii;
}

void StabilesteLocatii(const TLocatii &locatii)
{
    g_locatii = locatii;
}

QString PregatesteDosarBlocariFirebird()
{
    const QString existent = qEnvironmentVariable("FIREBIRD_LOCK");
    if (!existent.isEmpty())
        return existent;
#ifdef Q_OS_WIN
    return QString();
#else
    const QString dosar = QDir::tempPath() + QStringLiteral("/firebird-") + QString::number(getuid());
    QDir().mkpath(dosar);
    struct stat st {};
    // Never use a folder somebody else owns: the engine would fail there as well.
    if (::stat(QFile::encodeName(dosar).constData(), &st) != 0 || st.st_uid != getuid())
        return QString();
    ::chmod(QFile::encodeName(dosar).constData(), 0700);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(dosar));
    return dosar;
#endif
}
