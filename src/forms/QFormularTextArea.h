#pragma once

#include <functional>

#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "forms/DirectorModificari.h"
#include "forms/FontFormular.h"
#include "forms/MasuriFormular.h"

class IDispozitivImprimanta;
class TFormularDePrintat;
struct TParticularizareTextArea;

// One rectangle of a printable page that shows one piece of text. Its place
// is held in millimetres from the top-left corner of the sheet, and the same
// millimetres place it on the zoomed screen and on the printer. The text is
// drawn on one line, bottom-aligned, shrunk until it fits the width.
class TFormularTextArea : public QWidget, public IUtilizatorFontFormular
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
    explicit TFormularTextArea(QWidget *parent = nullptr, const QString &nume = QString());
    ~TFormularTextArea() override;

    // Millimetres. Setting them does not move the area on screen: a caller
    // that changes them calls ZoomChanged() afterwards.
    double _Top() const { return m_top; }
    double _Left() const { return m_left; }
    double _Width() const { return m_width; }
    double _Height() const { return m_height; }
    void Set_Top(double mm);
    void Set_Left(double mm);
    void Set_Width(double mm);
    void Set_Height(double mm);

    const QString &Text() const { return m_text; }
    void SetText(const QString &text);
    const QString &Caption() const { return m_text; }
    void SetCaption(const QString &text) { SetText(text); }

    // None means no text is drawn.
    TFontFormular *Font() const { return m_font; }
    void SetFont(TFontFormular *font);

    // The zoom of the page this area sits on (100 when it sits on none); writing zooms the page.
    double p_zoom() const;
    void Setp_zoom(double zoom);
    // The page's screen resolution (96 when it sits on none); writing has no effect.
    double p_dpi() const;
    void Setp_dpi(double) {}

    // The zoom at which the millimetres were last taken from the pixel bounds.
    double ZoomLock() const { return m_zoomLock; }
    void SetZoomLock(double zoom) { m_zoomLock = zoom; }

    const QStringList &Log() const { return m_log; }

    TAliniere Alignment() const { return m_alignment; }
    void SetAlignment(TAliniere aliniere) { m_alignment = aliniere; }

    const QString &Denumire1() const { return m_denumire1; }
    const QString &Denumire2() const { return m_denumire2; }
    const QString &Denumire3() const { return m_denumire3; }
    void SetDenumire1(const QString &v) { m_denumire1 = v; }
    void SetDenumire2(const QString &v) { m_denumire2 = v; }
    void SetDenumire3(const QString &v) { m_denumire3 = v; }

    // Where the text came from, line by line.
    const QStringList &SursaText() const { return m_sursaText; }
    void SetSursaText(const QStringList &linii) { m_sursaText = linii; }

    // Whether the area is shown; a hidden area is still printed.
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool vizibil) { setVisible(vizibil); }

    // The _Top the area had before the grade formatting first moved it.
    double SavedTop() const { return m_savedTop; }
    bool SavedTopMemorat() const { return m_savedTopMemorat; }
    void SetSavedTop(double mm);
    // Remembers the current _Top, unless one has been remembered before.
    void MemoreazaSavedTop();

    // While set, the area is being built from design data and outside resizes are not taken over.
    void SetIncarcare(bool seIncarca) { m_incarcare = seIncarca; }

    bool MouseOver() const { return m_mouseOver; }
    void SetMouseOver(bool peste);

    // The page the area sits on, or none.
    TFormularDePrintat *Suprafata() const;
    // The window that holds the area: its name keys the customisations.
    QWidget *Proprietar() const;
    // The area's customisation, with its font resolved among the window's fonts.
    TParticularizareTextArea *Particularizare(bool creeaza) const;

    // Puts the area on its millimetres at the page's zoom.
    void ApplyZoom();

    void FontChanged() override;
    void FontReleased() override;
    virtual void ZoomChanged();
    // Prints the area. Lengths are millimetres; the provider and the page
    // size are accepted and not used.
    virtual void PrintTo(IDispozitivImprimanta &dispozitiv, bool oglindit, TDirectorModificari &director,
                         double latimePagina, double inaltimePagina, double deplasareVerticala,
                         double deplasareOrizontala);

    // What a click on any text area does (the text-area dialog); set once by the program.
    static void SetActiuneClic(std::function<void(TFormularTextArea &)> actiune);

signals:
    void Click(TFormularTextArea *arie);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void SchimbareLimite();

    double m_top = 0;
    double m_left = 0;
    double m_width = 0;
    double m_height = 0;
    QString m_text;
    TFontFormular *m_font = nullptr;
    double m_zoomLock = 0;
    QStringList m_log;
    TAliniere m_alignment = TAliniere::Stanga;
    QString m_denumire1;
    QString m_denumire2;
    QString m_denumire3;
    QStringList m_sursaText;
    bool m_zooming = false; // pixel bounds are being derived from millimetres
    bool m_sizing = false;  // millimetres are being derived from pixel bounds
    bool m_incarcare = false;
    bool m_mouseOver = false;
    double m_savedTop = 0;
    bool m_savedTopMemorat = false;
    // The bounds ApplyZoom last gave; Qt may report them later, when the area is shown.
    QRect m_limiteAplicate;
};
