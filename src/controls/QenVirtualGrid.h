#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "controls/QenGrids.h"
#include "controls/QenValoareDate.h"
#include "controls/UQenVGridEditorForm.h"

class TQenVirtualGrid;
class TQenVirtualGridColumn;

// A font with its colour, as the grid's styles and bands hold it.
struct TQenFont
{
    QFont Font;
    QColor Culoare;
};

// One display style of a column: background and font, normal and selected,
// and the text alignment. A change repaints the grid.
class TQenCuloriColoana
{
public:
    explicit TQenCuloriColoana(TQenVirtualGridColumn *coloana);

    const QColor &CuloareBackgroundNormal() const { return m_fundalNormal; }
    void SetCuloareBackgroundNormal(const QColor &c);
    const QColor &CuloareBackgroundSelectat() const { return m_fundalSelectat; }
    void SetCuloareBackgroundSelectat(const QColor &c);
    const TQenFont &FontNormal() const { return m_fontNormal; }
    void SetFontNormal(const TQenFont &f);
    const TQenFont &FontSelectat() const { return m_fontSelectat; }
    void SetFontSelectat(const TQenFont &f);
    Qt::Alignment Aliniere() const { return m_aliniere; }
    void SetAliniere(Qt::Alignment a);
    bool Activ() const { return m_activ; }
    void SetActiv(bool activ);

private:
    void Schimbat();

    TQenVirtualGridColumn *m_coloana;
    QColor m_fundalNormal;
    QColor m_fundalSelectat;
    TQenFont m_fontNormal;
    TQenFont m_fontSelectat;
    Qt::Alignment m_aliniere = Qt::AlignLeft;
    bool m_activ = false;
};

// A data row of the grid: the client derives its own lines from it and keeps
// its data there; the grid only reads how the row is to look.
class TQenVirtualGridLine
{
public:
    virtual ~TQenVirtualGridLine() = default;

    class TQenVirtualGridList *Lista() const { return m_lista; }

    int Stil() const { return m_stil; }
    // 1 to 10; any other number raises.
    void SetStil(int stil);
    std::optional<QColor> CuloareFundal;
    std::optional<QColor> CuloareText;
    // Bits 0 to 7: add bold, remove bold, add italic, remove italic, size 6, 8, 10, 11.
    quint8 Atribute = 0;
    // Own height in pixels before scaling; 0 takes the grid's row height.
    quint8 Inaltime = 0;

private:
    friend class TQenVirtualGridList;
    TQenVirtualGridList *m_lista = nullptr;
    int m_stil = 1;
};

// The grid's lines, owned. Adding and clearing re-lay out the grid once the
// outermost update ends: a client adding many lines holds BeginUpdate.
class TQenVirtualGridList
{
public:
    explicit TQenVirtualGridList(TQenVirtualGrid *grila) : m_grila(grila) {}

    int Count() const { return int(m_linii.size()); }
    TQenVirtualGridLine *Items(int i) const { return m_linii.at(size_t(i)).get(); }
    TQenVirtualGridLine *Add(std::unique_ptr<TQenVirtualGridLine> linie);
    void Clear();

private:
    TQenVirtualGrid *m_grila;
    std::vector<std::unique_ptr<TQenVirtualGridLine>> m_linii;
};

// One column: title, width, data type, bands above the title and the ten
// styles its lines choose from.
class TQenVirtualGridColumn
{
public:
    explicit TQenVirtualGridColumn(class TQenVirtualGridColumns *coloane);

    TQenVirtualGrid *Grila() const;
    int Index() const;

