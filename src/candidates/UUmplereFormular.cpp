#include "candidates/UUmplereFormular.h"

#include "forms/TemplateForm.h"

TTemplate *CreeazaPreview(const THandlerFormularDePrintat &handler, QWidget *owner)
{
    return handler.CreatePreview(owner);
}

void UmpleSiArata(TTemplate &preview, int idElev)
{
    Q_UNUSED(idElev);
    preview.exec();
}
