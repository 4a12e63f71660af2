#pragma once

#include <QDate>
#include <QString>

// How a cell's value is shown, the same for every kind of file. The files
// hold values, not what a spreadsheet displays, so these are the rules a
// secretary expects to see:
// - a whole number without decimals, all its digits (a 13-digit personal
//   code stored as a number reads as its 13 digits, never "1.96E+12");
// - another number with a decimal comma, with the format's count of decimals
//   when the format gives one, otherwise as many as it needs (up to 10);
// - a percent format shows the number times 100 followed by "%";
// - a date as dd.mm.yyyy (and hh:mm when it has a time of day);
// - a truth value as "ADEVARAT" or "FALS";
// - text as it is; a formula shows its last computed value.
namespace AfisareCelula {

// `zecimale` < 0: the format gives no count of decimals.
QString Numar(double valoare, int zecimale = -1, bool procent = false);
QString Data(const QDateTime &moment);
// A date by its spreadsheet serial number (days since 30.12.1899, with the
// 1900 leap-year error of the format for the first two months of 1900).
QString DataDinSerial(double serial);
QString Boolean(bool valoare);

} // namespace AfisareCelula
