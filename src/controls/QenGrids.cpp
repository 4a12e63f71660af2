#include "controls/QenGrids.h"

#include <algorithm>
#include <cstdlib>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "comun/Actiune.h"

namespace {

// How near a column's right edge the mouse must be to drag it.
constexpr int kPragRedimensionare = 2;

// One direction of the grid: the sizes of its cells, how many of them are
// fixed and the first scrolled one in view.
struct Axa
{
    const QList<int> &marimi;
    int fixe;
    int prima;
};

int SumaFixa(const Axa &a)
{
    int suma = 0;
    for (int i = 0; i < a.fixe; ++i)
        suma += a.marimi.at(i);
    return suma;
}

// The cells in view, fixed ones first, each with where it starts; only the
// cells in view are walked.
QList<QPair<int, int>> InVedere(const Axa &a, int spatiu)
{
    QList<QPair<int, int>> celule;
    int p = 0;
    for (int i = 0; i < a.fixe && p < spatiu; p += a.marimi.at(i), ++i)
        celule.append({i, p});
    for (int i = a.prima; i < a.marimi.size() && p < spatiu; p += a.marimi.at(i), ++i)
        celule.append({i, p});
    return celule;
}

// The first scrolled cell that shows cell i at the far end of the view.
int PrimaPanaLa(const Axa &a, int i, int spatiu)
{
    const int liber = spatiu - SumaFixa(a);
    int prima = i, p = a.marimi.at(i);
    while (prima - 1 >= a.fixe && p + a.marimi.at(prima - 1) <= liber)
        p += a.marimi.at(--prima);
    return std::max(prima, a.fixe);
}

// The first scrolled cell that brings cell i into view with the least scrolling.
int PrimaCuVedere(const Axa &a, int i, int spatiu)
{
    if (i < a.prima)
        return i;
    return std::max(a.prima, PrimaPanaLa(a, i, spatiu));
}

bool Redimensioneaza(QList<int> &marimi, int n, int implicita)
{
    n = std::max(n, 1);
    if (n == marimi.size())
        return false;
    marimi.resize(n, implicita);
    return true;
}

bool SeteazaMarime(QList<int> &marimi, int i, int marime)
{
    marime = std::max(marime, 0);
    if (marimi.at(i) == marime)
        return false;
    marimi[i] = marime;
    return true;
}

} // namespace

TQenCustomDrawGrid::TQenCustomDrawGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    m_latimi = QList<int>(5, m_latimeImplicita);
    m_inaltimi = QList<int>(5, m_inaltimeImplicita);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    ActualizeazaBareDerulare();
}

void TQenCustomDrawGrid::SetColCount(int n)
{
    if (Redimensioneaza(m_latimi, n, m_latimeImplicita))
        Limiteaza();
}

void TQenCustomDrawGrid::SetRowCount(int n)
{
    if (Redimensioneaza(m_inaltimi, n, m_inaltimeImplicita))
        Limiteaza();
}

void TQenCustomDrawGrid::SetFixedCols(int n)
{
    m_fixedCols = std::max(n, 0);
    Limiteaza();
}

void TQenCustomDrawGrid::SetFixedRows(int n)
{
    m_fixedRows = std::max(n, 0);
    Limiteaza();
}

void TQenCustomDrawGrid::SetColWidths(int c, int latime)
{
    if (!SeteazaMarime(m_latimi, c, latime))
        return;
    ActualizeazaBareDerulare();
    viewport()->update();
}

void TQenCustomDrawGrid::SetRowHeights(int r, int inaltime)
{
    if (!SeteazaMarime(m_inaltimi, r, inaltime))
        return;
    ActualizeazaBareDerulare();
    viewport()->update();
}

void TQenCustomDrawGrid::SetOptions(TQenGridOptiuni optiuni)
{
    m_optiuni = optiuni;
    viewport()->update();
}

void TQenCustomDrawGrid::Limiteaza()
{
    m_fixedCols = std::min(m_fixedCols, ColCount() - 1);
    m_fixedRows = std::min(m_fixedRows, RowCount() - 1);
    m_col = std::clamp(m_col, m_fixedCols, ColCount() - 1);
    m_row = std::clamp(m_row, m_fixedRows, RowCount() - 1);
    ActualizeazaBareDerulare();
    viewport()->update();
}

