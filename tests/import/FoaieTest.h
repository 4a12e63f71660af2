#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QVariant>

// Workbooks the tests write for themselves: .xls through xlwt, .xlsx by hand
// (both by tests/import/foaie.py) and delimited text directly.
struct TCelulaTest
{
    int rand;    // 1-based
    int coloana; // 0-based
    QString tip; // "t" text, "n" number, "n2" two decimals, "d" date, "b", "f" formula
    QVariant valoare;
};

struct TFoaieTest
{
    QString nume;
    QList<TCelulaTest> celule;
};

// Writes the sheets as `format` ("xls", "xlsx", "csv"; a .csv holds the first
// sheet only, ";"-separated, in UTF-8) to dosar/nume.<format>; `defecte` adds
// the faults foaie.py knows. Fails the test when the writer fails.
QString ScrieRegistru(const QString &dosar, const QString &nume, const QString &format,
                      const QList<TFoaieTest> &foi, const QJsonObject &defecte = {});

#include <ostream>
#include <QStringList>
// Failures show texts as texts.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
