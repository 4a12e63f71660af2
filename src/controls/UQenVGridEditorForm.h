#pragma once

#include <optional>

#include <QDialog>
#include <QString>

#include "controls/QenValoareDate.h"

class QDateEdit;
class QLineEdit;
class QToolButton;
class TQenNumEdit;

// The grid's pop-up editor: a borderless window over one cell that edits
// one value of the cell's kind, in a numeric edit (amounts, integers,
// hundredths), a text edit or a date picker, with OK and Cancel at its right.
// Enter means OK and Escape Cancel, in the window and in its editors.
class TQenVGridEditorForm : public QDialog
{
    Q_OBJECT

public:
    explicit TQenVGridEditorForm(QWidget *parent = nullptr);

    // Shows the value, selected; with a typed text, that text instead, as
    // far as the kind takes it, with the caret after it. Kinds above 6 raise.
    void Incarca(const TQenValoareDate &valoare, const std::optional<QString> &tastat);
    // Over the cell (screen coordinates), at least as wide as its column.
    void Plaseaza(const QRect &celula, int latimeColoana);

    // The edited value, once accepted.
    const TQenValoareDate &Valoare() const { return m_valoare; }

    void accept() override;

    TQenNumEdit *QenNumEdit1;
    QLineEdit *Edit1;
    QDateEdit *DateTimePicker1;
    QToolButton *BtnOK;
    QToolButton *BtnCancel;

protected:
    bool eventFilter(QObject *obiect, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *EditorVizibil() const;

    TQenValoareDate m_valoare;
};
