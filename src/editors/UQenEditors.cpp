#include "editors/UQenEditors.h"

#include <limits>
#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "editors/UTextNumeric.h"

// ---------------------------------------------------------------------------

TQenTextEditStyleRepository::TQenTextEditStyleRepository()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    const QColor alb(255, 255, 255);
    const QColor text(0, 0, 0);
    const QColor bordura(145, 155, 156);
    const QColor evidentiere(255, 199, 60);
    const QColor fundalReadOnly(240, 240, 240);
    const QColor textReadOnly(80, 80, 80);
    Stil(TQenStareVizuala::Cold) = {alb, text, bordura, 1, font};
    Stil(TQenStareVizuala::Hover) = {alb, text, evidentiere, 1, font};
    Stil(TQenStareVizuala::Hot) = {alb, text, evidentiere, 2, font};
    Stil(TQenStareVizuala::ReadOnlyCold) = {fundalReadOnly, textReadOnly, bordura, 1, font};
    Stil(TQenStareVizuala::ReadOnlyHover) = {fundalReadOnly, textReadOnly, evidentiere, 1, font};
    Stil(TQenStareVizuala::ReadOnlyHot) = {fundalReadOnly, textReadOnly, evidentiere, 2, font};
}

TQenTextEditStyleRepository &TQenTextEditStyleRepository::Implicit()
{
    // Made on first use, when the application (and its fonts) exist.
    static std::unique_ptr<TQenTextEditStyleRepository> implicit;
    if (!implicit)
        implicit = std::make_unique<TQenTextEditStyleRepository>();
    return *implicit;
}

// ---------------------------------------------------------------------------

TQenBaseControl::TQenBaseControl(QWidget *parent) : QWidget(parent)
{}

QString TQenBaseControl::Version() const
{
    return QStringLiteral("1.0");
}

// ---------------------------------------------------------------------------

TQenFieldBasedControl::TQenFieldBasedControl(QWidget *parent) : TQenBaseControl(parent)
{
    // Hovering is seen through mouse moves without a pressed button.
    setMouseTracking(true);
}

void TQenFieldBasedControl::SetReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    const Nivel nivel = NivelCurent();
    m_readOnly = readOnly;
    m_stare = TQenStareVizuala::Cold; // forces the change below
    TreciLa(nivel);
    update();
}

void TQenFieldBasedControl::SetStyleRepository(TQenTextEditStyleRepository *depozit)
{
    m_depozit = depozit;
    update();
}

const TQenTextEditStyleRepository &TQenFieldBasedControl::StyleRepository() const
{
    return m_depozit ? *m_depozit : TQenTextEditStyleRepository::Implicit();
}

TQenFieldBasedControl::Nivel TQenFieldBasedControl::NivelCurent() const
{
    switch (m_stare) {
    case TQenStareVizuala::Hover:
    case TQenStareVizuala::ReadOnlyHover:
        return Nivel::Hover;
    case TQenStareVizuala::Hot:
    case TQenStareVizuala::ReadOnlyHot:
        return Nivel::Hot;
    default:
        return Nivel::Cold;
    }
}

void TQenFieldBasedControl::TreciLa(Nivel nivel)
{
    static const TQenStareVizuala editabil[] = {TQenStareVizuala::Cold, TQenStareVizuala::Hover,
                                                TQenStareVizuala::Hot};
    static const TQenStareVizuala readOnly[] = {
        TQenStareVizuala::ReadOnlyCold, TQenStareVizuala::ReadOnlyHover, TQenStareVizuala::ReadOnlyHot};
    const TQenStareVizuala noua = (m_readOnly ? readOnly : editabil)[int(nivel)];
    if (noua == m_stare)
        return;
    m_stare = noua;
    update();
    emit StareVizualaSchimbata(m_stare);
}

void TQenFieldBasedControl::focusInEvent(QFocusEvent *event)
{
    TQenBaseControl::focusInEvent(event);
    TreciLa(Nivel::Hot);
}

void TQenFieldBasedControl::focusOutEvent(QFocusEvent *event)
{
    TQenBaseControl::focusOutEvent(event);
    TreciLa(Nivel::Cold);
}

void TQenFieldBasedControl::enterEvent(QEnterEvent *event)
{
    TQenBaseControl::enterEvent(event);
    if (NivelCurent() == Nivel::Cold)
        TreciLa(Nivel::Hover);
}