bool TQenCustomDrawGrid::FocusCell(int c, int r)
{
    c = std::clamp(c, m_fixedCols, ColCount() - 1);
    r = std::clamp(r, m_fixedRows, RowCount() - 1);
    if (c != m_col || r != m_row) {
        if (!SelectCell(c, r))
            return false;
        const int colVeche = m_col, randVechi = m_row;
        m_col = c;
        m_row = r;
        InvalidateCell(colVeche, randVechi);
        InvalidateCell(c, r);
        CelulaCurentaSchimbata(colVeche, randVechi);
    }
    AduInVedere(c, r);
    return true;
}

bool TQenCustomDrawGrid::SelectCell(int c, int r)
{
    bool permis = true;
    if (OnSelectCell)
        OnSelectCell(c, r, permis);
    return permis;
}

void TQenCustomDrawGrid::CelulaCurentaSchimbata(int, int)
{}

void TQenCustomDrawGrid::ColoanaRedimensionata(int)
{}

void TQenCustomDrawGrid::SetTopRow(int r)
{
    verticalScrollBar()->setValue(r - m_fixedRows);
}

void TQenCustomDrawGrid::SetLeftCol(int c)
{
    horizontalScrollBar()->setValue(c - m_fixedCols);
}

QList<QPair<int, int>> TQenCustomDrawGrid::ColoaneVizibile() const
{
    return InVedere({m_latimi, m_fixedCols, m_leftCol}, viewport()->width());
}

QList<QPair<int, int>> TQenCustomDrawGrid::RanduriVizibile() const
{
    return InVedere({m_inaltimi, m_fixedRows, m_topRow}, viewport()->height());
}

QRect TQenCustomDrawGrid::CellRect(int c, int r) const
{
    if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount())
        return {};
    int x = -1, y = -1;
    for (const auto &[col, stanga] : ColoaneVizibile()) {
        if (col == c)
            x = stanga;
    }
    for (const auto &[rand, sus] : RanduriVizibile()) {
        if (rand == r)
            y = sus;
    }
    if (x < 0 || y < 0)
        return {};
    return QRect(x, y, m_latimi.at(c), m_inaltimi.at(r));
}

QPoint TQenCustomDrawGrid::MouseCoord(const QPoint &punct) const
{
    int c = -1, r = -1;
    for (const auto &[col, stanga] : ColoaneVizibile()) {
        if (punct.x() >= stanga && punct.x() < stanga + m_latimi.at(col))
            c = col;
    }
    for (const auto &[rand, sus] : RanduriVizibile()) {
        if (punct.y() >= sus && punct.y() < sus + m_inaltimi.at(rand))
            r = rand;
    }
    if (c < 0 || r < 0)
        return {-1, -1};
    return {c, r};
}

void TQenCustomDrawGrid::InvalidateCell(int c, int r)
{
    const QRect d = CellRect(c, r);
    if (!d.isEmpty())
        viewport()->update(d);
}

void TQenCustomDrawGrid::InvalidateRow(int r)
{
    for (const auto &[rand, sus] : RanduriVizibile()) {
        if (rand == r)
            viewport()->update(QRect(0, sus, viewport()->width(), m_inaltimi.at(r)));
    }
}

void TQenCustomDrawGrid::ActualizeazaBareDerulare()
{
    // The last cell at the far end of the view.
    const int randuri =
        PrimaPanaLa({m_inaltimi, m_fixedRows, m_topRow}, RowCount() - 1, viewport()->height()) - m_fixedRows;
    const int coloane =
        PrimaPanaLa({m_latimi, m_fixedCols, m_leftCol}, ColCount() - 1, viewport()->width()) - m_fixedCols;
    verticalScrollBar()->setRange(0, randuri);
    verticalScrollBar()->setPageStep(std::max(1, int(RanduriVizibile().size()) - m_fixedRows - 1));
    horizontalScrollBar()->setRange(0, coloane);
    horizontalScrollBar()->setPageStep(std::max(1, int(ColoaneVizibile().size()) - m_fixedCols - 1));
    m_topRow = m_fixedRows + verticalScrollBar()->value();
    m_leftCol = m_fixedCols + horizontalScrollBar()->value();
}

void TQenCustomDrawGrid::AduInVedere(int c, int r)
{
    if (r >= m_fixedRows) {
        const int sus = PrimaCuVedere({m_inaltimi, m_fixedRows, m_topRow}, r, viewport()->height());
        if (sus != m_topRow)
            SetTopRow(sus);
    }
    if (c >= m_fixedCols) {
        const int stanga = PrimaCuVedere({m_latimi, m_fixedCols, m_leftCol}, c, viewport()->width());
        if (stanga != m_leftCol)
            SetLeftCol(stanga);
    }
}

