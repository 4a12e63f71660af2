#pragma once

class QWidget;
class TFormularDePrintat;

// "Tipareste": asks how the card goes in and with which margins, then prints
// the page on the program's printer.
void PrintCertificate(QWidget *parinte, int side, TFormularDePrintat &pagina);
