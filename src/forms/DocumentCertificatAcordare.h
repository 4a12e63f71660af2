#pragma once

#include <memory>

#include "forms/DocumentFormular.h"

// The certificate as a document model, built from its design data: the
// fonts, then the one page "FormularDePrintat1" with its text zones. Named
// "PrintCertificatAcordare", the name its customisations have always had.
std::unique_ptr<TDocumentFormular> CreeazaDocumentCertificatAcordare();
