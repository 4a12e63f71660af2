#include "controls/QenVirtualGrid.h"

#include <algorithm>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "controls/LargeFontScaler.h"
#include "controls/QenGridDesen.h"
#include "controls/UQenVGridEditorForm.h"

namespace {

using Tip = TQenTipDeDateColoana;

constexpr int kInaltimeRand = 24;
constexpr int kHeaderImplicit = 48;
constexpr int kCuloareHeader = 14482163;
constexpr int kIntensitateMaxima = 10;

// The right and bottom edges as the design counts them: one past the cell.
int Dreapta(const QRect &d)
{
    return d.x() + d.width();
}

int Jos(const QRect &d)
{
    return d.y() + d.height();
}

// Where a text of width w starts in the cell, by its alignment.
int XText(const QRect &d, int w, Qt::Alignment aliniere)
{
    if (aliniere & Qt::AlignRight)
        return Dreapta(d) - w - 2;
    if (aliniere & Qt::AlignHCenter)
        return d.x() + (d.width() - w) / 2;
    return d.x() + 2;
}

} // namespace

// ---- TQenCuloriColoana

TQenCuloriColoana::TQenCuloriColoana(TQenVirtualGridColumn *coloana) : m_coloana(coloana)
{
    const QPalette p = QGuiApplication::palette();
    m_fundalNormal = p.color(QPalette::Base);
    m_fundalSelectat = p.color(QPalette::Highlight);
    const QFont arial(QStringLiteral("Arial"), 9);
    m_fontNormal = {arial, p.color(QPalette::Text)};
    m_fontSelectat = {arial, p.color(QPalette::HighlightedText)};
}

void TQenCuloriColoana::Schimbat()
{
    m_coloana->Schimbat();
}

void TQenCuloriColoana::SetCuloareBackgroundNormal(const QColor &c)
{
    m_fundalNormal = c;
    Schimbat();
}

void TQenCuloriColoana::SetCuloareBackgroundSelectat(const QColor &c)
{
    m_fundalSelectat = c;
    Schimbat();
}

void TQenCuloriColoana::SetFontNormal(const TQenFont &f)
{
    m_fontNormal = f;
    Schimbat();
}

void TQenCuloriColoana::SetFontSelectat(const TQenFont &f)
{
    m_fontSelectat = f;
    Schimbat();
}

void TQenCuloriColoana::SetAliniere(Qt::Alignment a)
{
    m_aliniere = a;
    Schimbat();
}

void TQenCuloriColoana::SetActiv(bool activ)
{
    m_activ = activ;
    Schimbat();
}

// ---- lines

