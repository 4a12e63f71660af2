#pragma once

#include <memory>

#include <QHash>
#include <QString>
#include <QStringList>

// A workbook opened for reading: its sheets in workbook order and, per cell,
// the text the sheet displays. Three readers stand behind it (.xls, .xlsx and
// delimited text), chosen by what the file holds. Only the part of a sheet the
// import ever looks at is read: columns A to ZZ, rows 1 to 999. Every failure
// is an Exceptie whose message names the file.
class IRegistruCalcul
{
public:
    static constexpr int kColoaneCitite = 702; // A .. ZZ
    static constexpr int kRanduriCitite = 999;

    virtual ~IRegistruCalcul() = default;

    const QString &Fisier() const { return m_fisier; }
    virtual QStringList Foi() const = 0;

    // The displayed text of a cell by its A1 address ("B12"); an address
    // outside A1..ZZ999 reads as an empty cell.
    QString TextCelula(int foaie, const QString &adresa);
    // Same by 0-based column and 1-based row.
    QString TextCelula(int foaie, int coloana, int rand);

protected:
    explicit IRegistruCalcul(QString fisier) : m_fisier(std::move(fisier)) {}

    // The cells of one sheet that are not empty, keyed by Cheie().
    using TCelule = QHash<quint32, QString>;
    static quint32 Cheie(int coloana, int rand) { return quint32(rand) * 1024u + quint32(coloana); }
    virtual TCelule CitesteFoaia(int foaie) = 0;
    // An error about this file: "<message>" naming it.
    [[noreturn]] void Esec(const QString &motiv) const;

private:
    QString m_fisier;
    int m_foaieIncarcata = -1;
    TCelule m_celule;
};

// Opens the file with the reader its content calls for (a Windows compound
// file: .xls; a zip archive: .xlsx; anything else: delimited text).
std::unique_ptr<IRegistruCalcul> DeschideRegistrul(const QString &fisier);

// A column's letters from its 0-based index ("A", "Z", "AA", "ZZ", "AAA"...)
// and back; -1 for text that is not column letters.
QString LitereColoana(int index);
int IndexColoana(const QString &litere);
// "B12" into column 1, row 12; false when it is no cell address.
bool DesparteAdresa(const QString &adresa, int &coloana, int &rand);

// Readers, each for one kind of file.
std::unique_ptr<IRegistruCalcul> DeschideXls(const QString &fisier);
std::unique_ptr<IRegistruCalcul> DeschideXlsx(const QString &fisier);
std::unique_ptr<IRegistruCalcul> DeschideText(const QString &fisier);
