#pragma once

#include <functional>
#include <memory>

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// Page geometry of a device, as the printing service reports it: the
// printable area in device pixels and in whole millimetres, the physical
// sheet and the unprintable left and top margins in device pixels. Device
// coordinates start at the printable corner.
struct TCapabilitatiDispozitiv
{
    int HorzRes = 0;
    int VertRes = 0;
    int HorzSize = 0;
    int VertSize = 0;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int PhysicalOffsetX = 0;
    int PhysicalOffsetY = 0;

    bool operator==(const TCapabilitatiDispozitiv &) const = default;
};

// What a print asks of the printer before its document begins.
struct TSetariDispozitiv
{
    enum : int { Portret = 1, Peisaj = 2, HartieA4 = 9, CalitateInalta = -4, Monocrom = 1 };

    int Orientare = Peisaj;
    int Hartie = HartieA4;
    int Calitate = CalitateInalta;
    int Culoare = Monocrom;
    // Custom paper length and width are never set: the sheet is always A4.
    bool DimensiuneHartiePersonalizata = false;

    bool operator==(const TSetariDispozitiv &) const = default;
};

// A device font asked for by the height of its character cell.
struct TCerereFont
{
    // Full character cell (ascent + descent) in device pixels, at least 1.
    int InaltimeCelula = 1;
    // Escapement and orientation in tenths of a degree: 0, or 1800 for text turned upside down.
    int Unghi = 0;
    int Grosime = 400;
    bool Italic = false;
    int SetCaractere = 238;
    // 8 (outline) on the NT family, 4 (TrueType) elsewhere; kept for the record.
    int PrecizieIesire = 8;
    QString Familie = QStringLiteral("Arial");

    bool operator==(const TCerereFont &) const = default;
};

// Size of a measured text in device pixels, and the descent of the font that measured it.
struct TMetriciText
{
    int Latime = 0;
    int Inaltime = 0;
    int Coborare = 0;

    bool operator==(const TMetriciText &) const = default;
};

// The text operations shared by the screen and the printer: a font chosen by
// cell height, measuring, and clipped drawing with the cell's top-left corner
// at a point.
class ISuprafataText
{
public:
    virtual ~ISuprafataText() = default;

    // Creates the font and selects it for the following measuring and drawing.
    virtual void SelecteazaFont(const TCerereFont &cerere) = 0;
    virtual TMetriciText MasoaraText(const QString &text) = 0;
    // Draws with a transparent background, clipped to the rectangle (edges
    // included). A font turned by 1800 draws upside down around the point.
    virtual void DeseneazaText(QPoint punct, const QRect &decupare, const QString &text) = 0;
};

// The printing service: printers, device settings, one document at a time,
// the page geometry and drawing. Errors are thrown as Exceptie.
class IDispozitivImprimanta : public ISuprafataText
{
public:
    // Installed printers, in order, and the index of the current one (-1 when there is none).
    virtual QStringList Imprimante() = 0;
    virtual int ImprimantaCurenta() = 0;
    virtual void SelecteazaImprimanta(int index) = 0;

    // Applies to the next document.
    virtual void SetariDispozitiv(const TSetariDispozitiv &setari) = 0;
    virtual void IncepeDocument(const QString &titlu) = 0;
    // Sends the page to the printer; harmless when no document is open, so a
    // caller may always end after an error.
    virtual void TerminaDocument() = 0;

    virtual TCapabilitatiDispozitiv Capabilitati() = 0;
    virtual void DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi) = 0;
    // A thin black line between two device points, both included.
    virtual void DeseneazaLinie(QPoint de, QPoint la) = 0;
    // Ends the page of the open document and starts another in it: several
    // certificates as one print job.
    virtual void PaginaNoua() = 0;
};

// The text operations on any QPainter: a widget, a printer, a PDF, a QImage.
// The painter stays the caller's; the class only changes its font and pen
// and restores everything else after each drawing.
class TSuprafataTextQt : public ISuprafataText
{
public:
    explicit TSuprafataTextQt(QPainter &painter);

    void SetCuloare(const QColor &culoare) { m_culoare = culoare; }

    void SelecteazaFont(const TCerereFont &cerere) override;
    TMetriciText MasoaraText(const QString &text) override;
    void DeseneazaText(QPoint punct, const QRect &decupare, const QString &text) override;

private:
    QPainter &m_painter;
    QColor m_culoare = Qt::black;
    int m_unghi = 0;
    // A font sized for the painter's device and the texts measured with it:
    // fitting a text tries the same few sizes on every page, for texts that
    // mostly repeat from page to page.
    struct TFontPregatit
    {
        QFont font;
        QFontMetrics metrici;
        QHash<QString, TMetriciText> masuri;
    };
    struct TCheieFont
    {
        QString Familie;
        int Grosime;
        bool Italic;
        int InaltimeCelula;
        bool operator==(const TCheieFont &) const = default;
        friend size_t qHash(const TCheieFont &c, size_t seed = 0)
        {
            return qHashMulti(seed, c.Familie, c.Grosime, c.Italic, c.InaltimeCelula);
        }
    };
    QPaintDevice *m_dispozitiv = nullptr;
    QHash<TCheieFont, std::shared_ptr<TFontPregatit>> m_fonturi;
    std::shared_ptr<TFontPregatit> m_curent;
};