void TQenVirtualGridLine::SetStil(int stil)
{
    if (stil < 1 || stil > 10)
        throw Exceptie(QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    m_stil = stil;
}

TQenVirtualGridLine *TQenVirtualGridList::Add(std::unique_ptr<TQenVirtualGridLine> linie)
{
    m_grila->BeginUpdate();
    linie->m_lista = this;
    m_linii.push_back(std::move(linie));
    m_grila->EndUpdate();
    return m_linii.back().get();
}

void TQenVirtualGridList::Clear()
{
    m_grila->BeginUpdate();
    m_linii.clear();
    m_grila->EndUpdate();
}

// ---- columns

TQenVirtualGridColumn::TQenVirtualGridColumn(TQenVirtualGridColumns *coloane)
    : m_coloane(coloane), m_culoareHeader(CuloareDinNumar(kCuloareHeader))
{
    const TQenFont umbrela{QFont(QStringLiteral("Arial"), 8), QColor(0, 0, 128)};
    m_fontUmbrela = {umbrela, umbrela};
    for (auto &stil : m_stiluri)
        stil = std::make_unique<TQenCuloriColoana>(this);
    m_stiluri[0]->SetActiv(true);
}

TQenVirtualGrid *TQenVirtualGridColumn::Grila() const
{
    return m_coloane->Grila();
}

int TQenVirtualGridColumn::Index() const
{
    return m_coloane->IndexOf(this);
}

void TQenVirtualGridColumn::Schimbat()
{
    // Styles are made before the column joins its collection.
    if (Index() >= 0)
        Grila()->viewport()->update();
}

void TQenVirtualGridColumn::SetNumeColoana(const QString &nume)
{
    m_nume = nume;
    Schimbat();
}

void TQenVirtualGridColumn::SetWidth(int width)
{
    m_width = width;
    Grila()->BeginUpdate();
    Grila()->EndUpdate();
}

void TQenVirtualGridColumn::SetTipDeDate(TQenTipDeDateColoana tip)
{
    m_tip = tip;
    Schimbat();
}

void TQenVirtualGridColumn::SetUmbrela1(const QString &text)
{
    m_umbrela[0] = text;
    Schimbat();
}

void TQenVirtualGridColumn::SetUmbrela2(const QString &text)
{
    m_umbrela[1] = text;
    Schimbat();
}

void TQenVirtualGridColumn::SetCuloareHeader(const QColor &c)
{
    m_culoareHeader = c;
    Schimbat();
}

void TQenVirtualGridColumn::SetAliniereTextInHeader(Qt::Alignment a)
{
    m_aliniereHeader = a;
    Schimbat();
}

void TQenVirtualGridColumn::SetFontUmbrela1(const TQenFont &f)
{
    m_fontUmbrela[0] = f;
    Schimbat();
}

void TQenVirtualGridColumn::SetFontUmbrela2(const TQenFont &f)
{
    m_fontUmbrela[1] = f;
    Schimbat();
}

void TQenVirtualGridColumn::SetCuloareUmbrela1(const std::optional<QColor> &c)
{
    m_culoareUmbrela[0] = c;
    Schimbat();
}

void TQenVirtualGridColumn::SetCuloareUmbrela2(const std::optional<QColor> &c)
{
    m_culoareUmbrela[1] = c;
    Schimbat();
}

const TQenCuloriColoana &TQenVirtualGridColumn::Stil(int n) const
{
    if (n < 1 || n > 10)
        throw Exceptie(QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    return *m_stiluri[size_t(n - 1)];
}

TQenCuloriColoana &TQenVirtualGridColumn::Stil(int n)
{
    return const_cast<TQenCuloriColoana &>(std::as_const(*this).Stil(n));
}

int TQenVirtualGridColumns::IndexOf(const TQenVirtualGridColumn *coloana) const
{
    for (size_t i = 0; i < m_coloane.size(); ++i) {
        if (m_coloane[i].get() == coloana)
            return int(i);
    }
    return -1;
}

TQenVirtualGridColumn *TQenVirtualGridColumns::Add()
{
    m_grila->BeginUpdate();
    m_coloane.push_back(std::make_unique<TQenVirtualGridColumn>(this));
    m_grila->EndUpdate();
    m_grila->PosteazaRearanjare();
    return m_coloane.back().get();
}

void TQenVirtualGridColumns::Delete(int i)
{
    m_grila->BeginUpdate();
    m_coloane.erase(m_coloane.begin() + i);
    m_grila->EndUpdate();
    m_grila->PosteazaRearanjare();
}

// ---- the grid

TQenVirtualGrid::TQenVirtualGrid(QWidget *parent) : TQenCustomDrawGrid(parent)
{
    // Every cell line is drawn here; the base only lets columns be dragged.
    SetOptions(TQenGridOptiune::goColSizing);
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &TQenVirtualGrid::TickTack);
    Rearanjeaza();
    SetHeaderHeight(kHeaderImplicit);
}

TQenVirtualGrid::~TQenVirtualGrid()
{
    m_distrugere = true;
    m_ticker.stop();
    m_celuleFierbinti.clear();
    delete m_editor.data();
}

int TQenVirtualGrid::HeaderHeight() const
{
    if (RowCount() < 1 || ColCount() < 1)
        return -1;
    return RowHeights(0);
}

void TQenVirtualGrid::SetHeaderHeight(int inaltime)
{
    if (RowCount() >= 1 && ColCount() >= 1)
        SetRowHeights(0, inaltime);
}

void TQenVirtualGrid::SetNrColoaneFixe(int n)
{
    m_nrColoaneFixe = n;
    BeginUpdate();
    EndUpdate();
}

void TQenVirtualGrid::SetOptiuni(TQenOptiuniGrila optiuni)
{
    m_optiuni = optiuni;
    viewport()->update();
}

void TQenVirtualGrid::BeginUpdate()
{
    ++m_nivelActualizare;
}

void TQenVirtualGrid::EndUpdate()
{
    if (m_nivelActualizare == 0)
        throw Exceptie(QStringLiteral("EndUpdate fara BeginUpdate"));
    if (--m_nivelActualizare == 0)
        Rearanjeaza();
}

void TQenVirtualGrid::PosteazaRearanjare()
{
    // Queued on this grid: dropped if the grid goes first.
    QMetaObject::invokeMethod(
        this, [this] { Rearanjeaza(); }, Qt::QueuedConnection);
}

int TQenVirtualGrid::ScaleazaPixeli(int pixeli) const
{
    return ::ScaleazaPixeli(pixeli, RaportScalare(), logicalDpiY());
}

void TQenVirtualGrid::Rearanjeaza()
{
    SetFixedRows(0);
    SetFixedCols(0);
    if (m_distrugere)
        return;
    const int coloane = std::max(m_coloane.Count(), 1);
    SetColCount(coloane);
    SetRowCount(m_linii.Count() + 1);
    for (int i = 0; i < m_coloane.Count(); ++i)
        SetColWidths(i, ScaleazaPixeli(m_coloane.Items(i)->Width()));
    const int inaltimeImplicita = ScaleazaPixeli(kInaltimeRand);
    for (int i = 0; i < m_linii.Count(); ++i) {
        const int proprie = m_linii.Items(i)->Inaltime;
        SetRowHeights(i + 1, proprie == 0 ? inaltimeImplicita : ScaleazaPixeli(proprie));
    }
    if (RowCount() > 1)
        SetFixedRows(1);
    if (m_nrColoaneFixe < coloane)
        SetFixedCols(m_nrColoaneFixe);
    else if (coloane > 1)
        SetFixedCols(1);
    viewport()->update();
    emit Rearanjat();
}

QString TQenVirtualGrid::TextCelula(int coloana, TQenVirtualGridLine *linie)
{
    const TQenVirtualGridColumn *col = m_coloane.Items(coloana);
    QString text;
    if (col->OnGetText) {
        col->OnGetText(linie, text);
        return text;
    }
    TQenValoareDate valoare;
    if (!OnGetCellValue)
        return QLatin1String(kFaraDate);
    OnGetCellValue(linie, coloana, valoare);
    if (valoare.Tip() == Tip::Ask)
        return QLatin1String(kFaraDate);
    VerificaTipColoana(col->TipDeDate(), valoare, col->NumeColoana());
    text = TextValoare(valoare);
    if (OnCustomText)
        OnCustomText(linie, valoare, text, coloana);
    return text;
}

void TQenVirtualGrid::paintEvent(QPaintEvent *event)
{
    m_eroarePictare.clear();
    TQenCustomDrawGrid::paintEvent(event);
    if (m_eroarePictare.isEmpty()) {
        m_ultimaEroare.clear();
    } else if (m_eroarePictare != m_ultimaEroare) {
        m_ultimaEroare = m_eroarePictare;
        Mesaje().EroareAmanata(m_eroarePictare);
    }
}

void TQenVirtualGrid::DeseneazaCelula(QPainter &pictor, int c, int r, const QRect &dreptunghi,
                                      TQenStareCelula stare)
{
    // A client's failure leaves its cell blank and is reported after the paint.
    try {
        if (r == 0)
            DeseneazaHeader(pictor, c, dreptunghi);
        else
            DeseneazaDate(pictor, c, r, dreptunghi, stare.selectat);
    } catch (...) {
        if (m_eroarePictare.isEmpty())
            m_eroarePictare = MesajExceptieCurenta();
    }
}

void TQenVirtualGrid::DeseneazaText(QPainter &pictor, const QRect &d, const QString &text,
                                    Qt::Alignment aliniere, int margine)
{
    const QFontMetrics fm(pictor.font());
    pictor.save();
    pictor.setClipRect(d.adjusted(margine, 1, -margine, -1), Qt::IntersectClip);
    const int y = d.y() + (d.height() - fm.height()) / 2;
    pictor.drawText(XText(d, fm.horizontalAdvance(text), aliniere), y + fm.ascent(), text);
    pictor.restore();
}

void TQenVirtualGrid::DeseneazaMargini(QPainter &pictor, const QRect &d, const QColor &linie, bool verticale,
                                       bool orizontale)
{
    pictor.setPen(linie);
    const int dreapta = Dreapta(d) - 1, jos = Jos(d) - 1;
    if (orizontale) {
        pictor.drawLine(d.x(), d.y(), dreapta, d.y());
        pictor.drawLine(d.x(), jos, dreapta, jos);
    }
    if (verticale)
        pictor.drawLine(dreapta, d.y(), dreapta, jos);
}

void TQenVirtualGrid::DeseneazaDate(QPainter &pictor, int c, int r, const QRect &d, bool selectat)
{
    const QPalette &p = palette();
    QColor fundal = p.color(QPalette::Base);
    TQenFont font{this->font(), p.color(QPalette::Text)};
    QString text;
    Qt::Alignment aliniere = Qt::AlignLeft;
    TQenVirtualGridLine *linie = r - 1 < m_linii.Count() ? m_linii.Items(r - 1) : nullptr;
    if (c < m_coloane.Count() && linie) {
        const TQenVirtualGridColumn *col = m_coloane.Items(c);
        std::array<bool, 10> active{};
        for (int s = 1; s <= 10; ++s)
            active[size_t(s - 1)] = col->Stil(s).Activ();
        const TQenCuloriColoana &stil = col->Stil(AlegeStil(linie->Stil(), active));
        fundal = selectat ? stil.CuloareBackgroundSelectat() : stil.CuloareBackgroundNormal();
        font = selectat ? stil.FontSelectat() : stil.FontNormal();
        if (!selectat) {
            fundal = linie->CuloareFundal.value_or(fundal);
            font.Culoare = linie->CuloareText.value_or(font.Culoare);
        }
        AplicaAtribute(font.Font, linie->Atribute);
        text = TextCelula(c, linie);
        aliniere = stil.Aliniere();
    }
    if (!selectat && linie && OnFormatCell)
        OnFormatCell(linie, c, font, fundal);
    if (!selectat) {
        for (const TQenCelulaGrid &h : m_celuleFierbinti) {
            if (h.Coloana == c && h.Rand == r)
                fundal = CuloareFierbinte(fundal, h.Intensitate);
        }
    }
    if ((m_optiuni & TQenOptiuneGrila::goSelectezLinia) && r == Row())
        fundal = p.color(QPalette::Highlight);
    pictor.fillRect(d, fundal);
    const QColor culoareLinie = p.color(c < FixedCols() ? QPalette::Text : QPalette::Dark);
    if (c == FixedCols() - 1) {
        const QList<QColor> umbra = AmestecCulori(fundal, culoareLinie, 4);
        for (int i = 0; i < 5; ++i) {
            pictor.setPen(umbra.at(i));
            const int x = Dreapta(d) - 5 + i;
            pictor.drawLine(x, d.y(), x, Jos(d) - 1);
        }
    }
    DeseneazaMargini(pictor, d, culoareLinie, !(m_optiuni & TQenOptiuneGrila::goNuAfisezLiniiVerticale),
                     !(m_optiuni & TQenOptiuneGrila::goNuAfisezLiniiOrizontale));
    pictor.setFont(font.Font);
    pictor.setPen(font.Culoare);
    DeseneazaText(pictor, d, text, aliniere, 2);
}

int TQenVirtualGrid::DeseneazaUmbrela(QPainter &pictor, int c, const QRect &d, int y, int care,
                                      QColor &fundalUmbra)
{
    QStringList texte;
    for (int i = 0; i < m_coloane.Count(); ++i)
        texte.append(care == 0 ? m_coloane.Items(i)->Umbrela1() : m_coloane.Items(i)->Umbrela2());
    const TRulajUmbrela rulaj = RulajUmbrela(texte, c);
    const TQenVirtualGridColumn *prima = m_coloane.Items(rulaj.prima);
    const TQenFont &font = care == 0 ? prima->FontUmbrela1() : prima->FontUmbrela2();
    const std::optional<QColor> &culoare = care == 0 ? prima->CuloareUmbrela1() : prima->CuloareUmbrela2();

    // The run's edges, counted from this cell by the column widths.
    int stanga = d.x(), dreapta = Dreapta(d);
    for (int i = rulaj.prima; i < c; ++i)
        stanga -= ColWidths(i);
    for (int i = c + 1; i <= rulaj.ultima; ++i)
        dreapta += ColWidths(i);

    const QFontMetrics fm(font.Font);
    const QRect zona(d.x(), y, d.width(), Jos(d) - y);
    pictor.fillRect(zona, culoare.value_or(m_coloane.Items(c)->CuloareHeader()));
    if (culoare)
        fundalUmbra = *culoare;
    const QString text = TextUmbrela(texte.at(c));
    pictor.save();
    pictor.setClipRect(zona, Qt::IntersectClip);
    pictor.setFont(font.Font);
    pictor.setPen(font.Culoare);
    pictor.drawText(stanga + (dreapta - stanga - fm.horizontalAdvance(text)) / 2, y + fm.ascent(), text);
    pictor.restore();

    const int inaltime = fm.height();
    pictor.setPen(palette().color(QPalette::Text));
    pictor.drawLine(d.x(), y, Dreapta(d) - 1, y);
    if (c == 0 && rulaj.prima == 0)
        pictor.drawLine(d.x(), y, d.x(), y + inaltime - 1);
    if (rulaj.ultima == c)
        pictor.drawLine(Dreapta(d) - 1, y, Dreapta(d) - 1, y + inaltime - 1);
    return inaltime;
}

void TQenVirtualGrid::DeseneazaHeader(QPainter &pictor, int c, const QRect &d)
{
    const bool eColoana = c < m_coloane.Count();
    const TQenVirtualGridColumn *col = eColoana ? m_coloane.Items(c) : nullptr;
    const QColor fundal = eColoana ? col->CuloareHeader() : CuloareDinNumar(kCuloareHeader);
    TQenFont fontTitlu{font(), palette().color(QPalette::Text)};
    if (eColoana) {
        fontTitlu = col->Stil(1).FontNormal();
        fontTitlu.Font.setPointSize(std::max(fontTitlu.Font.pointSize() - 2, 8));
    }
    pictor.fillRect(d, fundal);
    const QColor culoareLinie = palette().color(QPalette::Text);

    int y = d.y();
    QColor fundalUmbra = fundal;
    if (eColoana && !col->Umbrela1().isEmpty()) {
        y += DeseneazaUmbrela(pictor, c, d, y, 0, fundalUmbra);
        if (!col->Umbrela2().isEmpty())
            y += DeseneazaUmbrela(pictor, c, d, y, 1, fundalUmbra);
    }

    const QList<QColor> umbra = AmestecCulori(fundalUmbra, culoareLinie, 4);
    for (int i = 0; i < 5; ++i) {
        pictor.setPen(umbra.at(i));
        const int linie = Jos(d) - 5 + i;
        if (c >= FixedCols()) {
            pictor.drawLine(d.x(), linie, Dreapta(d) - 1, linie);
        } else if (c == FixedCols() - 1) {
            const int x = Dreapta(d) - 5 + i;
            pictor.drawLine(x, linie, Dreapta(d) - 1, linie);
            pictor.drawLine(x, linie, x, Jos(d) - 1);
        }
    }
    DeseneazaMargini(pictor, d, culoareLinie, true,
                     c == 0 || !(m_optiuni & TQenOptiuneGrila::goNuAfisezLiniiOrizontale));

    if (!eColoana)
        return;
    const QFontMetrics fm(fontTitlu.Font);
    const QStringList linii = ImparteTitlu(col->NumeColoana(), d.width() - 7,
                                           [&fm](const QString &t) { return fm.horizontalAdvance(t); });
    int sus = y + (Jos(d) - y - int(linii.size()) * fm.height()) / 2;
    pictor.save();
    pictor.setClipRect(d.adjusted(3, 0, -3, 0), Qt::IntersectClip);
    pictor.setFont(fontTitlu.Font);
    pictor.setPen(fontTitlu.Culoare);
    for (const QString &linie : linii) {
        pictor.drawText(XText(d, fm.horizontalAdvance(linie), col->AliniereTextInHeader()), sus + fm.ascent(),
                        linie);
        sus += fm.height();
    }
    pictor.restore();
}

void TQenVirtualGrid::CelulaCurentaSchimbata(int, int randVechi)
{
    if ((m_optiuni & TQenOptiuneGrila::goSelectezLinia) && randVechi != Row()) {
        InvalidateRow(randVechi);
        InvalidateRow(Row());
    }
}

void TQenVirtualGrid::ColoanaRedimensionata(int c)
{
    // The dragged width, back before scaling, so that the next re-layout keeps it.
    if (c < m_coloane.Count()) {
        const TRaportScalare &r = RaportScalare();
        m_coloane.Items(c)->m_width = qRound(double(ColWidths(c)) * 96 / logicalDpiY() * r.D / r.N);
    }
}

// ---- hover highlight

bool TQenVirtualGrid::SubMouse(const TQenCelulaGrid &celula) const
{
    if (m_optiuni & TQenOptiuneGrila::goSelectezLinia)
        return celula.Rand == m_celulaMouse.y();
    return celula.Coloana == m_celulaMouse.x() && celula.Rand == m_celulaMouse.y();
}

void TQenVirtualGrid::MarcheazaFierbinte(int c, int r)
{
    auto gasita = std::find_if(m_celuleFierbinti.begin(), m_celuleFierbinti.end(),
                               [c, r](const TQenCelulaGrid &h) { return h.Coloana == c && h.Rand == r; });
    if (gasita != m_celuleFierbinti.end()) {
        if (gasita->Intensitate == kIntensitateMaxima)
            return;
        gasita->Intensitate = kIntensitateMaxima;
    } else {
        m_celuleFierbinti.append({c, r, kIntensitateMaxima});
        if (!m_ticker.isActive())
            m_ticker.start();
    }
    InvalidateCell(c, r);
}

void TQenVirtualGrid::mouseMoveEvent(QMouseEvent *event)
{
    TQenCustomDrawGrid::mouseMoveEvent(event);
    m_celulaMouse = MouseCoord(event->position().toPoint());
    const int c = m_celulaMouse.x(), r = m_celulaMouse.y();
    if (c < FixedCols() || r < 1)
        return;
    if (m_optiuni & TQenOptiuneGrila::goSelectezLinia) {
        for (int i = FixedCols(); i < ColCount(); ++i)
            MarcheazaFierbinte(i, r);
    } else {
        MarcheazaFierbinte(c, r);
    }
}

bool TQenVirtualGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Leave)
        m_celulaMouse = {-1, -1};
    return TQenCustomDrawGrid::viewportEvent(event);
}