void TQenCustomDrawGrid::scrollContentsBy(int, int)
{
    m_topRow = m_fixedRows + verticalScrollBar()->value();
    m_leftCol = m_fixedCols + horizontalScrollBar()->value();
    viewport()->update();
}

void TQenCustomDrawGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    ActualizeazaBareDerulare();
}

void TQenCustomDrawGrid::DeseneazaCelula(QPainter &pictor, int, int, const QRect &dreptunghi,
                                         TQenStareCelula stare)
{
    const QPalette &p = palette();
    QColor fundal = stare.fix ? p.color(QPalette::Button) : p.color(QPalette::Base);
    if (stare.selectat)
        fundal = p.color(QPalette::Highlight);
    pictor.fillRect(dreptunghi, fundal);
    if (m_optiuni & (stare.fix ? TQenGridOptiune::goLiniiFixe : TQenGridOptiune::goLiniiDate)) {
        pictor.setPen(p.color(QPalette::Dark));
        pictor.drawLine(dreptunghi.topRight(), dreptunghi.bottomRight());
        pictor.drawLine(dreptunghi.bottomLeft(), dreptunghi.bottomRight());
    }
}

void TQenCustomDrawGrid::paintEvent(QPaintEvent *event)
{
    QPainter pictor(viewport());
    pictor.fillRect(event->rect(), palette().color(QPalette::Base));
    const QList<QPair<int, int>> coloane = ColoaneVizibile();
    for (const auto &[r, y] : RanduriVizibile()) {
        for (const auto &[c, x] : coloane) {
            const QRect d(x, y, m_latimi.at(c), m_inaltimi.at(r));
            if (!event->region().intersects(d))
                continue;
            pictor.save();
            pictor.setClipRect(d);
            DeseneazaCelula(pictor, c, r, d, {c == m_col && r == m_row, c < m_fixedCols || r < m_fixedRows});
            pictor.restore();
        }
    }
}

void TQenCustomDrawGrid::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int pagina = std::max(1, int(RanduriVizibile().size()) - m_fixedRows - 1);
    int c = m_col, r = m_row;
    switch (event->key()) {
    case Qt::Key_Up:
        --r;
        break;
    case Qt::Key_Down:
        ++r;
        break;
    case Qt::Key_Left:
        --c;
        break;
    case Qt::Key_Right:
        ++c;
        break;
    case Qt::Key_PageUp:
        r -= pagina;
        break;
    case Qt::Key_PageDown:
        r += pagina;
        break;
    case Qt::Key_Home:
        c = m_fixedCols;
        if (ctrl)
            r = m_fixedRows;
        break;
    case Qt::Key_End:
        c = ColCount() - 1;
        if (ctrl)
            r = RowCount() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    RuleazaActiune([&] { FocusCell(c, r); });
}

int TQenCustomDrawGrid::ColoanaDeRedimensionat(const QPoint &punct) const
{
    if (!(m_optiuni & TQenGridOptiune::goColSizing) ||
        punct.y() >= SumaFixa({m_inaltimi, m_fixedRows, m_topRow}))
        return -1;
    for (const auto &[c, x] : ColoaneVizibile()) {
        if (std::abs(punct.x() - (x + m_latimi.at(c))) <= kPragRedimensionare)
            return c;
    }
    return -1;
}

void TQenCustomDrawGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint punct = event->position().toPoint();
    m_redimensionata = ColoanaDeRedimensionat(punct);
    if (m_redimensionata >= 0) {
        m_xStartRedimensionare = punct.x();
        m_latimeStart = m_latimi.at(m_redimensionata);
        return;
    }
    const QPoint celula = MouseCoord(punct);
    if (celula.x() >= m_fixedCols && celula.y() >= m_fixedRows)
        RuleazaActiune([&] { FocusCell(celula.x(), celula.y()); });
}

void TQenCustomDrawGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint punct = event->position().toPoint();
    if (m_redimensionata >= 0) {
        SetColWidths(m_redimensionata, std::max(1, m_latimeStart + punct.x() - m_xStartRedimensionare));
        ColoanaRedimensionata(m_redimensionata);
        return;
    }
    if (ColoanaDeRedimensionat(punct) >= 0)
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
}

void TQenCustomDrawGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_redimensionata = -1;
}
