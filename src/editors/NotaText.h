#pragma once

#include <QString>
#include <QtGlobal>

// A stored grade text ("9,63") as a fixed-point value counting
// ten-thousandths (96300). Digits before the first "," or "." form the
// integer part, digits after it the first two decimals, digits after a
// further separator are dropped; every other character is ignored. An
// integer part beyond 2147483647 counts as 0. Never fails.
qint64 NotaDinText(const QString &text);
