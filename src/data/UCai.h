#pragma once

#include <QString>

// Where the program's files live. Files shipped with the program (the empty
// database template, the pictures) sit beside the executable; the files the
// program writes (the folder "DB", "licenta.lic", "LargeFonts.txt") sit in the
// data folder.
class TLocatii
{
public:
    TLocatii(QString dosarProgram, QString dosarDate);

    // The folders for this run. The data folder is, in this order: the one
    // given (command line), the one in CERTIFICAT_ACORDARE_DATE, the
    // executable's folder when it holds the database (`bazaDeDate`, relative
    // to the data folder), whether it is writable or not, the user's
    // application data folder when that holds it, the executable's folder when
    // it is writable, else the user's application data folder.
    static TLocatii PentruProgram(const QString &dosarDateCerut = QString(),
                                  const QString &bazaDeDate = QString());

    // The database file of a profile, relative to the data folder: "DB/<name>.FDB".
    static QString BazaDeDate(const QString &numeBaza);

    const QString &DosarProgram() const { return m_dosarProgram; }
    const QString &DosarDate() const { return m_dosarDate; }

    // A file shipped beside the executable.
    QString CaleProgram(const QString &fisier) const;
    // A file the program keeps among its data.
    QString CaleDate(const QString &fisier) const;

private:
    QString m_dosarProgram;
    QString m_dosarDate;
};

// The folders of this run, set once at start; the program asks here wherever
// it needs a file.
const TLocatii &Locatii();
void StabilesteLocatii(const TLocatii &locatii);

// The embedded database engine keeps its lock files in one folder shared by
// all users, which the first user's process creates for itself only. Points
// the engine at a folder of the current user's own, unless FIREBIRD_LOCK is
// already set. Returns the folder in use.
QString PregatesteDosarBlocariFirebird();
