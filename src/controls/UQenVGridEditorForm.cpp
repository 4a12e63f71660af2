#include "controls/UQenVGridEditorForm.h"

#include <algorithm>

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>

#include "comun/Exceptie.h"
#include "controls/QenGridDesen.h"
#include "editors/UQenEditors.h"

namespace {

using Tip = TQenTipDeDateColoana;

constexpr int kLatimeImplicita = 160;
constexpr int kButon = 24;

bool EsteIntreg(const QString &text)
{
    static const QRegularExpression intreg(QStringLiteral("^[0-9]+$"));
    return intreg.match(text).hasMatch();
}

} // namespace

TQenVGridEditorForm::TQenVGridEditorForm(QWidget *parent)
    : QDialog(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("QenVGridEditorForm"));
    QPalette p = palette();
    p.setColor(QPalette::Window, CuloareDinNumar(14285817));
    setPalette(p);
    setAutoFillBackground(true);

    QenNumEdit1 = new TQenNumEdit(this);
    QenNumEdit1->setObjectName(QStringLiteral("QenNumEdit1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    for (QWidget *editor : {static_cast<QWidget *>(QenNumEdit1), static_cast<QWidget *>(Edit1),
                            static_cast<QWidget *>(DateTimePicker1)}) {
        editor->installEventFilter(this);
        editor->hide();
    }

    BtnOK = new QToolButton(this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BtnOK->setToolTip(QStringLiteral("OK"));
    BtnCancel = new QToolButton(this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BtnCancel->setToolTip(QStringLiteral("Cancel"));
    for (QToolButton *b : {BtnOK, BtnCancel}) {
        b->setFixedSize(kButon, kButon);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(BtnOK, &QToolButton::clicked, this, &TQenVGridEditorForm::accept);
    connect(BtnCancel, &QToolButton::clicked, this, &TQenVGridEditorForm::reject);
    installEventFilter(this);
    resize(kLatimeImplicita, kButon + 1);
}

void TQenVGridEditorForm::Incarca(const TQenValoareDate &valoare, const std::optional<QString> &tastat)
{
    const int tip = int(valoare.Tip());
    if (tip < 0 || tip > 6)
        throw Exceptie(QStringLiteral("Nu cunosc tipul"));
    m_valoare = valoare;
    QenNumEdit1->setVisible(tip <= 2);
    Edit1->setVisible(valoare.Tip() == Tip::String);
    DateTimePicker1->setVisible(tip >= 4);
    switch (valoare.Tip()) {
    case Tip::Currency:
    case Tip::Integer:
    case Tip::IntegerDouaZecimale:
        QenNumEdit1->SetNrCifreDupaVirgula(valoare.Tip() == Tip::Integer ? 0 : 2);
        if (tastat && EsteIntreg(*tastat)) {
            // The typed digits are the number in whole units: 5 is 5,00 for hundredths.
            QenNumEdit1->SetText(*tastat);
            QenNumEdit1->SetAutoSelectOnEnter(false);
            QenNumEdit1->Selecteaza(int(QenNumEdit1->Text().size()), int(QenNumEdit1->Text().size()));
        } else {
            if (valoare.Tip() == Tip::Currency)
                QenNumEdit1->SetAsCurrency(valoare.AsCurrency());
            else if (valoare.Tip() == Tip::Integer)
                QenNumEdit1->SetFaraZecimale(valoare.AsInteger());
            else
                QenNumEdit1->SetCuDouaZecimale(valoare.AsIntegerDouaZecimale());
            QenNumEdit1->SetAutoSelectOnEnter(true);
            QenNumEdit1->SelectAll();
        }
        break;
    case Tip::String:
        if (tastat) {
            Edit1->setText(*tastat);
            Edit1->deselect();
            Edit1->setCursorPosition(int(Edit1->text().size()));
        } else {
            Edit1->setText(valoare.AsString());
            Edit1->selectAll();
        }
        break;
    default:
        DateTimePicker1->setDate(valoare.Valoare().toDate());
        DateTimePicker1->setSelectedSection(QDateTimeEdit::DaySection);
        break;
    }
    setFocusProxy(EditorVizibil());
}

QWidget *TQenVGridEditorForm::EditorVizibil() const
{
    if (!QenNumEdit1->isHidden())
        return QenNumEdit1;
    if (!Edit1->isHidden())
        return Edit1;
    return DateTimePicker1;
}

void TQenVGridEditorForm::Plaseaza(const QRect &celula, int latimeColoana)
{
    setGeometry(celula.left(), celula.top(), std::max(kLatimeImplicita, latimeColoana), celula.height() + 1);
}

void TQenVGridEditorForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // The buttons at the right end, the editors up to them.
    const int x = width() - 2 * kButon;
    BtnOK->move(x, 0);
    BtnCancel->move(x + kButon, 0);
    for (QWidget *editor : {static_cast<QWidget *>(QenNumEdit1), static_cast<QWidget *>(Edit1),
                            static_cast<QWidget *>(DateTimePicker1)})
        editor->setGeometry(0, 0, x, height());
}

void TQenVGridEditorForm::accept()
{
    switch (m_valoare.Tip()) {
    case Tip::Currency:
        m_valoare.SetCurrency(QenNumEdit1->AsCurrency());
        break;
    case Tip::Integer:
        m_valoare.SetInteger(QenNumEdit1->FaraZecimale());
        break;
    case Tip::IntegerDouaZecimale:
        // Handed back through the integer setter, as hundredths.
        m_valoare.SetInteger(QenNumEdit1->CuDouaZecimale());
        break;
    case Tip::String:
        m_valoare.SetString(Edit1->text());
        break;
    default:
        m_valoare.Seteaza(DateTimePicker1->date(), m_valoare.Tip());
        break;
    }
    QDialog::accept();
}

bool TQenVGridEditorForm::eventFilter(QObject *obiect, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(obiect, event);
}
