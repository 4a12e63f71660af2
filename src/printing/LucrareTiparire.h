#pragma once

#include <functional>

#include <QString>

#include "printing/DispozitivImprimanta.h"
#include "printing/UAllStuffReg.h"

class TPaginaFormular;

// The margins of one side, in millimetres.
struct TMargini
{
    double Stanga = 0;
    double Sus = 0;
};

// The print job's decisions, in one place for the preview, the command line
// and the printer wizard: how the sheet is set up, the job's title, the
// stored margins and the default turn of each side, and when a page prints
// at all. It reads the print settings it is given once.
class TLucrareTiparire
{
public:
    // `cereExpertul` false: a printer never set up by the wizard prints the
    // page upright, as a PDF from the command line does; true: it prints
    // nothing until the wizard has found out how the printer feeds the card.
    explicit TLucrareTiparire(const TValoriSetariImprimanta &setari, bool cereExpertul = true);

    // A4, high quality, monochrome: landscape for certificates, portrait for
    // the wizard's test pages.
    static TSetariDispozitiv Foaie(bool portret);
    // The job title of a printed side.
    static QString Titlu(int side);
    // One document on the device: begun under the title, drawn, and ended
    // whatever happens (also after an error while drawing, which is raised).
    static void Document(IDispozitivImprimanta &dispozitiv, const QString &titlu,
                         const std::function<void()> &deseneaza);
    // Whether a side prints turned by 180° unless the user says otherwise:
    // the choice stored for the side, or, never chosen, exactly when one of
    // "it is the back" and "the feed mode turns the page" (1 or 3) holds.
    static bool IntoarsaImplicit(const TValoriSetariImprimanta &setari, int side);

    // At start: the printer the wizard chose, when it is still installed.
    static void SelecteazaImprimantaSalvata(IDispozitivImprimanta &dispozitiv,
                                            const TValoriSetariImprimanta &setari);

    bool Configurata() const { return m_setari.Configured; }
    bool IntoarsaImplicit(int side) const { return IntoarsaImplicit(m_setari, side); }
    // The margins last used for the side.
    TMargini Margini(int side) const;

    // Prints one page of a filled document as one document of the device
    // (whose sheet the caller has set up): every zone at its millimetres
    // shifted by the margins, turned when asked. A front page prints its
    // zones only once the feed mode is known (1 to 4).
    void TiparestePagina(IDispozitivImprimanta &dispozitiv, TPaginaFormular &pagina, int side, bool intoarsa,
                         const TMargini &margini) const;
    // A proof on plain paper: the page as TiparestePagina prints it, with the
    // outline of every zone, the card's rulers and corner crosses; printed
    // whether or not the feed mode is known.
    void TiparesteProba(IDispozitivImprimanta &dispozitiv, TPaginaFormular &pagina, int side, bool intoarsa,
                        const TMargini &margini) const;
    // Several certificates in one document, a page each: `pregateste(i)`
    // readies the page of the i-th (0-based) and is asked, before each page
    // after the first, whether to go on. Stopping ends the document with the
    // pages printed so far. Returns how many pages were printed.
    int TiparestePaginile(IDispozitivImprimanta &dispozitiv, int numar,
                          const std::function<TPaginaFormular &(int)> &pregateste,
                          const std::function<bool(int)> &continua, int side, bool intoarsa,
                          const TMargini &margini) const;

private:
    TValoriSetariImprimanta m_setari;
    int m_feedMode;
};
