#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TAllStuffReg;

// Shows how to insert the card, asks for the margins and whether the page
// is printed turned by 180 degrees.
class TInsertPaperForm : public QDialog
{
    Q_OBJECT

public:
    explicit TInsertPaperForm(QWidget *parent = nullptr);

    // Readies the dialog for a side (0 front, 1 back) with the given settings and margins.
    void Pregateste(int side, const TAllStuffReg &setari, double stanga, double sus);
    // After the dialog has closed: records the tick for the side in the job's
    // settings and, when the dialog ended with OK, hands back the margins.
    bool Finalizeaza(int side, TAllStuffReg &setari, double &stanga, double &sus);

    QLabel *Image1;
    QLabel *Image2;
    QLabel *Image3;
    QLabel *Image4;
    QLabel *Image5;
    QLabel *Image6;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QCheckBox *RzCheckBox1;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;

public slots:
    void RzBitBtn1Click();
    void RzCheckBox1Click();

private:
    QLabel *m_neoglindit = nullptr;
    QLabel *m_oglindit = nullptr;
};

// Runs the paper-insertion dialog with the print job's settings, which keep
// the tick; the margins are updated when it ends with OK. Returns the
// dialog's result; `oglindit` receives the tick.
int AskPaperInsertion(TInsertPaperForm &dialog, TAllStuffReg &setari, int side, double &stanga, double &sus,
                      bool &oglindit);
