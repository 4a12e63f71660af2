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
    n = std::max(n, 1);
    if (n == ColCount())
        return;
    m_latimi.resize(n, m_latimeImplicita);
    Limiteaza();
}

void TQenCustomDrawGrid::SetRowCount(int n)
{
    n = std::max(n, 1);
    if (n == RowCount())
        return;
    m_inaltimi.resize(n, m_inaltimeImplicita);
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
    if (m_latimi.at(c) == latime)
        return;
    m_latimi[c] = std::max(latime, 0);
    ActualizeazaBareDerulare();
    viewport()->update();
}

void TQenCustomDrawGrid::SetRowHeights(int r, int inaltime)
{
    if (m_inaltimi.at(r) == inaltime)
        return;
    m_inaltimi[r] = std::max(inaltime, 0);
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

int TQenCustomDrawGrid::LatimeFixa() const
{
    int x = 0;
    for (int c = 0; c < m_fixedCols; ++c)
        x += m_latimi.at(c);
    return x;
}

int TQenCustomDrawGrid::InaltimeFixa() const
{
    int y = 0;
    for (int r = 0; r < m_fixedRows; ++r)
        y += m_inaltimi.at(r);
    return y;
}

QList<QPair<int, int>> TQenCustomDrawGrid::ColoaneVizibile() const
{
    QList<QPair<int, int>> coloane;
    const int latime = viewport()->width();
    int x = 0;
    for (int c = 0; c < m_fixedCols && x < latime; x += m_latimi.at(c), ++c)
        coloane.append({c, x});
    for (int c = m_leftCol; c < ColCount() && x < latime; x += m_latimi.at(c), ++c)
        coloane.append({c, x});
    return coloane;
}

QList<QPair<int, int>> TQenCustomDrawGrid::RanduriVizibile() const
{
    QList<QPair<int, int>> randuri;
    const int inaltime = viewport()->height();
    int y = 0;
    for (int r = 0; r < m_fixedRows && y < inaltime; y += m_inaltimi.at(r), ++r)
        randuri.append({r, y});
    for (int r = m_topRow; r < RowCount() && y < inaltime; y += m_inaltimi.at(r), ++r)
        randuri.append({r, y});
    return randuri;
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

int TQenCustomDrawGrid::RandSusMaxim() const
{
    const int spatiu = viewport()->height() - InaltimeFixa();
    int r = RowCount() - 1, y = m_inaltimi.at(r);
    while (r - 1 >= m_fixedRows && y + m_inaltimi.at(r - 1) <= spatiu) {
        --r;
        y += m_inaltimi.at(r);
    }
    return std::max(r, m_fixedRows);
}

int TQenCustomDrawGrid::ColoanaStangaMaxima() const
{
    const int spatiu = viewport()->width() - LatimeFixa();
    int c = ColCount() - 1, x = m_latimi.at(c);
    while (c - 1 >= m_fixedCols && x + m_latimi.at(c - 1) <= spatiu) {
        --c;
        x += m_latimi.at(c);
    }
    return std::max(c, m_fixedCols);
}

void TQenCustomDrawGrid::ActualizeazaBareDerulare()
{
    const int randuri = RandSusMaxim() - m_fixedRows;
    const int coloane = ColoanaStangaMaxima() - m_fixedCols;
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
        if (r < m_topRow) {
            SetTopRow(r);
        } else {
            // Up from r, the rows that fit below the fixed ones.
            const int spatiu = viewport()->height() - InaltimeFixa();
            int sus = r, y = m_inaltimi.at(r);
            while (sus - 1 >= m_fixedRows && y + m_inaltimi.at(sus - 1) <= spatiu)
                y += m_inaltimi.at(--sus);
            if (sus > m_topRow)
                SetTopRow(sus);
        }
    }
    if (c >= m_fixedCols) {
        if (c < m_leftCol) {
            SetLeftCol(c);
        } else {
            const int spatiu = viewport()->width() - LatimeFixa();
            int stanga = c, x = m_latimi.at(c);
            while (stanga - 1 >= m_fixedCols && x + m_latimi.at(stanga - 1) <= spatiu)
                x += m_latimi.at(--stanga);
            if (stanga > m_leftCol)
                SetLeftCol(stanga);
        }
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
    if (!(m_optiuni & TQenGridOptiune::goColSizing) || punct.y() >= InaltimeFixa())
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