void TQenFieldBasedControl::leaveEvent(QEvent *event)
{
    // Qt says when the pointer leaves: no thread needs to watch for it.
    TQenBaseControl::leaveEvent(event);
    if (NivelCurent() == Nivel::Hover)
        TreciLa(Nivel::Cold);
}

void TQenFieldBasedControl::mouseMoveEvent(QMouseEvent *event)
{
    TQenBaseControl::mouseMoveEvent(event);
    const bool inauntru = rect().contains(event->position().toPoint());
    if (inauntru && NivelCurent() == Nivel::Cold)
        TreciLa(Nivel::Hover);
    else if (!inauntru && event->buttons() != Qt::NoButton && NivelCurent() == Nivel::Hover)
        TreciLa(Nivel::Cold);
}

void TQenFieldBasedControl::mouseReleaseEvent(QMouseEvent *event)
{
    // Releasing the button ends the control's hold on the mouse.
    TQenBaseControl::mouseReleaseEvent(event);
    if (event->buttons() == Qt::NoButton)
        TreciLa(hasFocus() ? Nivel::Hot : Nivel::Cold);
}

// ---------------------------------------------------------------------------

namespace {

bool EsteSfarsitDeCuvant(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('.');
}

QColor Deschisa(QColor culoare)
{
    // Halfway to white: the selection of a control that no longer has the focus.
    return QColor((culoare.red() + 255) / 2, (culoare.green() + 255) / 2, (culoare.blue() + 255) / 2);
}

} // namespace

TQenCustomTextEdit::TQenCustomTextEdit(QWidget *parent) : TQenFieldBasedControl(parent)
{
    resize(100, 24);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

QSize TQenCustomTextEdit::sizeHint() const
{
    return QSize(100, 24);
}

QSize TQenCustomTextEdit::minimumSizeHint() const
{
    return QSize(16, 16);
}

void TQenCustomTextEdit::SetText(const QString &text)
{
    Inlocuieste(text, -1);
}

void TQenCustomTextEdit::SetKeepSelection(bool valoare)
{
    m_keepSelection = valoare;
    update();
}

void TQenCustomTextEdit::SetRightAlignNonEdit(bool valoare)
{
    m_rightAlignNonEdit = valoare;
    update();
}

QString TQenCustomTextEdit::SelText() const
{
    return m_text.mid(SelStart(), qAbs(SelLength()));
}

void TQenCustomTextEdit::Selecteaza(int ancora, int caret)
{
    const int n = int(m_text.size());
    m_ancora = qBound(0, ancora, n);
    m_caret = qBound(0, caret, n);
    update();
}

bool TQenCustomTextEdit::Inlocuieste(QString candidat, int caret)
{
    if (!AcceptaText(candidat) || candidat == m_text)
        return false;
    m_text = candidat;
    m_caret = caret < 0 ? int(m_text.size()) : qMin(caret, int(m_text.size()));
    m_ancora = m_caret;
    update();
    emit OnChange();
    return true;
}

void TQenCustomTextEdit::InlocuiesteSelectia(const QString &cu)
{
    if (ReadOnly())
        return;
    const int inceput = SelStart();
    QString candidat = m_text;
    candidat.replace(inceput, qAbs(SelLength()), cu);
    Inlocuieste(candidat, inceput + int(cu.size()));
}

void TQenCustomTextEdit::CopyToClipboard() const
{
    if (SelLength() != 0)
        QGuiApplication::clipboard()->setText(SelText());
}

void TQenCustomTextEdit::CutToClipboard()
{
    if (SelLength() == 0 || ReadOnly())
        return;
    CopyToClipboard();
    InlocuiesteSelectia(QString());
}

void TQenCustomTextEdit::PasteFromClipboard()
{
    InlocuiesteSelectia(QGuiApplication::clipboard()->text());
}

bool TQenCustomTextEdit::AcceptaText(QString &text)
{
    // Before the control is shown its width is not yet its own.
    if (!isVisible())
        return true;
    const QFontMetrics metrici(StilCurent().Font);
    return metrici.horizontalAdvance(text) + 9 <= width();
}

QColor TQenCustomTextEdit::CuloareText() const
{
    return StilCurent().CuloareText;
}

void TQenCustomTextEdit::DeseneazaPesteText(QPainter &, int, const QRect &)
{}

int TQenCustomTextEdit::XText() const
{
    if (m_rightAlignNonEdit && !hasFocus()) {
        const QFontMetrics metrici(StilCurent().Font);
        return width() - 4 - metrici.horizontalAdvance(m_text);
    }
    return 4;
}

int TQenCustomTextEdit::PozitieX(int index) const
{
    const QFontMetrics metrici(StilCurent().Font);
    return XText() + metrici.horizontalAdvance(m_text.left(index));
}

int TQenCustomTextEdit::IndexLaX(int x) const
{
    // The character boundary nearest to x.
    int cel = 0;
    int distanta = qAbs(x - PozitieX(0));
    for (int i = 1; i <= m_text.size(); ++i) {
        const int d = qAbs(x - PozitieX(i));
        if (d < distanta) {
            distanta = d;
            cel = i;
        }
    }
    return cel;
}

void TQenCustomTextEdit::Muta(int caret, bool extinde)
{
    m_caret = qBound(0, caret, int(m_text.size()));
    if (!extinde)
        m_ancora = m_caret;
    update();
}

void TQenCustomTextEdit::FocusPeUrmatorul()
{
    // The next control of the parent in tab order, and only forward: the
    // last one keeps the focus.
    QWidget *parinte = parentWidget();
    if (!parinte)
        return;
    QWidget *w = nextInFocusChain();
    while (w && w != this) {
        if (w == window() || !parinte->isAncestorOf(w))
            return;
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
        w = w->nextInFocusChain();
    }
}

bool TQenCustomTextEdit::event(QEvent *event)
{
    // The editing keys belong to the edit, not to the window's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *tasta = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mod = tasta->modifiers() & ~Qt::KeypadModifier;
        const int k = tasta->key();
        const bool editare = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up ||
                             k == Qt::Key_Down || k == Qt::Key_Home || k == Qt::Key_End ||
                             k == Qt::Key_Backspace || k == Qt::Key_Delete || k == Qt::Key_Insert;
        const bool clipboard = mod == Qt::ControlModifier &&
                               (k == Qt::Key_C || k == Qt::Key_X || k == Qt::Key_V || k == Qt::Key_A);
        const bool caracter = (mod & ~Qt::ShiftModifier) == Qt::NoModifier && tasta->text().size() == 1 &&
                              tasta->text().at(0).unicode() >= 32 && tasta->text().at(0).unicode() != 127;
        if (editare || clipboard || caracter) {
            event->accept();
            return true;
        }
    }
    return TQenFieldBasedControl::event(event);
}

void TQenCustomTextEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mod = event->modifiers() & ~Qt::KeypadModifier;
    const bool shift = mod & Qt::ShiftModifier;
    const bool ctrl = mod & Qt::ControlModifier;
    const int n = int(m_text.size());
    const bool faraSelectie = SelLength() == 0;

    const auto cuvantInapoi = [this](int p) {
        while (p > 0 && EsteSfarsitDeCuvant(m_text.at(p - 1)))
            --p;
        while (p > 0 && !EsteSfarsitDeCuvant(m_text.at(p - 1)))
            --p;
        return p;
    };
    const auto cuvantInainte = [this, n](int p) {
        while (p < n && !EsteSfarsitDeCuvant(m_text.at(p)))
            ++p;
        while (p < n && EsteSfarsitDeCuvant(m_text.at(p)))
            ++p;
        return p;
    };
    const auto stanga = [&] {
        if (m_caret == 0 && faraSelectie)
            emit OnLeft();
        if (ctrl)
            Muta(cuvantInapoi(m_caret), shift);
        else if (!shift && !faraSelectie)
            Muta(SelStart(), false);
        else
            Muta(m_caret - 1, shift);
    };
    const auto dreapta = [&] {
        if (m_caret == n && faraSelectie)
            emit OnRight();
        if (ctrl)
            Muta(cuvantInainte(m_caret), shift);
        else if (!shift && !faraSelectie)
            Muta(SelStart() + qAbs(SelLength()), false);
        else
            Muta(m_caret + 1, shift);
    };

    switch (event->key()) {
    case Qt::Key_Left:
        stanga();
        return;
    case Qt::Key_Right:
        dreapta();
        return;
    case Qt::Key_Up:
        emit OnUp();
        Muta(ctrl ? cuvantInapoi(m_caret) : m_caret - 1, shift);
        return;
    case Qt::Key_Down:
        emit OnDown();
        Muta(ctrl ? cuvantInainte(m_caret) : m_caret + 1, shift);
        return;
    case Qt::Key_Home:
        Muta(0, shift);
        return;
    case Qt::Key_End:
        Muta(n, shift);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FocusPeUrmatorul();
        return;
    case Qt::Key_Backspace:
        if (ReadOnly())
            return;
        if (faraSelectie && m_caret > 0)
            Selecteaza(m_caret - 1, m_caret);
        InlocuiesteSelectia(QString());
        return;
    case Qt::Key_Delete:
        if (shift) {
            CutToClipboard();
        } else if (ctrl) {
            CopyToClipboard();
        } else if (!ReadOnly()) {
            if (faraSelectie && m_caret < n)
                Selecteaza(m_caret + 1, m_caret);
            InlocuiesteSelectia(QString());
        }
        return;
    case Qt::Key_Insert:
        if (shift)
            PasteFromClipboard();
        else if (ctrl)
            CopyToClipboard();
        return;
    default:
        break;
    }
    if (ctrl && !(mod & Qt::AltModifier)) {
        switch (event->key()) {
        case Qt::Key_C:
            CopyToClipboard();
            return;
        case Qt::Key_X:
            CutToClipboard();
            return;
        case Qt::Key_V:
            PasteFromClipboard();
            return;
        case Qt::Key_A:
            SelectAll();
            return;
        default:
            event->ignore();
            return;
        }
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        InlocuiesteSelectia(text);
        return;
    }
    TQenFieldBasedControl::keyPressEvent(event);
}

