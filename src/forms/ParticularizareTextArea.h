#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QPointer>
#include <QString>

#include "forms/FontFormular.h"
#include "forms/MasuriFormular.h"

// The user's adjustment of one text area, kept apart from the design data:
// keyed by the name of the window that holds the area and the area's name.
struct TParticularizareTextArea
{
    QString NumeProprietar;
    QString NumeArie;
    int Aliniere = 0;            // 0 as designed, 1 left, 2 centre, 3 right
    int DeplasareOrizontala = 0; // -1 half a millimetre left, +1 right
    int DeplasareVerticala = 0;  // -1 half a millimetre up, +1 down
    QString NumeFont;            // a font of the same window to use instead, or empty
    QString TextInlocuitor;      // text shown instead of the filled one, or empty
    int Italic = 0;              // 0 as designed, 1 italic, 2 upright
    int Bold = 0;                // 0 as designed, 1 bold, 2 normal
    QString Familie;             // typeface to use instead, or empty

    // The font found under NumeFont at the last lookup; never stored.
    QPointer<TFontFormular> Font;

    bool operator==(const TParticularizareTextArea &alta) const;
};

// The owning list of all customisations and the file "licenta.lic" that
// keeps them: tagged values of the component-streaming encoding, no header.
class TListaParticularizareTextArea
{
public:
    // A list kept in the given file; nothing is read until Load.
    explicit TListaParticularizareTextArea(QString cale = QString());
    // Saves to its own file, when it has one and holds records; a failure
    // here is only logged.
    ~TListaParticularizareTextArea();

    TListaParticularizareTextArea(const TListaParticularizareTextArea &) = delete;
    TListaParticularizareTextArea &operator=(const TListaParticularizareTextArea &) = delete;

    const QString &Cale() const { return m_cale; }
    int Count() const { return int(m_inregistrari.size()); }
    TParticularizareTextArea &Item(int index) { return *m_inregistrari.at(size_t(index)); }

    // The last record with both names (exact comparison). When there is none
    // and `creeaza` is set, an all-default record is appended and the whole
    // list saved at once.
    TParticularizareTextArea *Find(const QString &numeProprietar, const QString &numeArie, bool creeaza);

    // Writes the whole list anew; the old file is replaced only once the new
    // one is complete.
    void Save(const QString &cale) const;
    void SaveList() const;
    // Appends the records of a file: all of them, or none when the file is damaged.
    void Load(const QString &cale);

    QByteArray Codifica() const;
    // The records of a file's bytes; `nume` names the file in error messages.
    static std::vector<TParticularizareTextArea> Decodifica(const QByteArray &octeti, const QString &nume);

    // Refuses to save over the file: used when a damaged file could not be kept aside.
    void ProtejeazaFisierul() { m_protejat = true; }

private:
    QString m_cale;
    std::vector<std::unique_ptr<TParticularizareTextArea>> m_inregistrari;
    bool m_protejat = false;
};

// The program's list, created on first use from "licenta.lic" in the data
// folder. A damaged file is kept aside as "licenta.lic.deteriorat", reported
// once, and the program goes on with an empty list.
TListaParticularizareTextArea &CustomisationList();
// How the program's list is opened from its file (the same rules, for any path).
std::unique_ptr<TListaParticularizareTextArea> DeschideListaParticularizari(const QString &cale);
// Installs a list in place of the program's (nullptr restores it); the caller
// keeps ownership. Tests use it to work on files of their own.
void InstaleazaListaParticularizari(TListaParticularizareTextArea *lista);

// Text, font and alignment in effect for a text area, once its customisation is applied.
struct TAspectText
{
    QString Text;
    TFontFormular *Font = nullptr;
    TAliniere Aliniere = TAliniere::Stanga;
    int Grosime = 400;
    bool Italic = false;
    QString Familie;
};
TAspectText AspectEfectiv(const QString &text, TFontFormular *font, TAliniere aliniere,
                          const TParticularizareTextArea *particularizare);

// The device font of an aspect at a cell height, turned by 180° when mirrored.
TCerereFont CerereFont(const TAspectText &aspect, int inaltimeCelula, bool oglindit);
