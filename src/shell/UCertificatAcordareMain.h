#pragma once

#include <functional>

#include <QMainWindow>

class QAction;
class QMenu;
class TListaElevi;

// The file dialogs of the database's copies; tests answer them instead.
struct TAlegereFisiereBaza
{
    // Where to save a copy, starting from the name proposed; empty: cancelled.
    std::function<QString(const QString &propus)> salvare;
    // A copy to restore from; empty: cancelled.
    std::function<QString()> deschidere;
};

// The program's main window: the candidate list and the "Configurare" menu.
class TCertificatAcordareMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCertificatAcordareMain(QWidget *parent = nullptr);

    // The candidate list frame filling the window.
    TListaElevi *ListaElevi() const;

    QMenu *Configurare1;
    QAction *Configurareimprimanta2;
    QAction *Formatnote1;
    QAction *Configurarediploma1;
    QAction *Configurarescoala1;
    QAction *ImportdinExcel1;
    QAction *Salvarebazadedate1;
    QAction *Restaurarebazadedate1;
    QAction *Bazadedate1;
    TAlegereFisiereBaza Fisiere;

public slots:
    void Configurareimprimanta2Click();
    void Formatnote1Click();
    void Configurarediploma1Click();
    void Configurarescoala1Click();
    void ImportdinExcel1Click();
    void Salvarebazadedate1Click();
    void Restaurarebazadedate1Click();
    void Bazadedate1Click();

private:
    void FormCreate();
    void ReincarcaLista();
};

// Sizes the main window to the monitor under the mouse pointer: a monitor
// lower than 1200 pixels gets a maximised window; then the window is centred.
void PozitioneazaFereastraPrincipala(QWidget *fereastra);
