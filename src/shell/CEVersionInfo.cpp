#include "shell/CEVersionInfo.h"

#include <QStringList>

#include "VersiuneProgram.h"

namespace {
const QString kIndisponibil = QStringLiteral("<info not available>");
}

TCEVersionInfo::TCEVersionInfo() : TCEVersionInfo(QStringLiteral(CERT_FILE_VERSION))
{
}

TCEVersionInfo::TCEVersionInfo(const QString &fileVersion)
    : MajorVersion(kIndisponibil), MinorVersion(kIndisponibil), Release(kIndisponibil),
      Build(kIndisponibil)
{
    QChar separator;
    if (fileVersion.contains(QLatin1Char('.')))
        separator = QLatin1Char('.');
    else if (fileVersion.contains(QLatin1Char(',')))
        separator = QLatin1Char(',');
    else
        return;

    const QStringList parti = fileVersion.split(separator);
    QString *tinte[] = {&MajorVersion, &MinorVersion, &Release, &Build};
    for (int i = 0; i < 4; ++i)
        *tinte[i] = i < parti.size() ? parti.at(i).trimmed() : QString();
}

QString TextVersiune()
{
    const TCEVersionInfo v;
    return v.MajorVersion + QLatin1Char('.') + v.MinorVersion + QLatin1Char('.') + v.Release
        + QLatin1Char('.') + v.Build;
}
