#include "forms/QFormularTextArea.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/FormularDePrintat.h"
#include "forms/ParticularizareTextArea.h"
#include "printing/DispozitivImprimanta.h"

TFormularTextArea::TFormularTextArea(QWidget *parent, const QString &nume) : QWidget(parent)
{
    // On a page the zone joins the page's document model; elsewhere it stays the area's own.
    auto *pagina = qobject_cast<TFormularDePrintat *>(parent);
    m_zona = pagina ? new TZonaText(&pagina->Model(), nume) : new TZonaText(nullptr, nume);
    if (!pagina)
        m_zona->setParent(this);
    m_zonaProprie = true;
    Leaga();
}

TFormularTextArea::TFormularTextArea(TFormularDePrintat *pagina, TZonaText *zona)
    : QWidget(pagina), m_zona(zona)
{
    Leaga();
}

TFormularTextArea::~TFormularTextArea()
{
    if (m_zonaProprie && m_zona && m_zona->parent() != this)
        delete m_zona.data();
}

void TFormularTextArea::Leaga()
{
    setObjectName(m_zona->objectName());
    setCursor(Qt::PointingHandCursor);
    connect(m_zona, &TZonaText::Schimbata, this, [this] {
        // A page's areas follow their zone; Qt would leave one added to a page already on screen hidden.
        if (parentWidget() && isHidden() == m_zona->Visible())
            setVisible(m_zona->Visible());
        update();
    });
    connect(m_zona, &TZonaText::Repozitionata, this, &TFormularTextArea::ZoomChanged);
    if (parentWidget() && parentWidget()->isVisible() && m_zona->Visible())
        show();
    else if (parentWidget() && !m_zona->Visible())
        hide();
}

void TFormularTextArea::Set_Top(double mm)
{
    if (!m_sizing)
        m_zona->Set_Top(mm);
}

void TFormularTextArea::Set_Left(double mm)
{
    if (!m_sizing)
        m_zona->Set_Left(mm);
}

void TFormularTextArea::Set_Width(double mm)
{
    if (!m_sizing)
        m_zona->Set_Width(mm);
}

void TFormularTextArea::Set_Height(double mm)
{
    if (!m_sizing)
        m_zona->Set_Height(mm);
}

TFormularDePrintat *TFormularTextArea::Suprafata() const
{
    return qobject_cast<TFormularDePrintat *>(parentWidget());
}

double TFormularTextArea::p_zoom() const
{
    const TFormularDePrintat *s = Suprafata();
    return s ? s->Zoom() : 100.0;
}

void TFormularTextArea::Setp_zoom(double zoom)
{
    if (TFormularDePrintat *s = Suprafata())
        s->SetZoom(zoom);
}

double TFormularTextArea::p_dpi() const
{
    const TFormularDePrintat *s = Suprafata();
    return s ? s->ScreenDpi() : 96.0;
}

void TFormularTextArea::SetMouseOver(bool peste)
{
    m_mouseOver = peste;
    update();
}

QWidget *TFormularTextArea::Proprietar() const
{
    return window();
}

TParticularizareTextArea *TFormularTextArea::Particularizare(bool creeaza) const
{
    return m_zona->Particularizare(creeaza);
}

void TFormularTextArea::ApplyZoom()
{
    struct Garda
    {
        bool &b;
        ~Garda() { b = false; }
    } garda{m_zooming};
    m_zooming = true;
    const double dpi = p_dpi();
    m_limiteAplicate = QRect(MmToPixels(dpi, m_zona->_Left()), MmToPixels(dpi, m_zona->_Top()),
                             MmToPixels(dpi, m_zona->_Width()), MmToPixels(dpi, m_zona->_Height()));
    setGeometry(m_limiteAplicate);
}

void TFormularTextArea::SchimbareLimite()
{
    // Bounds that ApplyZoom gave are its own, even when Qt reports them late
    // (an area that was hidden hears of them only when it is shown).
    if (m_zooming || m_incarcare || geometry() == m_limiteAplicate) {
        update();
        return;
    }
    const double z = p_zoom();
    if (z != m_zoomLock && m_zoomLock != 0) {
        ApplyZoom();
    } else {
        m_sizing = true;
        const double dpi = p_dpi();
        m_zona->Set_Top(PixelsToMm(y(), dpi));
        m_zona->Set_Left(PixelsToMm(x(), dpi));
        m_zona->Set_Width(PixelsToMm(width(), dpi));
        m_zona->Set_Height(PixelsToMm(height(), dpi));
        m_sizing = false;
        m_zoomLock = z;
        m_limiteAplicate = geometry();
    }
    update();
}

void TFormularTextArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SchimbareLimite();
}

void TFormularTextArea::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    SchimbareLimite();
}

void TFormularTextArea::SetSemnalata(bool semnalata)
{
    if (semnalata == m_semnalata)
        return;
    m_semnalata = semnalata;
    update();
}

void TFormularTextArea::ZoomChanged()
{
    ApplyZoom();
    update();
}

void TFormularTextArea::paintEvent(QPaintEvent *)
{
    const TAspectText aspect = AspectEfectiv(Text(), Font(), Alignment(), Particularizare(false));
    const TFormularDePrintat *suprafata = Suprafata();
    QPainter painter(this);
    if (!suprafata || !suprafata->TextAreaTransparent())
        painter.fillRect(rect(), Qt::white);
    if (m_mouseOver)
        painter.fillRect(rect(), palette().color(QPalette::Highlight));

    TMetriciText masura;
    if (aspect.Font) {
        TSuprafataTextQt text(painter);
        text.SetCuloare(m_mouseOver ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        const int celula = InaltimeCelulaEcran(p_dpi(), aspect.Font->Size());
        masura = AlegeFontul(text, CerereFont(aspect, celula, false), aspect.Text, width());
        text.DeseneazaText(
            QPoint(StangaText(aspect.Aliniere, width(), masura.Latime), height() - masura.Inaltime), rect(),
            aspect.Text);
    }
    if (suprafata && suprafata->TextAreaWithBorder()) {
        painter.setPen(Qt::black);
        const QPoint colturi[] = {{0, 0}, {width() - 1, 0}, {width() - 1, height() - 1}, {0, height() - 1}};
        painter.drawPolygon(colturi, 4);
    }
    if (m_semnalata) {
        painter.setPen(QPen(Qt::red, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (suprafata && aspect.Font) {
        const int y = height() - masura.Coborare;
        if (suprafata->TextAreaBaseLine1()) {
            painter.setPen(suprafata->TextAreaBaseLine1_color());
            painter.drawLine(0, y, width() - 1, y);
        }
        if (suprafata->TextAreaBaseLine2()) {
            const int y2 = y + MmToPixels(p_dpi(), suprafata->TextAreaBaseLine2_delta());
            painter.setPen(suprafata->TextAreaBaseLine2_color());
            painter.drawLine(0, y2, width() - 1, y2);
        }
    }
}

void TFormularTextArea::PrintTo(IDispozitivImprimanta &dispozitiv, bool oglindit,
                                TDirectorModificari &director, double latimePagina, double inaltimePagina,
                                double deplasareVerticala, double deplasareOrizontala)
{
    m_zona->PrintTo(dispozitiv, oglindit, director, latimePagina, inaltimePagina, deplasareVerticala,
                    deplasareOrizontala);
}

void TFormularTextArea::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    SetMouseOver(true);
}

void TFormularTextArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    SetMouseOver(false);
}

void TFormularTextArea::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    emit Click(this);
}
