#pragma once

class QWidget;
class TTemplate;
class THandlerFormularDePrintat;

// A new preview of the document, owned by owner, with every page at zoom 100.
TTemplate *CreeazaPreview(const THandlerFormularDePrintat &handler, QWidget *owner);

// Fills every text area of the preview for the candidate and shows it modally.
void UmpleSiArata(TTemplate &preview, int idElev);