void TQenCustomTextEdit::focusInEvent(QFocusEvent *event)
{
    TQenFieldBasedControl::focusInEvent(event);
    if (m_autoSelectOnEnter)
        SelectAll();
    else
        Muta(int(m_text.size()), false);
}

void TQenCustomTextEdit::focusOutEvent(QFocusEvent *event)
{
    TQenFieldBasedControl::focusOutEvent(event);
    update();
}

void TQenCustomTextEdit::mousePressEvent(QMouseEvent *event)
{
    TQenFieldBasedControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        Muta(IndexLaX(int(event->position().x())), event->modifiers() & Qt::ShiftModifier);
}

void TQenCustomTextEdit::mouseMoveEvent(QMouseEvent *event)
{
    TQenFieldBasedControl::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton)
        Muta(IndexLaX(int(event->position().x())), true);
}

void TQenCustomTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    TQenFieldBasedControl::mouseDoubleClickEvent(event);
    SelectAll();
}

void TQenCustomTextEdit::paintEvent(QPaintEvent *)
{
    const TQenTextEditStyle &stil = StilCurent();
    QPainter pictor(this);
    pictor.fillRect(rect(), stil.CuloareFundal);
    if (stil.LatimeBordura > 0) {
        QPen creion(stil.CuloareBordura, stil.LatimeBordura);
        creion.setJoinStyle(Qt::MiterJoin);
        pictor.setPen(creion);
        const qreal jumatate = stil.LatimeBordura / 2.0;
        pictor.drawRect(QRectF(rect()).adjusted(jumatate, jumatate, -jumatate, -jumatate));
    }

    pictor.setFont(stil.Font);
    const QFontMetrics metrici(stil.Font);
    const int x = XText();
    const QRect zonaText(x, (height() - metrici.height()) / 2, metrici.horizontalAdvance(m_text),
                         metrici.height());
    pictor.setPen(CuloareText());
    pictor.drawText(QPoint(x, zonaText.top() + metrici.ascent()), m_text);

    const bool areFocus = hasFocus();
    if (SelLength() != 0 && (areFocus || m_keepSelection)) {
        const int inceput = SelStart();
        const int sfarsit = inceput + qAbs(SelLength());
        const QRect zona(PozitieX(inceput), zonaText.top(), PozitieX(sfarsit) - PozitieX(inceput),
                         zonaText.height());
        QColor fundal = palette().color(QPalette::Active, QPalette::Highlight);
        QColor text = palette().color(QPalette::Active, QPalette::HighlightedText);
        if (!areFocus) {
            fundal = Deschisa(fundal);
            text = palette().color(QPalette::Active, QPalette::Text);
        }
        pictor.fillRect(zona, fundal);
        pictor.setPen(text);
        pictor.drawText(QPoint(zona.left(), zonaText.top() + metrici.ascent()),
                        m_text.mid(inceput, sfarsit - inceput));
    }

    DeseneazaPesteText(pictor, x, zonaText);

    if (areFocus && !ReadOnly()) {
        pictor.setPen(stil.CuloareText);
        const int xc = PozitieX(m_caret);
        pictor.drawLine(xc, zonaText.top(), xc, zonaText.bottom());
    }
}