    const QString &NumeColoana() const { return m_nume; }
    void SetNumeColoana(const QString &nume);
    // Pixels before scaling; a change re-lays out the grid.
    int Width() const { return m_width; }
    void SetWidth(int width);
    TQenTipDeDateColoana TipDeDate() const { return m_tip; }
    void SetTipDeDate(TQenTipDeDateColoana tip);
    const QString &Umbrela1() const { return m_umbrela[0]; }
    void SetUmbrela1(const QString &text);
    const QString &Umbrela2() const { return m_umbrela[1]; }
    void SetUmbrela2(const QString &text);
    const QColor &CuloareHeader() const { return m_culoareHeader; }
    void SetCuloareHeader(const QColor &c);
    Qt::Alignment AliniereTextInHeader() const { return m_aliniereHeader; }
    void SetAliniereTextInHeader(Qt::Alignment a);
    const TQenFont &FontUmbrela1() const { return m_fontUmbrela[0]; }
    void SetFontUmbrela1(const TQenFont &f);
    const TQenFont &FontUmbrela2() const { return m_fontUmbrela[1]; }
    void SetFontUmbrela2(const TQenFont &f);
    // None paints the band in the header's background.
    const std::optional<QColor> &CuloareUmbrela1() const { return m_culoareUmbrela[0]; }
    void SetCuloareUmbrela1(const std::optional<QColor> &c);
    const std::optional<QColor> &CuloareUmbrela2() const { return m_culoareUmbrela[1]; }
    void SetCuloareUmbrela2(const std::optional<QColor> &c);

    // Style 1 to 10 (Stil1 ... Stil10); any other number raises.
    TQenCuloriColoana &Stil(int n);
    const TQenCuloriColoana &Stil(int n) const;
    TQenCuloriColoana &Stil1() { return Stil(1); }

    // When set, the column's text comes from it alone.
    std::function<void(TQenVirtualGridLine *linie, QString &text)> OnGetText;
    // Lets the client edit the cell itself; the built-in editor opens only
    // when it sets the flag (which starts false).
    std::function<void(TQenVirtualGridLine *linie, bool &folosesteEditorul)> OnApeleazaEditor;

    // Repaints the grid after a change of a property.
    void Schimbat();

private:
    friend class TQenVirtualGrid;

    TQenVirtualGridColumns *m_coloane;
    QString m_nume;
    int m_width = 128;
    TQenTipDeDateColoana m_tip = TQenTipDeDateColoana::String;
    std::array<QString, 2> m_umbrela;
    QColor m_culoareHeader;
    Qt::Alignment m_aliniereHeader = Qt::AlignHCenter;
    std::array<TQenFont, 2> m_fontUmbrela;
    std::array<std::optional<QColor>, 2> m_culoareUmbrela;
    std::array<std::unique_ptr<TQenCuloriColoana>, 10> m_stiluri;
};

// The grid's columns in display order, owned. Adding or removing one
// re-lays out the grid.
class TQenVirtualGridColumns
{
public:
    explicit TQenVirtualGridColumns(TQenVirtualGrid *grila) : m_grila(grila) {}

    TQenVirtualGrid *Grila() const { return m_grila; }
    int Count() const { return int(m_coloane.size()); }
    TQenVirtualGridColumn *Items(int i) const { return m_coloane.at(size_t(i)).get(); }
    int IndexOf(const TQenVirtualGridColumn *coloana) const;
    TQenVirtualGridColumn *Add();
    void Delete(int i);

private:
    TQenVirtualGrid *m_grila;
    std::vector<std::unique_ptr<TQenVirtualGridColumn>> m_coloane;
};

// A cell under the hover highlight, fading from intensity 10 down.
struct TQenCelulaGrid
{
    int Coloana;
    int Rand;
    int Intensitate;
};

using TQenListaCeluleGrid = QList<TQenCelulaGrid>;

enum class TQenOptiuneGrila {
    goSelectezLinia = 0x1,           // whole-row selection and highlight
    goNuAfisezLiniiVerticale = 0x2,  // no vertical lines between data cells
    goNuAfisezLiniiOrizontale = 0x4, // no horizontal lines between data cells
};
Q_DECLARE_FLAGS(TQenOptiuniGrila, TQenOptiuneGrila)
Q_DECLARE_OPERATORS_FOR_FLAGS(TQenOptiuniGrila)

// The program's data grid. Its cells hold no data: for each cell it paints
// it asks the client for a typed value, writes it by the column's type and
// paints it in the style the line chooses. Row 0 is the header, with
// word-wrapped titles under up to two bands; row r > 0 shows line r - 1.
class TQenVirtualGrid : public TQenCustomDrawGrid
{
    Q_OBJECT

public:
    explicit TQenVirtualGrid(QWidget *parent = nullptr);
    ~TQenVirtualGrid() override;

    TQenVirtualGridColumns &Coloane() { return m_coloane; }
    TQenVirtualGridList &Linii() { return m_linii; }

