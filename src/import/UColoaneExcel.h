#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

class IRegistruCalcul;

// The texts of one sheet column, one per kept row in row order, and the
// column's letters.
class TColoanaExcel : public QStringList
{
public:
    explicit TColoanaExcel(QString nume = QString()) : Nume(std::move(nume)) {}
    QString Nume;
};

// The columns of a sheet read into memory, in order A, B, ...; all hold the
// same number of rows. Owns its columns.
class TListaColoaneExcel
{
public:
    int Count() const { return int(m_coloane.size()); }
    TColoanaExcel *Items(int i) const { return m_coloane.at(size_t(i)).get(); }
    TColoanaExcel *Add(std::unique_ptr<TColoanaExcel> coloana);
    void Delete(int i);
    void Clear() { m_coloane.clear(); }
    // The column with these letters, or nullptr.
    TColoanaExcel *Coloana(const QString &nume) const;
    // The rows kept: the length of the first column (0 without columns).
    int NumarRanduri() const { return m_coloane.empty() ? 0 : int(m_coloane.front()->size()); }
    // Row r of the column with these letters; empty for a column not read.
    QString Text(const QString &nume, int r) const;

private:
    std::vector<std::unique_ptr<TColoanaExcel>> m_coloane;
};

// The 702 column names the import reads: "A" .. "Z", then "AA" .. "ZZ".
const QStringList &NumeColoaneExcel();

// The code page of the import's texts: 1250 when the Romanian letters go
// through it unchanged (the program's own table: always).
int PaginaDeCodImport();

// One cell of a sheet at a time, by its address.
class TDomeniuFoaie
{
public:
    TDomeniuFoaie(IRegistruCalcul &registru, int foaie) : m_registru(registru), m_foaie(foaie) {}
    void SetAdresa(const QString &adresa) { m_adresa = adresa; }
    const QString &Adresa() const { return m_adresa; }
    QString Text() const;

private:
    IRegistruCalcul &m_registru;
    int m_foaie;
    QString m_adresa;
};

// A cell's text as the import uses it: read through the range, comma-below
// letters as the cedilla ones the database keeps, and trimmed of blanks and
// control characters at both ends.
QString TextCelula(TDomeniuFoaie &domeniu, const QString &coloana, int rand);

// Reads the part of the sheet in use into `coloane`: the columns from A to
// the last one with a text in an even row 2..20; the rows from 1 to the last
// one with a text in columns A..H before a gap of 19 unused rows (never
// beyond row 999); then only the rows that hold a 13-digit value in some
// column.
void CitesteFoaia(TDomeniuFoaie &domeniu, TListaColoaneExcel &coloane);

// Whether the text is exactly 13 digits.
bool AreTreisprezeceCifre(const QString &text);
