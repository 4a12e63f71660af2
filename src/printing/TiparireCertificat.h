#pragma once

#include <optional>

#include <QString>

class TContextTiparire;
class TFormularDePrintat;

// "Tipareste": asks how the card goes in and with which margins, then prints
// the page on the context's printer. The printer's name when the page was
// printed; nothing when the user gave up or the wizard never ran.
std::optional<QString> PrintCertificate(TContextTiparire &context, int side, TFormularDePrintat &pagina);
