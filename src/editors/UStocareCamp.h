#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class TDM;

// How every field editor reads and writes its one value row of "DATE": the
// record chosen by the table's rule, the text trimmed and cut, and on update
// the other tables' link columns cleared. Runs on the data module's Q1 and Q2
// inside the caller's transaction.
namespace StocareCamp {

// Characters kept of a TEXT value, and of every other value.
inline constexpr int kLungimeText = 256;
inline constexpr int kLungimeAlta = 64;

// The three codes of the edited field.
struct TCoduri
{
    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
};

// The id that selects the record: IdElev for table "ELEVI" (exact
// comparison), IdEntitate for any other; -1 matches no row.
int IdSelectat(const QString &tabel, int idElev, int idEntitate);

// The text as stored: blanks and control characters removed at both ends,
// then cut to its first `lungime` characters.
QString TextDeSalvat(const QString &text, int lungime);

// The stored text of the first matching row; nothing when there is no row
// or its text is NULL.
std::optional<QString> Citeste(TDM &dm, const TCoduri &coduri, const QString &tabel, int id);

// Updates every matching row, or inserts one when none matches.
void Scrie(TDM &dm, const TCoduri &coduri, const QString &tabel, int id, const QString &valoare);

// Every distinct non-empty text stored so far for the field, over all records.
QStringList Sugestii(TDM &dm, const TCoduri &coduri);

} // namespace StocareCamp
