#pragma once

#include <QString>

// Copying a file's bytes, behind an interface so that tests can make the
// disk fill up half way.
class ICopiereFisier
{
public:
    virtual ~ICopiereFisier() = default;
    // Writes the bytes of `sursa` into `tinta`, created or emptied. Returns
    // why it failed, or an empty text; a failed copy may leave part of
    // `tinta` behind, which the caller removes.
    virtual QString Copiaza(const QString &sursa, const QString &tinta) = 0;
};

// Copying through Qt's files, every write checked (a full disk fails it).
ICopiereFisier &CopiereSistem();
