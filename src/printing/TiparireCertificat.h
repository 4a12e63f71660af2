#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

class QProgressDialog;
class QWidget;
class TContextTiparire;
class TDM;
class TFormularDePrintat;

// "Tipareste": asks how the card goes in and with which margins, then prints
// the page on the context's printer. The printer's name when the page was
// printed; nothing when the user gave up or the wizard never ran.
std::optional<QString> PrintCertificate(TContextTiparire &context, int side, TFormularDePrintat &pagina);

// "Proba pe hartie": the same questions and the same placing, on plain paper,
// with every zone outlined and the card's rulers and corner crosses; it needs
// no wizard run and is never a print of the certificate.
void PrintProof(TContextTiparire &context, int side, TFormularDePrintat &pagina);

// "Tipareste selectia": the certificates of the candidates, in the order
// given, as one print job: every text too small to read listed first with one
// question, the paper dialog once, then a page each under a progress dialog
// whose "Opreste" ends the job after the page being printed. Every page
// printed goes into the print log under its candidate's name from `nume`.
// `dupaPagina` is told of each page printed (for tests). Returns how many
// certificates were printed.
int PrintSelection(TContextTiparire &context, TDM &dm, const QList<int> &elevi, const QStringList &nume,
                   QWidget *parinte, const std::function<void(QProgressDialog &, int)> &dupaPagina = {});
