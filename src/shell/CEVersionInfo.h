#pragma once

#include <QString>

// The program's version, read from the file version the build stamps into it.
class TCEVersionInfo
{
public:
    // The running program's version.
    TCEVersionInfo();
    // A given FileVersion text, split at its dots or, without dots, at its commas.
    explicit TCEVersionInfo(const QString &fileVersion);

    QString MajorVersion;
    QString MinorVersion;
    QString Release;
    QString Build;
};

// "Major.Minor.Release.Build" of the running program.
QString TextVersiune();