// ---------------------------------------------------------------------------

TQenTextEdit::TQenTextEdit(QWidget *parent) : TQenCustomTextEdit(parent)
{}

// ---------------------------------------------------------------------------

TQenNumEdit::TQenNumEdit(QWidget *parent) : TQenTextEdit(parent)
{
    SetRightAlignNonEdit(true);
}

qint64 TQenNumEdit::AsCurrency() const
{
    return TextNumeric::CitesteCurrency(Text());
}

void TQenNumEdit::SetAsCurrency(qint64 valoare)
{
    SetText(TextNumeric::ScrieCurrency(valoare));
}

qint64 TQenNumEdit::CuDouaZecimale() const
{
    return TextNumeric::CitesteCuZecimale(Text(), 2);
}

void TQenNumEdit::SetCuDouaZecimale(qint64 valoare)
{
    SetText(TextNumeric::ScrieCuZecimale(valoare, 2));
}

qint64 TQenNumEdit::CuPatruZecimale() const
{
    return TextNumeric::CitesteCuZecimale(Text(), 4);
}

void TQenNumEdit::SetCuPatruZecimale(qint64 valoare)
{
    SetText(TextNumeric::ScrieCuZecimale(valoare, 4));
}

qint64 TQenNumEdit::CuDoiPatruZecimale() const
{
    const qint64 sutimi = CuDouaZecimale();
    // Held at the limits rather than wrapped.
    if (sutimi > std::numeric_limits<qint64>::max() / 100)
        return std::numeric_limits<qint64>::max();
    if (sutimi < std::numeric_limits<qint64>::min() / 100)
        return std::numeric_limits<qint64>::min();
    return sutimi * 100;
}

void TQenNumEdit::SetCuDoiPatruZecimale(qint64 valoare)
{
    SetCuDouaZecimale(valoare / 100);
}

qint64 TQenNumEdit::FaraZecimale() const
{
    return TextNumeric::CitesteFaraZecimale(Text());
}

void TQenNumEdit::SetFaraZecimale(qint64 valoare)
{
    SetText(QString::number(valoare));
}

void TQenNumEdit::SetNoDots(bool valoare)
{
    m_noDots = valoare;
    update();
}

bool TQenNumEdit::AcceptaText(QString &text)
{
    return TextNumeric::Accepta(text, m_nrCifreDupaVirgula) && TQenTextEdit::AcceptaText(text);
}

QColor TQenNumEdit::CuloareText() const
{
    return Text().contains(QLatin1Char('-')) ? QColor(Qt::red) : TQenTextEdit::CuloareText();
}

void TQenNumEdit::DeseneazaPesteText(QPainter &pictor, int x, const QRect &zonaText)
{
    if (m_noDots)
        return;
    const QString text = Text();
    const QFontMetrics metrici(StilCurent().Font);
    pictor.setPen(QPen(QColor(Qt::blue), 1));
    for (const int i : TextNumeric::PozitiiMarcajeMii(text)) {
        const int dreapta = x + metrici.horizontalAdvance(text.left(i + 1));
        const int jos = zonaText.bottom();
        pictor.drawLine(dreapta - 2, jos, dreapta, jos);
        pictor.drawLine(dreapta, jos - 2, dreapta, jos);
    }
    const int virgula = TextNumeric::PozitieVirgula(text);
    if (virgula >= 0) {
        const int mijloc = x + metrici.horizontalAdvance(text.left(virgula)) +
                           metrici.horizontalAdvance(text.at(virgula)) / 2;
        pictor.setPen(QPen(QColor(Qt::red), 1));
        pictor.drawLine(mijloc, zonaText.top(), mijloc, zonaText.bottom());
    }
}
