#include "forms/QFormularTextArea.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/FormularDePrintat.h"
#include "forms/ParticularizareTextArea.h"
#include "printing/DispozitivImprimanta.h"
#include "comun/Actiune.h"

namespace {
std::function<void(TFormularTextArea &)> g_actiuneClic;
}

TFormularTextArea::TFormularTextArea(QWidget *parent, const QString &nume) : QWidget(parent)
{
    setObjectName(nume);
    setCursor(Qt::PointingHandCursor);
    // Areas are visible unless hidden; Qt would leave one added to a page already on screen hidden.
    if (parent && parent->isVisible())
        show();
}

TFormularTextArea::~TFormularTextArea()
{
    if (m_font)
        m_font->RemoveTextArea(this);
}

void TFormularTextArea::Set_Top(double mm)
{
    if (!m_sizing)
        m_top = mm;
}

void TFormularTextArea::Set_Left(double mm)
{
    if (!m_sizing)
        m_left = mm;
}

void TFormularTextArea::Set_Width(double mm)
{
    if (!m_sizing)
        m_width = mm;
}

void TFormularTextArea::Set_Height(double mm)
{
    if (!m_sizing)
        m_height = mm;
}

void TFormularTextArea::SetText(const QString &text)
{
    m_text = text;
    update();
}

void TFormularTextArea::SetFont(TFontFormular *font)
{
    if (m_font)
        m_font->RemoveTextArea(this);
    m_font = font;
    if (m_font)
        m_font->AddTextArea(this);
    update();
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

void TFormularTextArea::SetSavedTop(double mm)
{
    m_savedTop = mm;
    m_savedTopMemorat = true;
}

void TFormularTextArea::MemoreazaSavedTop()
{
    if (!m_savedTopMemorat)
        SetSavedTop(m_top);
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
    const QWidget *proprietar = Proprietar();
    TParticularizareTextArea *p =
        CustomisationList().Find(proprietar ? proprietar->objectName() : QString(), objectName(), creeaza);
    if (p) {
        TFontFormular *font = nullptr;
        if (proprietar && !p->NumeFont.isEmpty())
            for (TFontFormular *f : proprietar->findChildren<TFontFormular *>())
                if (f->objectName() == p->NumeFont) {
                    font = f;
                    break;
                }
        p->Font = font;
    }
    return p;
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
    m_limiteAplicate = QRect(MmToPixels(dpi, m_left), MmToPixels(dpi, m_top), MmToPixels(dpi, m_width),
                             MmToPixels(dpi, m_height));
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
        m_top = PixelsToMm(y(), dpi);
        m_left = PixelsToMm(x(), dpi);
        m_width = PixelsToMm(width(), dpi);
        m_height = PixelsToMm(height(), dpi);
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

void TFormularTextArea::FontChanged()
{
    update();
}

void TFormularTextArea::FontReleased()
{
    m_font = nullptr;
}

void TFormularTextArea::ZoomChanged()
{
    ApplyZoom();
    update();
}

void TFormularTextArea::paintEvent(QPaintEvent *)
{
    const TAspectText aspect = AspectEfectiv(m_text, m_font, m_alignment, Particularizare(false));
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
    Q_UNUSED(director);
    Q_UNUSED(latimePagina);
    Q_UNUSED(inaltimePagina);
    const TParticularizareTextArea *c = Particularizare(false);
    const TAspectText aspect = AspectEfectiv(m_text, m_font, m_alignment, c);
    if (!aspect.Font)
        return;
    const double stanga = m_left + deplasareOrizontala + 0.5 * (c ? c->DeplasareOrizontala : 0);
    const double sus = m_top + deplasareVerticala + 0.5 * (c ? c->DeplasareVerticala : 0);
    TiparesteText(dispozitiv, CerereFont(aspect, 1, oglindit), aspect.Font->Size(), aspect.Text,
                  aspect.Aliniere, stanga, sus, m_width, m_height, oglindit);
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
    if (g_actiuneClic)
        RuleazaActiune([this] { g_actiuneClic(*this); });
}

void TFormularTextArea::SetActiuneClic(std::function<void(TFormularTextArea &)> actiune)
{
    g_actiuneClic = std::move(actiune);
}
