#pragma once

#include <QHash>
#include <QList>
#include <QString>

class ISursaValori;
class TDM;
class TDocumentFormular;
class TPaginaFormular;

// Filling a document for a candidate, without any window: every text zone of
// every page gets the value of its field (Denumire1), a grade formatted into
// its zone or its pair of zones, a text cut to the substring Denumire2 and
// Denumire3 ask for.

// The label of every field of the profile, by its reference
// "FORMULAR.PAGINA.CAMP" (a zone's Denumire1).
QHash<QString, QString> EticheteCampuri(TDM &dm);

// Numbers the page's zones ("<n>") before filling: a zone the filling does
// not reach shows its number.
void PregatesteUmplerea(TPaginaFormular &pagina);

// Fills the pages in order, in a read-only transaction. A failure stops the
// filling and is raised; the zones not reached keep their numbers.
void UmplePagini(TDM &dm, const QList<TPaginaFormular *> &pagini, int idElev);
void UmpleDocument(TDM &dm, TDocumentFormular &document, int idElev);
// The same with values read before, for many candidates (TValoriInBloc).
void UmplePagini(ISursaValori &valori, const QList<TPaginaFormular *> &pagini, int idElev);
void UmpleDocument(ISursaValori &valori, TDocumentFormular &document, int idElev);