    // -1 when the grid has no row or no column.
    int HeaderHeight() const;
    void SetHeaderHeight(int inaltime);
    int NrColoaneFixe() const { return m_nrColoaneFixe; }
    void SetNrColoaneFixe(int n);
    TQenOptiuniGrila Optiuni() const { return m_optiuni; }
    void SetOptiuni(TQenOptiuniGrila optiuni);

    void BeginUpdate();
    // Raises without a BeginUpdate; the outermost one re-lays out the grid.
    void EndUpdate();
    // Counts, sizes and fixed rows and columns from the columns and lines.
    void Rearanjeaza();
    // Sizes before scaling to pixels on this screen, by "LargeFonts.txt".
    int ScaleazaPixeli(int pixeli) const;

    // The text of a data cell, as painted.
    QString TextCelula(int coloana, TQenVirtualGridLine *linie);

    // The hover highlight: cells fading out, and one step of the fade (the
    // ticker runs it every 100 ms).
    const TQenListaCeluleGrid &CeluleFierbinti() const { return m_celuleFierbinti; }
    const QTimer &Ticker() const { return m_ticker; }
    void TickTack();

    // Starts editing the current cell; `tastat` is what the key typed, if anything.
    void Editeaza(const std::optional<QString> &tastat);
    // The pop-up editor while it is open.
    TQenVGridEditorForm *EditorDeschis() const { return m_editor; }

    // Fills the value of one cell. Asked at every paint of every cell in view: it must be cheap.
    std::function<void(TQenVirtualGridLine *linie, int coloana, TQenValoareDate &valoare)> OnGetCellValue;
    // Receives the value edited in the pop-up editor.
    std::function<void(TQenVirtualGridLine *linie, int coloana, const TQenValoareDate &valoare)>
        OnSetCellValue;
    // May refuse editing a cell; `permis` starts true.
    std::function<void(TQenVirtualGridLine *linie, int coloana, bool &permis)> OnPotEdita;
    // Adjusts a data cell's font and background before the hover and row highlights.
    std::function<void(TQenVirtualGridLine *linie, int coloana, TQenFont &font, QColor &fundal)> OnFormatCell;
    // Has the last word on a data cell's text.
    std::function<void(TQenVirtualGridLine *linie, const TQenValoareDate &valoare, QString &text,
                       int coloana)>
        OnCustomText;

    // Posts the re-layout that a change of the columns asks for.
    void PosteazaRearanjare();

signals:
    // After every re-layout.
    void Rearanjat();

protected:
    void DeseneazaCelula(QPainter &pictor, int c, int r, const QRect &dreptunghi,
                         TQenStareCelula stare) override;
    void CelulaCurentaSchimbata(int colVeche, int randVechi) override;
    void ColoanaRedimensionata(int c) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void DeseneazaDate(QPainter &pictor, int c, int r, const QRect &d, bool selectat);
    void DeseneazaHeader(QPainter &pictor, int c, const QRect &d);
    void DeseneazaMargini(QPainter &pictor, const QRect &d, const QColor &linie, bool verticale,
                          bool orizontale);
    // Draws a band over the header cell of column c from y down; returns its height.
    int DeseneazaUmbrela(QPainter &pictor, int c, const QRect &d, int y, int care, QColor &fundalUmbra);
    void DeseneazaText(QPainter &pictor, const QRect &d, const QString &text, Qt::Alignment aliniere,
                       int margine);
    void MarcheazaFierbinte(int c, int r);
    bool SubMouse(const TQenCelulaGrid &celula) const;
    void EditorInchis(int coloana, int rand, TQenVirtualGridLine *linie, const TQenValoareDate &valoare);

    TQenVirtualGridColumns m_coloane{this};
    TQenVirtualGridList m_linii{this};
    int m_nrColoaneFixe = 1;
    TQenOptiuniGrila m_optiuni;
    int m_nivelActualizare = 0;
    bool m_distrugere = false;
    TQenListaCeluleGrid m_celuleFierbinti;
    // Ticks on the user-interface thread itself: no thread has to post to the grid.
    QTimer m_ticker;
    QPoint m_celulaMouse{-1, -1};
    QPointer<TQenVGridEditorForm> m_editor;
    // Painting reports a failure once, not at every repaint.
    QString m_eroarePictare;
    QString m_ultimaEroare;
};
