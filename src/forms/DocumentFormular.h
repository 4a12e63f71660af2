#pragma once

#include <functional>

#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "forms/DirectorModificari.h"
#include "forms/FontFormular.h"
#include "forms/MasuriFormular.h"

class IDispozitivImprimanta;
class TPaginaFormular;
class TDocumentFormular;
struct TParticularizareTextArea;

// One text area of a printable page, without any window: its place in
// millimetres from the top-left corner of the sheet, the field it prints
// (Denumire1..3), the text filling put in it, whether it is shown, and the
// place it had before a grade's formatting first moved it. The preview's
// TFormularTextArea draws it on the screen; the printer draws it from here.
class TZonaText : public QObject, public IUtilizatorFontFormular
{
    Q_OBJECT

public:
    // A zone of the page, appended after its other zones.
    TZonaText(TPaginaFormular *pagina, const QString &nume);
    ~TZonaText() override;

    TPaginaFormular *Pagina() const;

    // Millimetres. Setting them tells no view: whoever moves a zone calls
    // ZoomChanged() once it is done, and the views place it anew.
    double _Top() const { return m_top; }
    double _Left() const { return m_left; }
    double _Width() const { return m_width; }
    double _Height() const { return m_height; }
    void Set_Top(double mm) { m_top = mm; }
    void Set_Left(double mm) { m_left = mm; }
    void Set_Width(double mm) { m_width = mm; }
    void Set_Height(double mm) { m_height = mm; }
    void ZoomChanged() { emit Repozitionata(); }

    const QString &Text() const { return m_text; }
    void SetText(const QString &text);

    // None means no text is drawn.
    TFontFormular *Font() const { return m_font; }
    void SetFont(TFontFormular *font);

    TAliniere Alignment() const { return m_alignment; }
    void SetAlignment(TAliniere aliniere);

    const QString &Denumire1() const { return m_denumire1; }
    const QString &Denumire2() const { return m_denumire2; }
    const QString &Denumire3() const { return m_denumire3; }
    void SetDenumire1(const QString &v) { m_denumire1 = v; }
    void SetDenumire2(const QString &v) { m_denumire2 = v; }
    void SetDenumire3(const QString &v) { m_denumire3 = v; }

    // Where the text came from, line by line.
    const QStringList &SursaText() const { return m_sursaText; }
    void SetSursaText(const QStringList &linii) { m_sursaText = linii; }

    const QStringList &Log() const { return m_log; }

    // Whether the zone is shown; a hidden zone is still printed.
    bool Visible() const { return m_vizibil; }
    void SetVisible(bool vizibil);

    // The _Top the zone had before the grade formatting first moved it.
    double SavedTop() const { return m_savedTop; }
    bool SavedTopMemorat() const { return m_savedTopMemorat; }
    void SetSavedTop(double mm);
    // Remembers the current _Top, unless one has been remembered before.
    void MemoreazaSavedTop();

    // Whose customisations apply: the document the zone belongs to; for a
    // page outside any document, the owner its view names (the window that
    // shows it), else the outermost object that holds it. Its name keys the
    // customisations; its fonts are the ones a customisation may choose.
    QObject *Proprietar() const;
    // The zone's customisation, with its font resolved among the owner's fonts.
    TParticularizareTextArea *Particularizare(bool creeaza) const;

    // Prints the zone. Lengths are millimetres; the provider and the page
    // size are accepted and not used.
    void PrintTo(IDispozitivImprimanta &dispozitiv, bool oglindit, TDirectorModificari &director,
                 double latimePagina, double inaltimePagina, double deplasareVerticala,
                 double deplasareOrizontala);
    // Where the zone prints, in millimetres from the sheet's corner: its own
    // place shifted by the offsets and by its customisation's half-millimetre nudges.
    QRectF LocTiparireMm(double deplasareVerticala, double deplasareOrizontala) const;

    void FontChanged() override { emit Schimbata(); }
    void FontReleased() override { m_font = nullptr; }

signals:
    // Text, font, alignment or visibility changed: the views draw it anew.
    void Schimbata();
    // The millimetres changed: the views place it anew.
    void Repozitionata();

private:
    double m_top = 0;
    double m_left = 0;
    double m_width = 0;
    double m_height = 0;
    QString m_text;
    TFontFormular *m_font = nullptr;
    TAliniere m_alignment = TAliniere::Stanga;
    QString m_denumire1;
    QString m_denumire2;
    QString m_denumire3;
    QStringList m_sursaText;
    QStringList m_log;
    bool m_vizibil = true;
    double m_savedTop = 0;
    bool m_savedTopMemorat = false;
};

// One page of a printable document: its size in millimetres, the offsets its
// own print adds, the scan of the blank card shown behind it on the screen,
// and its text zones in order.
class TPaginaFormular : public QObject
{
    Q_OBJECT

public:
    explicit TPaginaFormular(QObject *parinte = nullptr, const QString &nume = QString());

    double Latime() const { return m_latime; }
    double Inaltime() const { return m_inaltime; }
    void SetLatime(double mm) { m_latime = mm; }
    void SetInaltime(double mm) { m_inaltime = mm; }
    const QString &DenumireFormular() const { return m_denumire; }
    void SetDenumireFormular(const QString &v) { m_denumire = v; }
    double DeltaStanga() const { return m_deltaStanga; }
    double DeltaSus() const { return m_deltaSus; }
    void SetDeltaStanga(double mm) { m_deltaStanga = mm; }
    void SetDeltaSus(double mm) { m_deltaSus = mm; }
    // The picture of the blank card, a file beside the executable; only the screen shows it.
    const QString &Fundal() const { return m_fundal; }
    void SetFundal(const QString &fisier) { m_fundal = fisier; }

    // For a page that belongs to no document: who owns its zones' customisations.
    void SetProprietar(std::function<QObject *()> proprietar) { m_proprietar = std::move(proprietar); }
    QObject *ProprietarNumit() const { return m_proprietar ? m_proprietar() : nullptr; }

    // The zones in order.
    QList<TZonaText *> TextAreas() const;
    // The zone named "FormularTextArea<n>", or none.
    TZonaText *FindTextArea(int n) const;
    // The largest number in the names of the "FormularTextArea..." zones; 0 when there is none.
    int MaxTextAreaNumber() const;

    // Prints every zone, visible or hidden, shifted by the offsets and by
    // this page's own deltas (mm). The caller opens and ends the document.
    void PrintAll(IDispozitivImprimanta &dispozitiv, bool oglindit, TDirectorModificari &director,
                  double deplasareOrizontala, double deplasareVerticala);
    // What a proof on plain paper adds to PrintAll: a thin outline of every
    // zone, a millimetre ruler along the card's top and left edges and a
    // cross at each of its corners, shifted and turned as the zones are.
    void PrintProba(IDispozitivImprimanta &dispozitiv, bool oglindit, double deplasareOrizontala,
                    double deplasareVerticala);

private:
    double m_latime = 10.0;
    double m_inaltime = 10.0;
    QString m_denumire;
    double m_deltaStanga = 0;
    double m_deltaSus = 0;
    QString m_fundal;
    std::function<QObject *()> m_proprietar;
};

// A printable document: its named fonts and its pages. Its name keys the
// user's customisations of its text areas ("PrintCertificatAcordare").
class TDocumentFormular : public QObject
{
    Q_OBJECT

public:
    explicit TDocumentFormular(const QString &nume, QObject *parinte = nullptr);

    QList<TPaginaFormular *> Pagini() const;
    TPaginaFormular *Pagina(int index) const { return Pagini().value(index); }
    // The font of that name, or none.
    TFontFormular *Font(const QString &nume) const;
};
