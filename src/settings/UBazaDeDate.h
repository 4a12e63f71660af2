#pragma once

#include <QDialog>

#include "data/UConexiuneBaza.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

// "Baza de date": where this user's program keeps its data, the file in the
// data folder of this computer or a database on a Firebird server shared by
// several computers, with the server's user name and password. The choice is
// the user's own and takes effect at the next start.
class TBazaDeDate : public QDialog
{
    Q_OBJECT

public:
    explicit TBazaDeDate(QWidget *parent = nullptr);

    QRadioButton *RadioFisier;
    QRadioButton *RadioServer;
    QLineEdit *EditServer;
    QLineEdit *EditCale;
    QLineEdit *EditUtilizator;
    QLineEdit *EditParola;
    QPushButton *BtnIncearca;
    QPushButton *BtnOk;
    QPushButton *BtnRenunt;

    // The choice as the dialog holds it; fails with a message when a server
    // is chosen but not fully given.
    TConexiuneBaza Alegerea() const;

public slots:
    // "Incearca legatura": opens the server's database once and says how it went.
    void BtnIncearcaClick();
    // "Ok": keeps the choice among the user's settings and closes.
    void BtnOkClick();

private:
    void Activeaza();
};