void TQenVirtualGrid::TickTack()
{
    for (qsizetype i = 0; i < m_celuleFierbinti.size();) {
        TQenCelulaGrid &h = m_celuleFierbinti[i];
        if (!SubMouse(h)) {
            h.Intensitate -= 2;
            InvalidateCell(h.Coloana, h.Rand);
            if (h.Intensitate <= 0) {
                m_celuleFierbinti.removeAt(i);
                continue;
            }
        } else if (h.Intensitate != kIntensitateMaxima) {
            h.Intensitate = kIntensitateMaxima;
            InvalidateCell(m_celulaMouse.x(), m_celulaMouse.y());
        }
        ++i;
    }
    // Nothing left to fade: the ticker rests until the next hot cell.
    if (m_celuleFierbinti.isEmpty())
        m_ticker.stop();
}

// ---- editing

void TQenVirtualGrid::keyPressEvent(QKeyEvent *event)
{
    const int k = event->key();
    const Qt::KeyboardModifiers mod = event->modifiers();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        if (Col() >= FixedCols() && Row() > 0) {
            RuleazaActiune([this] { Editeaza(std::nullopt); });
            return;
        }
        TQenCustomDrawGrid::keyPressEvent(event);
        return;
    }
    // Digits, letters, the keypad's digits and operators and F1 to F11 start
    // editing with what they type; shortcuts with Ctrl or Alt do not.
    const bool tastaturaNumerica = mod & Qt::KeypadModifier;
    const bool operatorNumeric =
        tastaturaNumerica && (k == Qt::Key_Asterisk || k == Qt::Key_Plus || k == Qt::Key_Minus ||
                              k == Qt::Key_Period || k == Qt::Key_Comma || k == Qt::Key_Slash);
    const bool porneste = !(mod & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                          ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z) ||
                           operatorNumeric || (k >= Qt::Key_F1 && k <= Qt::Key_F11));
    if (!porneste) {
        TQenCustomDrawGrid::keyPressEvent(event);
        return;
    }
    if (Row() == 0 || m_linii.Count() == 0)
        return;
    QString tastat = event->text().left(2);
    if (tastaturaNumerica && k >= Qt::Key_0 && k <= Qt::Key_9)
        tastat = QString(QChar(k));
    RuleazaActiune([&] { Editeaza(tastat.isEmpty() ? std::nullopt : std::optional<QString>(tastat)); });
}

