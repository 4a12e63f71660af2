#pragma once

#include <optional>

#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/UReferintaCamp.h"

class TDM;
class TQuery;

// The value rows of "DATE": one row per field and record, found by the
// field's three codes and the record's link column ID_<table>. The field
// editors read and write them here (the text trimmed and cut, and on update
// the other tables' link columns cleared), on the data module's Q1 and Q2;
// the value lookup finds its rows with the same statement.
namespace StocareValori {

// Characters kept of a TEXT value, and of every other value.
inline constexpr int kLungimeText = 256;
inline constexpr int kLungimeAlta = 64;

// The id that selects the record: IdElev for table "ELEVI" (exact
// comparison), IdEntitate for any other; -1 matches no row.
int IdSelectat(const QString &tabel, int idElev, int idEntitate);

// The text as stored: blanks and control characters removed at both ends,
// then cut to its first `lungime` characters.
QString TextDeSalvat(const QString &text, int lungime);

// Opens on `q` the field's value rows of the record `id` of `tabel`; a null
// id matches no row. The caller reads and closes.
void DeschideRandurile(TQuery &q, const TReferintaCamp &camp, const QString &tabel, const QVariant &id);

// The stored text of the first matching row; nothing when there is no row
// or its text is NULL. Reads in Tr when it is active, otherwise in a
// transaction of its own.
std::optional<QString> Citeste(TDM &dm, const TReferintaCamp &camp, const QString &tabel, int id);

// Updates every matching row, or inserts one when none matches. Writes in
// Tr when it is active (the caller commits), otherwise in a transaction of
// its own that it commits.
void Scrie(TDM &dm, const TReferintaCamp &camp, const QString &tabel, int id, const QString &valoare);

// Every distinct non-empty text stored so far for the field, over all
// records. Reads as Citeste does.
QStringList Sugestii(TDM &dm, const TReferintaCamp &camp);

} // namespace StocareValori