// A device that draws its documents with a QPainter on a paged paint device
// (a printer, a PDF writer): one document at a time, or several documents as
// the pages of one output (PastreazaPaginile). Its page geometry comes from
// the device's page layout.
class TDispozitivPaginat : public IDispozitivImprimanta
{
public:
    ~TDispozitivPaginat() override;

    // Every document after the first becomes a further page of the same
    // output, until InchideIesirea(); for several certificates in one file.
    void PastreazaPaginile(bool pastreaza) { m_pastreazaPaginile = pastreaza; }
    // Ends an output kept open by PastreazaPaginile.
    void InchideIesirea();

    void IncepeDocument(const QString &titlu) override;
    void TerminaDocument() override;
    TCapabilitatiDispozitiv Capabilitati() override;
    void SelecteazaFont(const TCerereFont &cerere) override;
    TMetriciText MasoaraText(const QString &text) override;
    void DeseneazaText(QPoint punct, const QRect &decupare, const QString &text) override;
    void DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi) override;
    void DeseneazaLinie(QPoint de, QPoint la) override;
    void PaginaNoua() override;

protected:
    TDispozitivPaginat();

    // The device the next output is drawn on, readied for its title.
    virtual QPagedPaintDevice &PregatesteIesirea(const QString &titlu) = 0;
    virtual QPageLayout Pagina() const = 0;
    virtual int Rezolutie() const = 0;
    // The output has ended; `trimisa` tells whether its pages were sent.
    virtual void IesireIncheiata(bool trimisa) { Q_UNUSED(trimisa); }
    // For messages: the printer's name.
    virtual QString NumeIesire() const = 0;

    bool DocumentDeschis() const { return m_document != nullptr || m_iesireDeschisa != nullptr; }
    // Ends whatever is open without completing it; a subclass calls it in
    // its destructor, while its paint device still exists.
    void Abandoneaza();

private:
    struct TDocument;
    void CerePagina(const char *operatie) const;
    void IncheieIesirea(TDocument &document, const QString &esec);

    std::unique_ptr<TDocument> m_document;
    // A painter kept open between the documents of one output.
    std::unique_ptr<TDocument> m_iesireDeschisa;
    bool m_pastreazaPaginile = false;
};

// A device for tests: it records every operation in order, reports the
// geometry it is given and measures texts by a simple rule (or the test's
// own), so printing can be checked without a printer.
class TDispozitivImprimantaInregistrare : public IDispozitivImprimanta
{
public:
    enum class TipOperatie {
        SelecteazaImprimanta,
        SetariDispozitiv,
        IncepeDocument,
        TerminaDocument,
        SelecteazaFont,
        DeseneazaText,
        DeseneazaImagine,
        DeseneazaLinie,
        PaginaNoua
    };
    struct Operatie
    {
        TipOperatie Tip = TipOperatie::DeseneazaText;
        QString Text;   // title or drawn text
        int Index = -1; // printer index
        TSetariDispozitiv Setari;
        TCerereFont Font; // the font selected when the operation ran
        QPoint Punct;     // where a text or a line starts
        QPoint Punct2;    // where a line ends
        QRect Dreptunghi; // clipping rectangle or picture rectangle
        QSize MarimeImagine;
    };

    // 600 dots per inch, A4 landscape, margins of 100 pixels.
    TDispozitivImprimantaInregistrare();

    QList<Operatie> Operatii;
    TCapabilitatiDispozitiv Geometrie;
    QStringList ListaImprimante{QStringLiteral("Imprimanta de test")};
    int Curenta = 0;
    // Width and height of a text in the selected font. By default every
    // character is half the cell wide, the text is a cell high and the
    // descent a fifth of the cell.
    std::function<TMetriciText(const QString &, const TCerereFont &)> Masura;
    // When set, drawing throws this message, as a failing page would.
    QString EroareLaDesen;

    QList<Operatie> OperatiiDeTip(TipOperatie tip) const;
    bool DocumentDeschis() const { return m_deschis; }

    QStringList Imprimante() override { return ListaImprimante; }
    int ImprimantaCurenta() override { return Curenta; }
    void SelecteazaImprimanta(int index) override;
    void SetariDispozitiv(const TSetariDispozitiv &setari) override;
    void IncepeDocument(const QString &titlu) override;
    void TerminaDocument() override;
    TCapabilitatiDispozitiv Capabilitati() override { return Geometrie; }
    void SelecteazaFont(const TCerereFont &cerere) override;
    TMetriciText MasoaraText(const QString &text) override;
    void DeseneazaText(QPoint punct, const QRect &decupare, const QString &text) override;
    void DeseneazaImagine(const QImage &imagine, const QRect &dreptunghi) override;
    void DeseneazaLinie(QPoint de, QPoint la) override;
    void PaginaNoua() override;

private:
    TCerereFont m_font;
    bool m_deschis = false;
};
