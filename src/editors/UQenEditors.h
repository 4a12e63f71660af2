#pragma once

#include <array>

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

// The six visual states of a field-based control: three for editable use
// and their read-only counterparts.
enum class TQenStareVizuala { Cold, Hover, Hot, ReadOnlyCold, ReadOnlyHover, ReadOnlyHot };

// Colours, border and font of one visual state.
struct TQenTextEditStyle
{
    QColor CuloareFundal;
    QColor CuloareText;
    QColor CuloareBordura;
    int LatimeBordura = 1;
    QFont Font;
};

// The styles of the six states. Controls without a repository of their own
// share the default one, made on first use (Arial, 9 points).
class TQenTextEditStyleRepository
{
public:
    TQenTextEditStyleRepository();

    TQenTextEditStyle &Stil(TQenStareVizuala stare) { return m_stiluri[size_t(stare)]; }
    const TQenTextEditStyle &Stil(TQenStareVizuala stare) const { return m_stiluri[size_t(stare)]; }

    static TQenTextEditStyleRepository &Implicit();

private:
    std::array<TQenTextEditStyle, 6> m_stiluri;
};

// A custom-drawn control of the maker's component library.
class TQenBaseControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version STORED false)

public:
    explicit TQenBaseControl(QWidget *parent = nullptr);

    QString Version() const;
};

// A control with focus and hover states, each drawn in its own style.
class TQenFieldBasedControl : public TQenBaseControl
{
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TQenFieldBasedControl(QWidget *parent = nullptr);

    TQenStareVizuala StareVizuala() const { return m_stare; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    // nullptr returns to the shared default repository; not owned.
    void SetStyleRepository(TQenTextEditStyleRepository *depozit);
    const TQenTextEditStyleRepository &StyleRepository() const;
    const TQenTextEditStyle &StilCurent() const { return StyleRepository().Stil(m_stare); }

signals:
    void StareVizualaSchimbata(TQenStareVizuala stare);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Nivel { Cold, Hover, Hot };
    Nivel NivelCurent() const;
    void TreciLa(Nivel nivel);

    TQenStareVizuala m_stare = TQenStareVizuala::Cold;
    bool m_readOnly = false;
    TQenTextEditStyleRepository *m_depozit = nullptr;
};

// A one-line text edit drawn by itself: its text, a caret and a selection
// (a signed length from the caret). Every candidate text, typed, pasted,
// deleted or assigned, passes AcceptaText first.
class TQenCustomTextEdit : public TQenFieldBasedControl
{
    Q_OBJECT

public:
    explicit TQenCustomTextEdit(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QString Text() const { return m_text; }
    // An accepted, different text puts the caret at its end and fires OnChange.
    void SetText(const QString &text);

    bool KeepSelection() const { return m_keepSelection; }
    void SetKeepSelection(bool valoare);
    bool RightAlignNonEdit() const { return m_rightAlignNonEdit; }
    void SetRightAlignNonEdit(bool valoare);
    bool AutoSelectOnEnter() const { return m_autoSelectOnEnter; }
    void SetAutoSelectOnEnter(bool valoare) { m_autoSelectOnEnter = valoare; }

    int CaretPos() const { return m_caret; }
    // Signed: the selection runs from the caret to CaretPos() + SelLength().
    int SelLength() const { return m_ancora - m_caret; }
    int SelStart() const { return qMin(m_caret, m_ancora); }
    QString SelText() const;
    // Puts the caret at `caret` and selects up to `ancora`.
    void Selecteaza(int ancora, int caret);
    void SelectAll() { Selecteaza(0, int(m_text.size())); }

    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();

signals:
    void OnChange();
    void OnLeft();
    void OnRight();
    void OnUp();
    void OnDown();

protected:
    // Whether the candidate may become the text; may adjust it. The base
    // rule: the text, in the current state's font, stays at least 9 pixels
    // narrower than the control (checked once the control is shown, when it
    // has its real width).
    virtual bool AcceptaText(QString &text);
    virtual QColor CuloareText() const;
    // Drawn over the text; x is where the text starts.
    virtual void DeseneazaPesteText(QPainter &pictor, int x, const QRect &zonaText);

    int PozitieX(int index) const;
    int XText() const;

    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Takes the candidate if accepted and different; the caret then goes to `caret`.
    bool Inlocuieste(QString candidat, int caret);
    void InlocuiesteSelectia(const QString &cu);
    void Muta(int caret, bool extinde);
    int IndexLaX(int x) const;
    void FocusPeUrmatorul();

    QString m_text;
    int m_caret = 0;
    int m_ancora = 0;
    bool m_keepSelection = false;
    bool m_rightAlignNonEdit = false;
    bool m_autoSelectOnEnter = true;
};

// The text edit with its properties published.
class TQenTextEdit : public TQenCustomTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY OnChange)
    Q_PROPERTY(bool KeepSelection READ KeepSelection WRITE SetKeepSelection)
    Q_PROPERTY(bool RightAlignNonEdit READ RightAlignNonEdit WRITE SetRightAlignNonEdit)
    Q_PROPERTY(bool AutoSelectOnEnter READ AutoSelectOnEnter WRITE SetAutoSelectOnEnter)

public:
    explicit TQenTextEdit(QWidget *parent = nullptr);
};

// A number edit: digits, one decimal comma and a leading minus; its numeric
// properties read and write the text. Negative numbers show in red; thousands
// marks and a red line at the comma help reading.
class TQenNumEdit : public TQenTextEdit
{
    Q_OBJECT
    Q_PROPERTY(qint64 AsCurrency READ AsCurrency WRITE SetAsCurrency)
    Q_PROPERTY(qint64 CuDouaZecimale READ CuDouaZecimale WRITE SetCuDouaZecimale)
    Q_PROPERTY(qint64 CuPatruZecimale READ CuPatruZecimale WRITE SetCuPatruZecimale)
    Q_PROPERTY(qint64 CuDoiPatruZecimale READ CuDoiPatruZecimale WRITE SetCuDoiPatruZecimale)
    Q_PROPERTY(qint64 FaraZecimale READ FaraZecimale WRITE SetFaraZecimale)
    Q_PROPERTY(int NrCifreDupaVirgula READ NrCifreDupaVirgula WRITE SetNrCifreDupaVirgula)
    Q_PROPERTY(bool NoDots READ NoDots WRITE SetNoDots)

public:
    explicit TQenNumEdit(QWidget *parent = nullptr);

    // Ten-thousandths; written with two decimals, truncated.
    qint64 AsCurrency() const;
    void SetAsCurrency(qint64 valoare);
    // Hundredths.
    qint64 CuDouaZecimale() const;
    void SetCuDouaZecimale(qint64 valoare);
    // Ten-thousandths, four decimals.
    qint64 CuPatruZecimale() const;
    void SetCuPatruZecimale(qint64 valoare);
    // Ten-thousandths through hundredths.
    qint64 CuDoiPatruZecimale() const;
    void SetCuDoiPatruZecimale(qint64 valoare);
    qint64 FaraZecimale() const;
    void SetFaraZecimale(qint64 valoare);

    int NrCifreDupaVirgula() const { return m_nrCifreDupaVirgula; }
    void SetNrCifreDupaVirgula(int valoare) { m_nrCifreDupaVirgula = valoare; }
    bool NoDots() const { return m_noDots; }
    void SetNoDots(bool valoare);

protected:
    bool AcceptaText(QString &text) override;
    QColor CuloareText() const override;
    void DeseneazaPesteText(QPainter &pictor, int x, const QRect &zonaText) override;

private:
    int m_nrCifreDupaVirgula = 2;
    bool m_noDots = false;
};
