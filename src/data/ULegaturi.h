#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

#include "data/UListaInregistrari.h"

class TDM;

// A candidate's link to a record of another entity table (the institution
// that issues the certificate): one "DATE" row per profile line of that
// table, with ID_ELEVI the candidate and IDF_<table> the record. The value
// lookup reaches every field of the record through these rows.
namespace Legaturi {

// The entity tables other than ELEVI that the profile's lines use, in
// profile order. Tr must be active.
QStringList TabeleLegate(TDM &dm);

// The records of a table with their display text (the profile's record
// expression read from each record's own values), by identifier. Tr must be active.
TListaLiniiInregistrari Inregistrari(TDM &dm, const QString &tabel);

// The record the candidate is linked to in the table, if any. Tr must be active.
std::optional<int> Legatura(TDM &dm, int idElev, const QString &tabel);

// Links the candidate to the record (none: unlinks), writing or updating one
// row per profile line of the table. Tr must be active; the caller commits.
void ScrieLegatura(TDM &dm, int idElev, const QString &tabel, std::optional<int> idInregistrare);

} // namespace Legaturi
