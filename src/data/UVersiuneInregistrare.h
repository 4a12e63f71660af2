#pragma once

#include <QByteArray>
#include <QString>

#include "comun/Exceptie.h"

class TDM;

// Another workstation changed (or deleted) the record between the moment a
// dialog read it and the moment it was to be saved.
class ConflictInregistrare : public Exceptie
{
public:
    using Exceptie::Exceptie;
};

// What a record dialog saves over must be what it read: the record's value
// rows as they were when it was loaded, compared again when it is saved.
namespace VersiuneInregistrare {

// A digest of every value row of the record `id` of the entity table
// `tabel`. In Tr when it is active, else in a read transaction of its own;
// uses Q5.
QByteArray Amprenta(TDM &dm, const QString &tabel, int id);

// In Tr, before a save: holds the record's row against every other
// connection until Tr ends (a save from another workstation waits for it,
// then finds the record changed), then compares its value rows with
// `amprenta`. Raises ConflictInregistrare when they changed or the record is
// gone; the caller rolls back. Uses Q5.
void Verifica(TDM &dm, const QString &tabel, int id, const QByteArray &amprenta);

// The message the user reads for a conflict of a record of `tabel`.
QString MesajConflict(const QString &tabel);

} // namespace VersiuneInregistrare
