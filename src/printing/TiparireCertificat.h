#pragma once

#include <optional>

#include <QString>

class TContextTiparire;
class TFormularDePrintat;

// "Tipareste": asks how the card goes in and with which margins, then prints
// the page on the context's printer. The printer's name when the page was
// printed; nothing when the user gave up or the wizard never ran.
std::optional<QString> PrintCertificate(TContextTiparire &context, int side, TFormularDePrintat &pagina);

// "Proba pe hartie": the same questions and the same placing, on plain paper,
// with every zone outlined and the card's rulers and corner crosses; it needs
// no wizard run and is never a print of the certificate.
void PrintProof(TContextTiparire &context, int side, TFormularDePrintat &pagina);
