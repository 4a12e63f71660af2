#pragma once

#include <optional>

#include <QDialog>
#include <QPointer>
#include <QString>

class QButtonGroup;
class QComboBox;
class QFontComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TFontFormular;
class TFormularTextArea;
struct TParticularizareTextArea;

// What the user chose in the text-area dialog. A choice left open (no button
// of a group set, no item of a list selected) keeps the record's value.
struct TAlegeriTextArea
{
    std::optional<int> Aliniere;
    std::optional<int> DeplasareOrizontala;
    std::optional<int> DeplasareVerticala;
    // The chosen font component; none keeps the record's font.
    QPointer<TFontFormular> Font;
    QString TextInlocuitor;
    std::optional<int> Italic;
    std::optional<int> Bold;
    // Empty for the font component's own typeface.
    QString Familie;
};

// Takes the choices over into the record: alignment, nudges, font, text,
// italic and bold, typeface, in this order.
void AplicaAlegerile(const TAlegeriTextArea &alegeri, TParticularizareTextArea &particularizare);

// "Informatii camp": where a text area's text comes from, and the user's
// adjustment of the area (font, text, alignment, half-millimetre nudges).
// It only shows and collects; EditTextArea applies and saves.
class TEditorTextFormular : public QDialog
{
    Q_OBJECT

public:
    explicit TEditorTextFormular(QWidget *parent = nullptr);

    // Shows the record's choices, the area's text source and the fonts of
    // the area's window, with the record's font (or else the area's) selected.
    void Incarca(const TParticularizareTextArea &particularizare, const TFormularTextArea &arie);
    TAlegeriTextArea Alegeri() const;

    QTabWidget *RzPageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QWidget *TabSheet3;

    QLabel *RzLabel1;
    QPlainTextEdit *RzMemo1;
    QLabel *RzLabel7;
    QComboBox *RzComboBox1;
    QLabel *Label3;
    QComboBox *RzComboBox2;
    QLabel *Label4;
    QComboBox *RzComboBox3;
    QRadioButton *RzRadioButton11;
    QRadioButton *RzRadioButton12;
    QFontComboBox *RzFontComboBox1;

    QLabel *RzLabel8;
    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Edit1;

    QLabel *RzLabel2;
    QLabel *RzLabel3;
    QRadioButton *RzRadioButton1;
    QRadioButton *RzRadioButton2;
    QRadioButton *RzRadioButton3;
    QRadioButton *RzRadioButton4;
    QLabel *RzLabel5;
    QLabel *RzLabel4;
    QRadioButton *RzRadioButton5;
    QRadioButton *RzRadioButton6;
    QRadioButton *RzRadioButton7;
    QLabel *RzLabel6;
    QRadioButton *RzRadioButton8;
    QRadioButton *RzRadioButton9;
    QRadioButton *RzRadioButton10;

    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    QButtonGroup *m_aliniere;
    QButtonGroup *m_orizontal;
    QButtonGroup *m_vertical;
    QButtonGroup *m_tipFont;
};

// The click action of a text area: edits its customisation in the dialog.
// The record is created (and the file saved) when the area had none; the
// list is saved again after the dialog, whether confirmed or cancelled.
void EditTextArea(TFormularTextArea &arie);

// Makes a click on any text area of the window open the text-area dialog.
void InstaleazaEditareTextArea(QWidget &fereastra);
