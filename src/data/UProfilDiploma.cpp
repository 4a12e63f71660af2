#include "data/UProfilDiploma.h"

#include "comun/Exceptie.h"

void TListaLiniiProfilDiploma::AdaugaLinie(const QString &codFormular, const QString &codPagina,
                                           const QString &codCamp, const QString &etichetaEditor,
                                           const QString &formula, const QString &vizibil,
                                           const QString &tipDeDate, const QString &asociatCu,
                                           const QString &similarCu, int latimeSugerata,
                                           const QString &codLinie)
{
    TLinieProfilDiploma linie;
    linie.CodFormular = codFormular;
    linie.CodPagina = codPagina;
    linie.CodCamp = codCamp;
    linie.EtichetaEditor = etichetaEditor;
    linie.Formula = formula;
    linie.Vizibil = vizibil;
    linie.TipDeDate = tipDeDate;
    linie.AsociatCu = asociatCu;
    linie.SimilarCu = similarCu;
    linie.LatimeSugerata = latimeSugerata;
    linie.CodLinie = codLinie;
    m_linii.push_back(linie);
    m_linii.back().Ordine = Count();
}

QString TClasaListaProfilDiploma::ListaCampuriElev() const
{
    throw Exceptie(QStringLiteral("Nu ai definit %1.ListaCampuriElev; Lista trebuie sa fie de tipul "
                                  "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\"")
                       .arg(NumeClasa()));
}

QString TClasaListaProfilDiploma::ListaCampuriGeneric() const
{
    throw Exceptie(QStringLiteral("Nu ai definit %1.ListaCampuriGeneric; Lisra trebuie sa fie de tipul "
                                  "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\"")
                       .arg(NumeClasa()));
}

TEtichetaEditor ParseazaEticheta(const QString &etichetaEditor)
{
    enum class Mod { Eticheta, Grup, Sectiune };
    TEtichetaEditor parti;
    Mod mod = Mod::Eticheta;
    for (const QChar c : etichetaEditor) {
        switch (mod) {
        case Mod::Eticheta:
            if (c == QLatin1Char('['))
                mod = Mod::Grup;
            else if (c == QLatin1Char('{'))
                mod = Mod::Sectiune;
            else
                parti.Eticheta += c;
            break;
        case Mod::Grup:
            if (c == QLatin1Char(']'))
                mod = Mod::Eticheta;
            else
                parti.Grup += c;
            break;
        case Mod::Sectiune:
            if (c == QLatin1Char('}'))
                return parti;
            parti.Sectiune += c;
            break;
        }
    }
    return parti;
}
