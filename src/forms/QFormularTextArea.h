#pragma once

#include <functional>

#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "forms/DirectorModificari.h"
#include "forms/DocumentFormular.h"
#include "forms/FontFormular.h"
#include "forms/MasuriFormular.h"

class IDispozitivImprimanta;
class TFormularDePrintat;
struct TParticularizareTextArea;

// One rectangle of a printable page on the screen, showing one piece of text:
// the view of a text zone of the document (TZonaText), which holds its place
// in millimetres from the top-left corner of the sheet, its field and its
// text. The same millimetres place it on the zoomed screen and on the
// printer. The text is drawn on one line, bottom-aligned, shrunk until it
// fits the width.
class TFormularTextArea : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double _Top READ _Top WRITE Set_Top)
    Q_PROPERTY(double _Left READ _Left WRITE Set_Left)
    Q_PROPERTY(double _Width READ _Width WRITE Set_Width)
    Q_PROPERTY(double _Height READ _Height WRITE Set_Height)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(double p_zoom READ p_zoom WRITE Setp_zoom)
    Q_PROPERTY(double p_dpi READ p_dpi WRITE Setp_dpi)
    Q_PROPERTY(double ZoomLock READ ZoomLock WRITE SetZoomLock)
    Q_PROPERTY(QString Denumire1 READ Denumire1 WRITE SetDenumire1)
    Q_PROPERTY(QString Denumire2 READ Denumire2 WRITE SetDenumire2)
    Q_PROPERTY(QString Denumire3 READ Denumire3 WRITE SetDenumire3)
    Q_PROPERTY(QStringList SursaText READ SursaText WRITE SetSursaText)

public:
    // An area with a zone of its own, added to the page it is created on.
    explicit TFormularTextArea(QWidget *parent = nullptr, const QString &nume = QString());
    // The view of an existing zone of the page's document.
    TFormularTextArea(TFormularDePrintat *pagina, TZonaText *zona);
    ~TFormularTextArea() override;

    TZonaText &Zona() const { return *m_zona; }

    // Millimetres. Setting them does not move the area on screen: a caller
    // that changes them calls ZoomChanged() afterwards.
    double _Top() const { return m_zona->_Top(); }
    double _Left() const { return m_zona->_Left(); }
    double _Width() const { return m_zona->_Width(); }
    double _Height() const { return m_zona->_Height(); }
    void Set_Top(double mm);
    void Set_Left(double mm);
    void Set_Width(double mm);
    void Set_Height(double mm);

    const QString &Text() const { return m_zona->Text(); }
    void SetText(const QString &text) { m_zona->SetText(text); }
    const QString &Caption() const { return m_zona->Text(); }
    void SetCaption(const QString &text) { SetText(text); }

    // None means no text is drawn.
    TFontFormular *Font() const { return m_zona->Font(); }
    void SetFont(TFontFormular *font) { m_zona->SetFont(font); }

    // The zoom of the page this area sits on (100 when it sits on none); writing zooms the page.
    double p_zoom() const;
    void Setp_zoom(double zoom);
    // The page's screen resolution (96 when it sits on none); writing has no effect.
    double p_dpi() const;
    void Setp_dpi(double) {}

    // The zoom at which the millimetres were last taken from the pixel bounds.
    double ZoomLock() const { return m_zoomLock; }
    void SetZoomLock(double zoom) { m_zoomLock = zoom; }

    const QStringList &Log() const { return m_zona->Log(); }

    TAliniere Alignment() const { return m_zona->Alignment(); }
    void SetAlignment(TAliniere aliniere) { m_zona->SetAlignment(aliniere); }

    const QString &Denumire1() const { return m_zona->Denumire1(); }
    const QString &Denumire2() const { return m_zona->Denumire2(); }
    const QString &Denumire3() const { return m_zona->Denumire3(); }
    void SetDenumire1(const QString &v) { m_zona->SetDenumire1(v); }
    void SetDenumire2(const QString &v) { m_zona->SetDenumire2(v); }
    void SetDenumire3(const QString &v) { m_zona->SetDenumire3(v); }

    // Where the text came from, line by line.
    const QStringList &SursaText() const { return m_zona->SursaText(); }
    void SetSursaText(const QStringList &linii) { m_zona->SetSursaText(linii); }

    // Whether the area is shown; a hidden area is still printed.
    bool Visible() const { return m_zona->Visible(); }
    void SetVisible(bool vizibil) { m_zona->SetVisible(vizibil); }

    // The _Top the area had before the grade formatting first moved it.
    double SavedTop() const { return m_zona->SavedTop(); }
    bool SavedTopMemorat() const { return m_zona->SavedTopMemorat(); }
    void SetSavedTop(double mm) { m_zona->SetSavedTop(mm); }
    // Remembers the current _Top, unless one has been remembered before.
    void MemoreazaSavedTop() { m_zona->MemoreazaSavedTop(); }

    // While set, the area is being built from design data and outside resizes are not taken over.
    void SetIncarcare(bool seIncarca) { m_incarcare = seIncarca; }

    bool MouseOver() const { return m_mouseOver; }
    // Outlined in red on the screen (never on paper): its text would print
    // too small to read.
    bool Semnalata() const { return m_semnalata; }
    void SetSemnalata(bool semnalata);
    void SetMouseOver(bool peste);

    // The page the area sits on, or none.
    TFormularDePrintat *Suprafata() const;
    // The window that holds the area.
    QWidget *Proprietar() const;
    // The area's customisation, with its font resolved among the window's fonts.
    TParticularizareTextArea *Particularizare(bool creeaza) const;

    // Puts the area on its millimetres at the page's zoom.
    void ApplyZoom();

    virtual void ZoomChanged();
    // Prints the area. Lengths are millimetres; the provider and the page
    // size are accepted and not used.
    virtual void PrintTo(IDispozitivImprimanta &dispozitiv, bool oglindit, TDirectorModificari &director,
                         double latimePagina, double inaltimePagina, double deplasareVerticala,
                         double deplasareOrizontala);

signals:
    // A click on the area; the window that shows it decides what follows
    // (the preview opens the text-area dialog).
    void Click(TFormularTextArea *arie);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void Leaga();
    void SchimbareLimite();

    // Gone only while the page or the document is being destroyed.
    QPointer<TZonaText> m_zona;
    // The zone was made for this area and goes with it.
    bool m_zonaProprie = false;
    double m_zoomLock = 0;
    bool m_zooming = false; // pixel bounds are being derived from millimetres
    bool m_sizing = false;  // millimetres are being derived from pixel bounds
    bool m_incarcare = false;
    bool m_mouseOver = false;
    bool m_semnalata = false;
    // The bounds ApplyZoom last gave; Qt may report them later, when the area is shown.
    QRect m_limiteAplicate;
};
