#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// The text rules of the numeric edit, apart from any widget: which texts it
// accepts and how its numeric properties read and write its text. The text
// is the single source of truth; every number is computed from it.
namespace TextNumeric {

// Longest number, in characters without the decimal separator.
inline constexpr int kCaractereMaxime = 17;

// Digits, "," "." and "-" only; one "-" and only first; one separator; at
// most `zecimale` characters after it; at most 17 characters besides the
// separator. An accepted text gets its "." turned into ",".
bool Accepta(QString &text, int zecimale);

// Ten-thousandths: a "-" anywhere makes it negative; the text is split at the
// first ","; the fraction is padded or cut to four digits. Out of range
// values stop at the limits of the type.
qint64 CitesteCurrency(const QString &text);
// Integer part, ",", then the first two decimals (truncated): 9.6399 gives "9,63".
QString ScrieCurrency(qint64 zecimiDeMiimi);

// Fixed-point with `zecimale` decimals (2 or 4): integer part before the first
// "," or ".", fraction padded or cut, both read as one integer: "9,6" gives 960.
qint64 CitesteCuZecimale(const QString &text, int zecimale);
// 905 gives "9,05"; 1000 gives "10"; negatives as "-" and the absolute value.
QString ScrieCuZecimale(qint64 valoare, int zecimale);

// The integer before the first "," or "."; 0 when empty or not a number.
qint64 CitesteFaraZecimale(const QString &text);

// Positions of the integer digits followed by a positive multiple of three
// integer digits: where the thousands marks go.
QList<int> PozitiiMarcajeMii(const QString &text);
// Position of the decimal comma, -1 when there is none.
int PozitieVirgula(const QString &text);

} // namespace TextNumeric
