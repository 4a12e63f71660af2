#include "printing/DispozitivImprimanta.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include "shell/Exceptie.h"

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

// A PDF is written under a name of its own beside the one asked for and takes
// that name only once complete: an interrupted print leaves nothing half
// written under it, and an older file there stays until the new one is whole.
QString NumeTemporarPdf(const QString &fisier)
{
    // Only a free name is taken: the printer creates the file itself, with the usual permissions.
    QTemporaryFile rezervat(fisier + QStringLiteral(".XXXXXX.partial"));
    if (!rezervat.open())
        return fisier; // the folder takes no file: beginning the document reports it
    return rezervat.fileName();
}

void InlocuiesteFisierul(const QString &temporar, const QString &fisier)
{
    if (temporar == fisier)
        return;
    std::error_code eroare;
    std::filesystem::rename(std::filesystem::path(temporar.toStdU16String()),
                            std::filesystem::path(fisier.toStdU16String()), eroare);
    if (eroare) {
        QFile::remove(temporar);
        throw Exceptie(QStringLiteral("Fisierul PDF \"%1\" nu a putut fi scris: %2")
                           .arg(QDir::toNativeSeparators(fisier), QString::fromLocal8Bit(eroare.message())));
    }
}

} // namespace

// ---------------------------------------------------------------------------

TSuprafataTextQt::TSuprafataTextQt(QPainter &painter) : m_painter(painter)
{}

void TSuprafataTextQt::SelecteazaFont(const TCerereFont &cerere)
{
    m_painter.setFont(FontDupaCelula(cerere, m_painter.device()));
    m_unghi = cerere.Unghi;
}

TMetriciText TSuprafataTextQt::MasoaraText(const QString &text)
{
    const QFontMetrics m(m_painter.font(), m_painter.device());
    return {m.horizontalAdvance(text), m.height(), m.descent()};
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

struct TDispozitivImprimantaQt::TDocument
{
    QPainter painter;
    TSuprafataTextQt text{painter};
};

TDispozitivImprimantaQt::TDispozitivImprimantaQt()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_imprimante = QPrinterInfo::availablePrinterNames();
    m_curenta = m_imprimante.indexOf(QPrinterInfo::defaultPrinterName());
    if (m_curenta < 0 && !m_imprimante.isEmpty())
        m_curenta = 0;
    if (m_curenta >= 0)
        m_printer->setPrinterName(m_imprimante.at(m_curenta));
}

TDispozitivImprimantaQt::TDispozitivImprimantaQt(const QString &fisierPdf, double margineStangaMm,
                                                 double margineSusMm, int rezolutie)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_fisierPdf(fisierPdf),
      m_fisierPdfTemporar(NumeTemporarPdf(fisierPdf))
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(m_fisierPdfTemporar);
    m_printer->setResolution(rezolutie);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Landscape);
    m_printer->setPageMargins(QMarginsF(margineStangaMm, margineSusMm, 0, 0), QPageLayout::Millimeter);
    m_imprimante = {QStringLiteral("PDF")};
    m_curenta = 0;
}

std::unique_ptr<TDispozitivImprimantaQt> TDispozitivImprimantaQt::PentruPdf(const QString &fisier,
                                                                            double margineStangaMm,
                                                                            double margineSusMm,
                                                                            int rezolutie)
{
    return std::unique_ptr<TDispozitivImprimantaQt>(
        new TDispozitivImprimantaQt(fisier, margineStangaMm, margineSusMm, rezolutie));
}

TDispozitivImprimantaQt::~TDispozitivImprimantaQt()
{
    if (m_document)
        m_document->painter.end();
    if (m_iesireDeschisa)
        m_iesireDeschisa->painter.end();
    // An output never ended is incomplete: it never takes the PDF's name.
    if (!m_fisierPdf.isEmpty() && m_fisierPdfTemporar != m_fisierPdf)
        QFile::remove(m_fisierPdfTemporar);
}

void TDispozitivImprimantaQt::IncheieIesirea(TDocument &document, const QString &esec)
{
    const bool trimis = document.painter.end();
    if (!trimis) {
        if (!m_fisierPdf.isEmpty() && m_fisierPdfTemporar != m_fisierPdf)
            QFile::remove(m_fisierPdfTemporar);
        throw Exceptie(esec.arg(m_imprimante.value(m_curenta)));
    }
    if (!m_fisierPdf.isEmpty())
        InlocuiesteFisierul(m_fisierPdfTemporar, m_fisierPdf);
}

