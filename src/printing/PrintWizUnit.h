#pragma once

#include <QDialog>

#include "printing/LogicaPrintWiz.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

class IDispozitivImprimanta;

// Sets the printer's sheet for the next document: A4, high quality,
// monochrome, portrait when asked, landscape otherwise.
void SetupPrinterPage(IDispozitivImprimanta &dispozitiv, bool portret);

// The printer preparation wizard: the printer, how it takes the paper, and
// three test prints that show how the card goes back into the printer.
class TPrintWiz : public QDialog
{
    Q_OBJECT

public:
    // The wizard works on the given printers.
    explicit TPrintWiz(IDispozitivImprimanta &dispozitiv, QWidget *parent = nullptr);

    // Shows the wizard; when it ends with OK its answers are stored.
    int RunWizard();
    // Stores the answers in the print settings.
    void SalveazaRaspunsurile();

    const TLogicaPrintWiz &Logica() const { return m_logica; }
    int PaginaVizibila() const;

    QStackedWidget *PageControl1;
    QTreeWidget *ListaImprimante;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;
    QPushButton *RzBitBtn3;
    QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4, *RadioButton5;
    QRadioButton *RadioButton6, *RadioButton7;
    QRadioButton *RadioButton8, *RadioButton9, *RadioButton10, *RadioButton11;

public slots:
    void NiceButton2Click();
    void RzBitBtn1Click();
    void RzBitBtn3Click();

private:
    void ArataPagina(int pagina);
    void CitesteAlegerile();
    void TiparesteTest(const QString &titlu, const QString &imagine);

    IDispozitivImprimanta &m_dispozitiv;
    TLogicaPrintWiz m_logica;
    QLabel *m_imagineAlimentare6 = nullptr;
    QLabel *m_imagineAlimentare8 = nullptr;
    QLabel *m_textReintroducere = nullptr;
};