void TQenVirtualGrid::Editeaza(const std::optional<QString> &tastat)
{
    const int c = Col(), r = Row();
    if (r < 1 || r - 1 >= m_linii.Count() || c >= m_coloane.Count() || !OnGetCellValue || m_editor)
        return;
    TQenVirtualGridLine *linie = m_linii.Items(r - 1);
    TQenValoareDate valoare;
    OnGetCellValue(linie, c, valoare);
    if (int(valoare.Tip()) >= int(Tip::Auto))
        return;
    bool permis = true;
    if (OnPotEdita)
        OnPotEdita(linie, c, permis);
    if (!permis)
        return;
    const TQenVirtualGridColumn *col = m_coloane.Items(c);
    if (col->OnApeleazaEditor) {
        bool folosesteEditorul = false;
        col->OnApeleazaEditor(linie, folosesteEditorul);
        if (!folosesteEditorul)
            return;
    }

    auto editor = std::make_unique<TQenVGridEditorForm>(this);
    editor->Incarca(valoare, tastat);
    FocusCell(c, r);
    const QRect celula = CellRect(c, r);
    editor->Plaseaza(QRect(viewport()->mapToGlobal(celula.topLeft()), celula.size()), ColWidths(c));
    editor->setAttribute(Qt::WA_DeleteOnClose);
    m_editor = editor.release();
    connect(m_editor, &QDialog::finished, this, [this, c, r, linie, e = m_editor.data()](int rezultat) {
        if (rezultat == QDialog::Accepted)
            RuleazaActiune([&] { EditorInchis(c, r, linie, e->Valoare()); });
        setFocus(Qt::OtherFocusReason);
    });
    m_editor->open();
    m_editor->setFocus(Qt::OtherFocusReason);
}

void TQenVirtualGrid::EditorInchis(int coloana, int rand, TQenVirtualGridLine *linie,
                                   const TQenValoareDate &valoare)
{
    // The client may have changed its lines while the editor was open.
    if (rand - 1 >= m_linii.Count() || m_linii.Items(rand - 1) != linie || coloana >= m_coloane.Count())
        return;
    if (OnSetCellValue)
        OnSetCellValue(linie, coloana, valoare);
    viewport()->update();
}
