#pragma once

#include <QString>

// Whether the text is a valid Romanian personal numeric code: 13 digits, a
// first digit of 1, 2, 5 or 6, an existing date of birth (years 05..99 in
// the 1900s, 00..04 in the 2000s) and a matching control digit. The text is
// taken as given, blanks included. Never fails.
bool CnpValid(const QString &cod);
