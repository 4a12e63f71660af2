#include "forms/FormularDePrintat.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "forms/QFormularTextArea.h"

namespace {
const QString PrefixArie = QStringLiteral("FormularTextArea");
}

TFormularDePrintat::TFormularDePrintat(QWidget *parent, TPaginaFormular *pagina)
    : QWidget(parent), m_pagina(pagina)
{
    if (!m_pagina) {
        m_pagina = new TPaginaFormular(this);
        // Outside a document, the window that shows the page owns its customisations.
        m_pagina->SetProprietar([this]() -> QObject * { return window(); });
    }
    setAttribute(Qt::WA_OpaquePaintEvent);
    FitToPage();
}

TFormularDePrintat::~TFormularDePrintat()
{
    // The areas go before a page model of this view's own, whose zones they show.
    qDeleteAll(TextAreas());
}

double TFormularDePrintat::ScreenDpi() const
{
    return ::ScreenDpi(m_zoom);
}

void TFormularDePrintat::FitToPage()
{
    const double dpi = ScreenDpi();
    // A fixed size: layouts and outside resizes cannot take the surface off its millimetres.
    setFixedSize(MmToPixels(dpi, Latime()), MmToPixels(dpi, Inaltime()));
}

void TFormularDePrintat::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double dpi = ScreenDpi();
    const QSize cuvenit(MmToPixels(dpi, Latime()), MmToPixels(dpi, Inaltime()));
    if (size() != cuvenit)
        FitToPage();
}

void TFormularDePrintat::SetZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    FitToPage();
    for (TFormularTextArea *arie : TextAreas())
        arie->ZoomChanged();
    update();
}

void TFormularDePrintat::SetLatime(double mm)
{
    m_pagina->SetLatime(mm);
    FitToPage();
}

void TFormularDePrintat::SetInaltime(double mm)
{
    m_pagina->SetInaltime(mm);
    FitToPage();
}

void TFormularDePrintat::SetTextAreaTransparent(bool v)
{
    m_transparent = v;
    update();
}

void TFormularDePrintat::SetTextAreaWithBorder(bool v)
{
    m_chenar = v;
    update();
}

void TFormularDePrintat::SetTextAreaBaseLine1(bool v)
{
    m_baseLine1 = v;
    update();
}

void TFormularDePrintat::SetTextAreaBaseLine2(bool v)
{
    m_baseLine2 = v;
    update();
}

void TFormularDePrintat::SetTextAreaTopLine1(bool v)
{
    m_topLine1 = v;
    update();
}

void TFormularDePrintat::SetTextAreaTopLine2(bool v)
{
    m_topLine2 = v;
    update();
}

void TFormularDePrintat::SetTextAreaBaseLine1_color(const QColor &c)
{
    m_baseLine1Color = c;
    update();
}

void TFormularDePrintat::SetTextAreaBaseLine2_color(const QColor &c)
{
    m_baseLine2Color = c;
    update();
}

void TFormularDePrintat::SetTextAreaTopLine1_color(const QColor &c)
{
    m_topLine1Color = c;
    update();
}

void TFormularDePrintat::SetTextAreaTopLine2_color(const QColor &c)
{
    m_topLine2Color = c;
    update();
}

void TFormularDePrintat::SetTextAreaBaseLine2_delta(double mm)
{
    m_baseLine2Delta = mm;
    update();
}

void TFormularDePrintat::SetTextAreaTopLine1_delta(double mm)
{
    m_topLine1Delta = mm;
    update();
}

void TFormularDePrintat::SetBkImage(const QImage &imagine)
{
    m_cache = QImage();
    m_bkImage = imagine;
    update();
}

TFormularTextArea *TFormularDePrintat::FindTextArea(int n) const
{
    const QString nume = PrefixArie + QString::number(n);
    for (QObject *copil : children())
        if (copil->objectName() == nume)
            if (auto *arie = qobject_cast<TFormularTextArea *>(copil))
                return arie;
    return nullptr;
}

int TFormularDePrintat::MaxTextAreaNumber() const
{
    return m_pagina->MaxTextAreaNumber();
}

QList<TFormularTextArea *> TFormularDePrintat::TextAreas() const
{
    QList<TFormularTextArea *> arii;
    for (QObject *copil : children())
        if (auto *arie = qobject_cast<TFormularTextArea *>(copil))
            arii.append(arie);
    return arii;
}

void TFormularDePrintat::PrintAll(IDispozitivImprimanta &dispozitiv, bool oglindit,
                                  TDirectorModificari &director, double deplasareOrizontala,
                                  double deplasareVerticala)
{
    m_pagina->PrintAll(dispozitiv, oglindit, director, deplasareOrizontala, deplasareVerticala);
}

void TFormularDePrintat::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_bkImage.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    if (m_cache.size() != size())
        m_cache = m_bkImage.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect zona = event->rect();
    painter.drawImage(zona.topLeft(), m_cache, zona);
}
