#pragma once

#include <memory>
#include <vector>

#include <QString>

// One field of one page of one printable form, as written into PROFIL_DIPLOMA.
struct TLinieProfilDiploma
{
    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
    QString SimilarCu;
    QString OnorezSimilar;
    QString EtichetaEditor;
    QString Formula;
    QString Vizibil;
    QString TipDeDate;
    QString AsociatCu;
    QString Grup;
    int Ordine = 0;
    int LatimeSugerata = 0;
    QString CodLinie;
};

// The form profile of a document type: the owning list of its lines. A
// document type derives from it and adds its lines in its constructor.
class TListaLiniiProfilDiploma
{
public:
    virtual ~TListaLiniiProfilDiploma() = default;

    void AdaugaLinie(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                     const QString &etichetaEditor, const QString &formula, const QString &vizibil,
                     const QString &tipDeDate, const QString &asociatCu, const QString &similarCu,
                     int latimeSugerata, const QString &codLinie);

    int Count() const { return int(m_linii.size()); }
    const TLinieProfilDiploma &Linie(int index) const { return m_linii.at(size_t(index)); }

private:
    std::vector<TLinieProfilDiploma> m_linii;
};

// The parts of an editor label such as "[Candidat]Abreviere{cotor}": the
// group (inside square brackets, several joined), the label (outside any
// bracket) and the section (inside braces; a closing brace ends the reading).
struct TEtichetaEditor
{
    QString Grup;
    QString Eticheta;
    QString Sectiune;
};
TEtichetaEditor ParseazaEticheta(const QString &etichetaEditor);

// The class of a profile list: its class-level answers and its constructor.
class TClasaListaProfilDiploma
{
public:
    virtual ~TClasaListaProfilDiploma() = default;

    virtual QString NumeClasa() const = 0;
    // The database file's name without its extension.
    virtual QString NumeBazaDeDate() const = 0;
    // Display expression of one candidate, such as "{FORMULAR.PAG.CAMP}".
    virtual QString ListaCampuriElev() const;
    // Display expression of one record of the generic record list.
    virtual QString ListaCampuriGeneric() const;
    virtual std::unique_ptr<TListaLiniiProfilDiploma> Creeaza() const = 0;
};
