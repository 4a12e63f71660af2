#pragma once

#include <functional>

#include <QAbstractScrollArea>
#include <QFlags>
#include <QList>
#include <QPoint>
#include <QRect>

class QPainter;

// What the base grid draws and allows by itself.
enum class TQenGridOptiune {
    goLiniiFixe = 0x1, // lines between fixed cells
    goLiniiDate = 0x2, // lines between data cells
    goColSizing = 0x4, // column widths dragged in the fixed rows
};
Q_DECLARE_FLAGS(TQenGridOptiuni, TQenGridOptiune)
Q_DECLARE_OPERATORS_FOR_FLAGS(TQenGridOptiuni)

// How a cell is to be drawn.
struct TQenStareCelula
{
    bool selectat = false; // the current cell
    bool fix = false;      // in a fixed row or column
};

// An owner-drawn grid of cells: fixed rows and columns at the top and left
// stay in place while the others scroll by whole cells; every column has its
// width and every row its height; one cell is current. Derived grids draw
// the cells in DeseneazaCelula.
class TQenCustomDrawGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit TQenCustomDrawGrid(QWidget *parent = nullptr);

    int ColCount() const { return int(m_latimi.size()); }
    void SetColCount(int n);
    int RowCount() const { return int(m_inaltimi.size()); }
    void SetRowCount(int n);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int n);
    int FixedRows() const { return m_fixedRows; }
    void SetFixedRows(int n);

    int DefaultColWidth() const { return m_latimeImplicita; }
    int DefaultRowHeight() const { return m_inaltimeImplicita; }
    int ColWidths(int c) const { return m_latimi.at(c); }
    void SetColWidths(int c, int latime);
    int RowHeights(int r) const { return m_inaltimi.at(r); }
    void SetRowHeights(int r, int inaltime);

    TQenGridOptiuni Options() const { return m_optiuni; }
    void SetOptions(TQenGridOptiuni optiuni);

    // The current cell; never in a fixed row or column while there are others.
    int Col() const { return m_col; }
    int Row() const { return m_row; }
    // Makes (c, r) current when OnSelectCell allows it, and scrolls it into view.
    bool FocusCell(int c, int r);

    // The first scrolled row and column in view.
    int TopRow() const { return m_topRow; }
    void SetTopRow(int r);
    int LeftCol() const { return m_leftCol; }
    void SetLeftCol(int c);

    // The cell's rectangle in the viewport; empty when it is out of view.
    QRect CellRect(int c, int r) const;
    // The cell under a viewport point; (-1, -1) outside every cell.
    QPoint MouseCoord(const QPoint &punct) const;
    void InvalidateCell(int c, int r);
    void InvalidateRow(int r);

    // Asked before a cell becomes current; `permis` starts true.
    std::function<void(int col, int row, bool &permis)> OnSelectCell;

protected:
    virtual void DeseneazaCelula(QPainter &pictor, int c, int r, const QRect &dreptunghi,
                                 TQenStareCelula stare);
    virtual bool SelectCell(int c, int r);
    // After the current cell moved from (colVeche, randVechi).
    virtual void CelulaCurentaSchimbata(int colVeche, int randVechi);
    // After the user dragged column c to a new width.
    virtual void ColoanaRedimensionata(int c);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // The columns in view, fixed ones first, each with its left edge; the
    // rows in view with their top edges.
    QList<QPair<int, int>> ColoaneVizibile() const;
    QList<QPair<int, int>> RanduriVizibile() const;
    void ActualizeazaBareDerulare();
    void AduInVedere(int c, int r);
    // The column whose right edge lies under x, in the fixed rows; -1 if none.
    int ColoanaDeRedimensionat(const QPoint &punct) const;
    void Limiteaza();

    QList<int> m_latimi;
    QList<int> m_inaltimi;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_latimeImplicita = 64;
    int m_inaltimeImplicita = 24;
    TQenGridOptiuni m_optiuni = TQenGridOptiune::goLiniiFixe | TQenGridOptiune::goLiniiDate;
    int m_col = 1;
    int m_row = 1;
    int m_topRow = 1;
    int m_leftCol = 1;
    int m_redimensionata = -1;
    int m_xStartRedimensionare = 0;
    int m_latimeStart = 0;
};
