#pragma once

#include <vector>

#include <QDateTime>
#include <QHash>
#include <QString>

class TDM;

// One printed certificate, as the print log keeps it. The rows outlive the
// candidate: they record what went onto numbered card.
struct TTiparireJurnal
{
    int IdElev = 0;
    QString Nume;
    QDateTime DataOra;
    QString Imprimanta; // the printer's name, or the PDF file's
    QString Utilizator; // the operating system's user
    bool Retiparire = false;
};

// The print log in table JURNAL_TIPARIRI. Every function works in Tr when it
// is active (a write is then the caller's to commit); otherwise in a
// transaction of its own.
namespace JurnalTiparire {

// Creates the table, its generator and its index where missing; run at every start.
void CreeazaSchema(TDM &dm);

// Records a printed certificate, marked as a reprint when the candidate was
// printed before; returns the row as written. Uses Q1.
TTiparireJurnal Inregistreaza(TDM &dm, int idElev, const QString &nume, const QString &imprimanta,
                              const QDateTime &cand = QDateTime::currentDateTime());

// The candidate's prints, oldest first. Uses Q1.
std::vector<TTiparireJurnal> Istoric(TDM &dm, int idElev);

// The time of every candidate's last print, by candidate. Uses Q1.
QHash<int, QDateTime> UltimeleTiparari(TDM &dm);

// The operating system's user running the program.
QString UtilizatorSistem();

} // namespace JurnalTiparire
