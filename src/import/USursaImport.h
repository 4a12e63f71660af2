#pragma once

#include <QString>

class TListaColoaneExcel;

// Where one field's value comes from during an import, as its page of the
// wizard sets it.
struct TSursaImport
{
    // The items of the page's drop-down list, by index.
    enum TFel {
        DinColoana = 0,
        Constanta = 1,
        DupaCnp = 2,
        PrimaParte = 3,
        ADouaParte = 4,
    };
    int Fel = DinColoana; // -1: none chosen
    QString Coloana;
    QString TextConstant;
    QString Fete;
    QString Baieti;
    // "NU import date pentru aceasta coloana": the field is left as it is.
    bool Exclus = false;

    bool CereColoana() const { return Fel == DinColoana || Fel == PrimaParte || Fel == ADouaParte; }
};

namespace SursaImport {

// The value of row r (0-based among the rows kept) for the candidate with
// that personal code. A column not read gives the empty text.
QString Valoare(const TSursaImport &sursa, const TListaColoaneExcel &coloane, int r, const QString &cnp);

// The parts of a name before and after its first space, both trimmed.
QString PrimaParte(const QString &nume);
QString ADouaParte(const QString &nume);

} // namespace SursaImport
