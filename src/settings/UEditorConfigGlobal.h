#pragma once

#include <QComboBox>
#include <QDialog>
#include <QList>
#include <QPair>
#include <QStyledItemDelegate>

#include "settings/InfoGlobal2005.h"

class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

// The four grade formats, in list order; each is also the stored value.
QStringList FormateNota();

// The sample lines of a grade format: text and distance below the item's top.
// Empty for an index outside the four formats.
QList<QPair<QString, int>> LiniiExempluFormat(int index);

// Draws the sample of one grade format in the rectangle: background, then the
// sample lines centred horizontally. The item's own text is never drawn.
void DeseneazaExempluFormat(QPainter &painter, const QRect &r, int index, bool selectat,
                            const QPalette &paleta);

// Draws the items of a grade-format list as their samples, 32 pixels high.
class TDesenFormatNota : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// A drop-down list of grade formats that shows the chosen format's sample.
class TComboFormatNota : public QComboBox
{
    Q_OBJECT

public:
    explicit TComboFormatNota(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// "Editor informatii globale": edits the global formatting settings. Opening
// it stores the format defaults; "Ok" stores every choice, "Renunt" nothing.
class TEditorConfigGlobal : public QDialog
{
    Q_OBJECT

public:
    // `stocare` nullptr means the store in use. A stored value of the wrong
    // kind fails the construction with an Exceptie.
    explicit TEditorConfigGlobal(QWidget *parent = nullptr, IStocareSetari *stocare = nullptr);

    QTabWidget *RzPageControl1;
    QWidget *TabSheet1;
    QWidget *TabSheet2;
    QComboBox *RzComboBox1;
    QComboBox *RzComboBox2;
    TComboFormatNota *RzComboBox3;
    TComboFormatNota *RzComboBox4;
    TComboFormatNota *RzComboBox5;
    TComboFormatNota *RzComboBox6;
    QRadioButton *RzRadioButton1;
    QRadioButton *RzRadioButton2;
    QLabel *RzLabelNota;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

private:
    IStocareSetari *m_stocare;
    QTimer *m_clipire;
};
