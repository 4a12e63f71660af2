#pragma once

#include <QString>

class QWidget;
class TFormularDePrintat;
class TTemplate;
class THandlerFormularDePrintat;

// A new preview of the document, owned by owner, with every page at zoom 100.
TTemplate *CreeazaPreview(const THandlerFormularDePrintat &handler, QWidget *owner);

// Numbers the page's text areas ("<n>") and resets its look and zoom before filling.
void PrepareForFilling(TFormularDePrintat &suprafata);

// Fills every text area of every page of the preview with the candidate's
// values, in a read-only transaction. A failure stops the filling and is raised.
void UmpleFormular(TTemplate &preview, int idElev);

// Fills the preview for the candidate and shows it modally; `nume` tells the
// user whose certificate it is.
void UmpleSiArata(TTemplate &preview, int idElev, const QString &nume);
