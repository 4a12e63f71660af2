#include "printing/DispozitivImprimanta.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include "comun/Exceptie.h"

namespace {

// Qt sizes a font by its em; the printing code asks for the whole character
// cell, as the printers' own font service does. Scale by the typeface's own
// cell-to-em ratio, then step down until the cell is no taller than asked.
QFont FontDupaCelula(const TCerereFont &cerere, QPaintDevice *dispozitiv)
{
    QFont font(cerere.Familie);
    font.setWeight(QFont::Weight(std::clamp(cerere.Grosime, 1, 1000)));
    font.setItalic(cerere.Italic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStyleStrategy(QFont::PreferQuality);
    font.setKerning(false);

    const int celula = std::max(1, cerere.InaltimeCelula);
    constexpr int referinta = 1000;
    font.setPixelSize(referinta);
    const QFontMetricsF mare(font, dispozitiv);
    const double celulaReferinta = mare.ascent() + mare.descent();
    int pixeli = celulaReferinta > 0 ? qRound(celula * referinta / celulaReferinta) : celula;
    pixeli = std::max(1, pixeli);
    font.setPixelSize(pixeli);
    while (pixeli > 1 && QFontMetrics(font, dispozitiv).height() > celula) {
        --pixeli;
        font.setPixelSize(pixeli);
    }
    return font;
}

} // namespace

// ---------------------------------------------------------------------------

TSuprafataTextQt::TSuprafataTextQt(QPainter &painter) : m_painter(painter)
{}

void TSuprafataTextQt::SelecteazaFont(const TCerereFont &cerere)
{
    QPaintDevice *dispozitiv = m_painter.device();
    if (dispozitiv != m_dispozitiv) {
        m_fonturi.clear();
        m_dispozitiv = dispozitiv;
    }
    std::shared_ptr<TFontPregatit> &font =
        m_fonturi[TCheieFont{cerere.Familie, cerere.Grosime, cerere.Italic, cerere.InaltimeCelula}];
    if (!font) {
        const QFont f = FontDupaCelula(cerere, dispozitiv);
        font = std::make_shared<TFontPregatit>(TFontPregatit{f, QFontMetrics(f, dispozitiv), {}});
    }
    m_curent = font;
    m_painter.setFont(font->font);
    m_unghi = cerere.Unghi;
}

TMetriciText TSuprafataTextQt::MasoaraText(const QString &text)
{
    if (!m_curent || m_painter.device() != m_dispozitiv) {
        const QFontMetrics m(m_painter.font(), m_painter.device());
        return {m.horizontalAdvance(text), m.height(), m.descent()};
    }
    // Measured with the font selected last; kept within bounds over a long print.
    constexpr qsizetype kMasuriPastrate = 4096;
    auto masura = m_curent->masuri.constFind(text);
    if (masura != m_curent->masuri.cend())
        return *masura;
    if (m_curent->masuri.size() >= kMasuriPastrate)
        m_curent->masuri.clear();
    const QFontMetrics &m = m_curent->metrici;
    const TMetriciText rezultat{m.horizontalAdvance(text), m.height(), m.descent()};
    m_curent->masuri.insert(text, rezultat);
    return rezultat;
}

void TSuprafataTextQt::DeseneazaText(QPoint punct, const QRect &decupare, const QString &text)
{
    m_painter.save();
    m_painter.setClipRect(decupare, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_painter.setPen(m_culoare);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.translate(punct);
    if (m_unghi != 0)
        m_painter.rotate(m_unghi / 10.0);
    const QFontMetrics m(m_painter.font(), m_painter.device());
    m_painter.drawText(QPoint(0, m.ascent()), text);
    m_painter.restore();
}

// ---------------------------------------------------------------------------

struct TDispozitivPaginat::TDocument
{
    QPainter painter;
    TSuprafataTextQt text{painter};
};

TDispozitivPaginat::TDispozitivPaginat() = default;

TDispozitivPaginat::~TDispozitivPaginat()
{
    // The subclass has abandoned its output already; nothing may touch its device now.
    Q_ASSERT(!m_document && !m_iesireDeschisa);
}

void TDispozitivPaginat::Abandoneaza()
{
    const bool deschis = DocumentDeschis();
    if (m_document)
        m_document->painter.end();
    if (m_iesireDeschisa)
        m_iesireDeschisa->painter.end();
    m_document.reset();
    m_iesireDeschisa.reset();
    if (deschis)
        IesireIncheiata(false);
}

void TDispozitivPaginat::IncheieIesirea(TDocument &document, const QString &esec)
{
    const bool trimis = document.painter.end();
    IesireIncheiata(trimis);
    if (!trimis)
        throw Exceptie(esec.arg(NumeIesire()));
}

void TDispozitivPaginat::InchideIesirea()
{
    if (!m_iesireDeschisa)
        return;
    const std::unique_ptr<TDocument> document = std::move(m_iesireDeschisa);
    IncheieIesirea(*document, QStringLiteral("Paginile nu au putut fi trimise la imprimanta \"%1\"."));
}

void TDispozitivPaginat::IncepeDocument(const QString &titlu)
{
    if (m_document)
        throw Exceptie(QStringLiteral("Un document este deja deschis la imprimanta."));
    if (m_iesireDeschisa) {
        // A further page of the output kept open.
        if (!static_cast<QPagedPaintDevice *>(m_iesireDeschisa->painter.device())->newPage())
            throw Exceptie(
                QStringLiteral("Imprimanta \"%1\" nu poate incepe o pagina noua.").arg(NumeIesire()));
        m_document = std::move(m_iesireDeschisa);
        return;
    }
    QPagedPaintDevice &dispozitiv = PregatesteIesirea(titlu);
    auto document = std::make_unique<TDocument>();
    if (!document->painter.begin(&dispozitiv))
        throw Exceptie(QStringLiteral("Imprimanta \"%1\" nu poate incepe tiparirea documentului \"%2\".")
                           .arg(NumeIesire(), titlu));
    m_document = std::move(document);
}

void TDispozitivPaginat::TerminaDocument()
{
    if (!m_document)
        return;
    if (m_pastreazaPaginile) {
        m_iesireDeschisa = std::move(m_document);
        return;
    }
    const std::unique_ptr<TDocument> document = std::move(m_document);
    IncheieIesirea(*document, QStringLiteral("Pagina nu a putut fi trimisa la imprimanta \"%1\"."));
}

TCapabilitatiDispozitiv TDispozitivPaginat::Capabilitati()
{
    const QPageLayout pagina = Pagina();
    const int rezolutie = Rezolutie();
    const QRect fizic = pagina.fullRectPixels(rezolutie);
    const QRect tiparibil = pagina.paintRectPixels(rezolutie);
    const QRectF tiparibilMm = pagina.paintRect(QPageLayout::Millimeter);
    TCapabilitatiDispozitiv c;
    c.HorzRes = tiparibil.width();
    c.VertRes = tiparibil.height();
    c.HorzSize = int(tiparibilMm.width());
    c.VertSize = int(tiparibilMm.height());
    c.PhysicalWidth = fizic.width();
    c.PhysicalHeight = fizic.height();
    c.PhysicalOffsetX = tiparibil.left();
    c.PhysicalOffsetY = tiparibil.top();
    return c;
}

void TDispozitivPaginat::CerePagina(const char *operatie) const
{
    if (!m_document)
        throw Exceptie(QStringLiteral("Nu exista niciun document deschis la imprimanta (%1).")
                           .arg(QLatin1String(operatie)));
}

void TDispozitivPaginat::SelecteazaFont(const TCerereFont &cerere)
{
    CerePagina("font");
    m_document->text.SelecteazaFont(cerere);
}

TMetriciText TDispozitivPaginat::MasoaraText(const QString &text)
{
    CerePagina("masurare");
    return m_document->text.MasoaraText(text);
}

void TDispozitivPaginat::DeseneazaText(QPoint punct, const QRect &decupare, const QString &text)
{
    CerePagina("text");
    m_document->text.DeseneazaText(punct, decupare, text);
}

void TDispozitivPaginat::DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi)
{
    CerePagina("imagine");
    m_document->painter.drawImage(dreptunghi, imagine);
}

void TDispozitivPaginat::PaginaNoua()
{
    CerePagina("pagina noua");
    if (!static_cast<QPagedPaintDevice *>(m_document->painter.device())->newPage())
        throw Exceptie(QStringLiteral("Imprimanta \"%1\" nu poate incepe o pagina noua.").arg(NumeIesire()));
}

void TDispozitivPaginat::DeseneazaLinie(QPoint de, QPoint la)
{
    CerePagina("linie");
    QPainter &p = m_document->painter;
    p.save();
    // A tenth of a millimetre wide, as thin as a printer shows well.
    const int dpi = std::max(1, p.device()->logicalDpiX());
    p.setPen(QPen(Qt::black, std::max(1.0, dpi / 254.0)));
    p.drawLine(de, la);
    p.restore();
}

// ---------------------------------------------------------------------------

namespace {
TDispozitivImprimantaInregistrare::Operatie OperatieNoua(TDispozitivImprimantaInregistrare::TipOperatie tip,
                                                         const QString &text)
{
    TDispozitivImprimantaInregistrare::Operatie o;
    o.Tip = tip;
    o.Text = text;
    return o;
}
} // namespace

TDispozitivImprimantaInregistrare::TDispozitivImprimantaInregistrare()
{
    Geometrie.PhysicalWidth = 7016;
    Geometrie.PhysicalHeight = 4960;
    Geometrie.PhysicalOffsetX = 100;
    Geometrie.PhysicalOffsetY = 100;
    Geometrie.HorzRes = 6816;
    Geometrie.VertRes = 4760;
    Geometrie.HorzSize = 288;
    Geometrie.VertSize = 201;
}

QList<TDispozitivImprimantaInregistrare::Operatie>
TDispozitivImprimantaInregistrare::OperatiiDeTip(TipOperatie tip) const
{
    QList<Operatie> rezultat;
    for (const Operatie &o : Operatii)
        if (o.Tip == tip)
            rezultat.append(o);
    return rezultat;
}

void TDispozitivImprimantaInregistrare::SelecteazaImprimanta(int index)
{
    if (index < 0 || index >= ListaImprimante.size())
        throw Exceptie(QStringLiteral("Imprimanta cu numarul %1 nu exista.").arg(index));
    Curenta = index;
    Operatie o = OperatieNoua(TipOperatie::SelecteazaImprimanta, QString());
    o.Index = index;
    Operatii.append(o);
}

void TDispozitivImprimantaInregistrare::SetariDispozitiv(const TSetariDispozitiv &setari)
{
    Operatie o = OperatieNoua(TipOperatie::SetariDispozitiv, QString());
    o.Setari = setari;
    Operatii.append(o);
}

void TDispozitivImprimantaInregistrare::IncepeDocument(const QString &titlu)
{
    if (m_deschis)
        throw Exceptie(QStringLiteral("Un document este deja deschis la imprimanta."));
    m_deschis = true;
    Operatii.append(OperatieNoua(TDispozitivImprimantaInregistrare::TipOperatie::IncepeDocument, titlu));
}

void TDispozitivImprimantaInregistrare::TerminaDocument()
{
    if (!m_deschis)
        return;
    m_deschis = false;
    Operatii.append(OperatieNoua(TipOperatie::TerminaDocument, QString()));
}

void TDispozitivImprimantaInregistrare::SelecteazaFont(const TCerereFont &cerere)
{
    m_font = cerere;
    Operatie o = OperatieNoua(TipOperatie::SelecteazaFont, QString());
    o.Font = cerere;
    Operatii.append(o);
}

TMetriciText TDispozitivImprimantaInregistrare::MasoaraText(const QString &text)
{
    if (Masura)
        return Masura(text, m_font);
    const int celula = m_font.InaltimeCelula;
    return {int(text.size()) * celula / 2, celula, celula / 5};
}

void TDispozitivImprimantaInregistrare::DeseneazaText(QPoint punct, const QRect &decupare,
                                                      const QString &text)
{
    if (!m_deschis)
        throw Exceptie(QStringLiteral("Nu exista niciun document deschis la imprimanta (text)."));
    if (!EroareLaDesen.isEmpty())
        throw Exceptie(EroareLaDesen);
    Operatie o = OperatieNoua(TDispozitivImprimantaInregistrare::TipOperatie::DeseneazaText, text);
    o.Font = m_font;
    o.Punct = punct;
    o.Dreptunghi = decupare;
    Operatii.append(o);
}

void TDispozitivImprimantaInregistrare::PaginaNoua()
{
    if (!m_deschis)
        throw Exceptie(QStringLiteral("Nu exista niciun document deschis la imprimanta (pagina noua)."));
    Operatii.append(OperatieNoua(TipOperatie::PaginaNoua, QString()));
}

void TDispozitivImprimantaInregistrare::DeseneazaLinie(QPoint de, QPoint la)
{
    if (!m_deschis)
        throw Exceptie(QStringLiteral("Nu exista niciun document deschis la imprimanta (linie)."));
    if (!EroareLaDesen.isEmpty())
        throw Exceptie(EroareLaDesen);
    Operatie o = OperatieNoua(TipOperatie::DeseneazaLinie, QString());
    o.Punct = de;
    o.Punct2 = la;
    Operatii.append(o);
}

void TDispozitivImprimantaInregistrare::DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi)
{
    if (!m_deschis)
        throw Exceptie(QStringLiteral("Nu exista niciun document deschis la imprimanta (imagine)."));
    if (!EroareLaDesen.isEmpty())
        throw Exceptie(EroareLaDesen);
    Operatie o = OperatieNoua(TipOperatie::DeseneazaImagine, QString());
    o.Dreptunghi = dreptunghi;
    o.MarimeImagine = imagine.size();
    Operatii.append(o);
}
