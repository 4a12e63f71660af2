#pragma once

#include <functional>

#include <QDialog>
#include <QList>

#include "data/UCopiiBaza.h"

class QPushButton;
class QTableWidget;

// An automatic copy as the restore dialog lists it: its candidates, or -1
// when it does not open.
struct TCopieListata
{
    TCopieBaza copie;
    int candidati = -1;
};

// "Restaurare baza de date...": lists the automatic copies, newest first,
// with their date, size and candidates, or takes a file the user chooses.
// It only collects the choice; the data module restores.
class TRestaurareBaza : public QDialog
{
    Q_OBJECT

public:
    TRestaurareBaza(const QList<TCopieListata> &copii, std::function<QString()> alegeFisier,
                    QWidget *parent = nullptr);

    // The file to restore from, once accepted.
    const QString &FisierAles() const { return m_fisier; }

    QTableWidget *Copii;
    QPushButton *Restaureaza;
    QPushButton *AltFisier;
    QPushButton *Renunt;

private:
    void RestaureazaClick();
    void AltFisierClick();

    QList<TCopieListata> m_copii;
    std::function<QString()> m_alegeFisier;
    QString m_fisier;
};
