#pragma once

class TContextTiparire;
class TFormularDePrintat;

// "Tipareste": asks how the card goes in and with which margins, then prints
// the page on the context's printer.
void PrintCertificate(TContextTiparire &context, int side, TFormularDePrintat &pagina);
