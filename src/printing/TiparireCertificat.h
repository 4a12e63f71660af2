#pragma once

#include <QString>

class IDispozitivImprimanta;
class QWidget;
class TFormularDePrintat;

// The job title of a printed side.
QString TitluTiparire(int side);

// Prints one page of a filled document as one document of the device (whose
// page the caller has set up): every text area at its millimetres shifted by the margins,
// turned by 180 degrees when asked. A front page prints only once the feed
// mode is known (1 to 4). The document is ended whatever happens.
void TiparestePagina(IDispozitivImprimanta &dispozitiv, TFormularDePrintat &pagina, int side, int feedMode,
                     bool oglindit, double stanga, double sus);

// "Tipareste": asks how the card goes in and with which margins, then prints
// the page on the program's printer.
void PrintCertificate(QWidget *parinte, int side, TFormularDePrintat &pagina);