void TDispozitivImprimantaQt::InchideIesirea()
{
    if (!m_iesireDeschisa)
        return;
    const std::unique_ptr<TDocument> document = std::move(m_iesireDeschisa);
    IncheieIesirea(*document, QStringLiteral("Paginile nu au putut fi trimise la imprimanta \"%1\"."));
}

QStringList TDispozitivImprimantaQt::Imprimante()
{
    return m_imprimante;
}

int TDispozitivImprimantaQt::ImprimantaCurenta()
{
    return m_curenta;
}

void TDispozitivImprimantaQt::SelecteazaImprimanta(int index)
{
    if (index < 0 || index >= m_imprimante.size())
        throw Exceptie(QStringLiteral("Imprimanta cu numarul %1 nu exista.").arg(index));
    if (m_document)
        throw Exceptie(QStringLiteral("Nu se poate schimba imprimanta in timpul tiparirii."));
    m_curenta = index;
    if (m_fisierPdf.isEmpty())
        m_printer->setPrinterName(m_imprimante.at(index));
}

void TDispozitivImprimantaQt::SetariDispozitiv(const TSetariDispozitiv &setari)
{
    // Changing the paper may reset the margins; a PDF keeps the ones it was given.
    const QMarginsF margini = m_printer->pageLayout().margins(QPageLayout::Millimeter);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(setari.Orientare == TSetariDispozitiv::Portret ? QPageLayout::Portrait
                                                                                 : QPageLayout::Landscape);
    m_printer->setColorMode(setari.Culoare == TSetariDispozitiv::Monocrom ? QPrinter::GrayScale
                                                                          : QPrinter::Color);
    if (!m_fisierPdf.isEmpty())
        m_printer->setPageMargins(margini, QPageLayout::Millimeter);
}

void TDispozitivImprimantaQt::IncepeDocument(const QString &titlu)
{
    if (m_document)
        throw Exceptie(QStringLiteral("Un document este deja deschis la imprimanta."));
    if (m_curenta < 0)
        throw Exceptie(QStringLiteral("Nu este instalata nicio imprimanta."));
    if (m_iesireDeschisa) {
        // A further page of the output kept open.
        if (!m_printer->newPage())
            throw Exceptie(QStringLiteral("Imprimanta \"%1\" nu poate incepe o pagina noua.")
                               .arg(m_imprimante.value(m_curenta)));
        m_document = std::move(m_iesireDeschisa);
        return;
    }
    m_printer->setDocName(titlu);
    m_printer->setFullPage(false);
    auto document = std::make_unique<TDocument>();
    if (!document->painter.begin(m_printer.get()))
        throw Exceptie(QStringLiteral("Imprimanta \"%1\" nu poate incepe tiparirea documentului \"%2\".")
                           .arg(m_imprimante.value(m_curenta), titlu));
    m_document = std::move(document);
}

void TDispozitivImprimantaQt::TerminaDocument()
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

TCapabilitatiDispozitiv TDispozitivImprimantaQt::Capabilitati()
{
    const QPageLayout pagina = m_printer->pageLayout();
    const int rezolutie = m_printer->resolution();
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

void TDispozitivImprimantaQt::CerePagina(const char *operatie) const
{
    if (!m_document)
        throw Exceptie(QStringLiteral("Nu exista niciun document deschis la imprimanta (%1).")
                           .arg(QLatin1String(operatie)));
}

void TDispozitivImprimantaQt::SelecteazaFont(const TCerereFont &cerere)
{
    CerePagina("font");
    m_document->text.SelecteazaFont(cerere);
}

TMetriciText TDispozitivImprimantaQt::MasoaraText(const QString &text)
{
    CerePagina("masurare");
    return m_document->text.MasoaraText(text);
}

void TDispozitivImprimantaQt::DeseneazaText(QPoint punct, const QRect &decupare, const QString &text)
{
    CerePagina("text");
    m_document->text.DeseneazaText(punct, decupare, text);
}

void TDispozitivImprimantaQt::DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi)
{
    CerePagina("imagine");
    m_document->painter.drawImage(dreptunghi, imagine);
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

// ---------------------------------------------------------------------------

namespace {
IDispozitivImprimanta *g_instalat = nullptr;
}

IDispozitivImprimanta &DispozitivImprimanta()
{
    if (g_instalat)
        return *g_instalat;
    // Never destroyed: a printer must not be torn down after the application
    // object, when the platform's printing support is already gone.
    static TDispozitivImprimantaQt *sistem = new TDispozitivImprimantaQt;
    return *sistem;
}

void InstaleazaDispozitivImprimanta(IDispozitivImprimanta *dispozitiv)
{
    g_instalat = dispozitiv;
}
