#include "candidates/UUmplereFormular.h"

#include <QScreen>

#include "candidates/UmplereDocument.h"
#include "data/UDm.h"
#include "data/UJurnalTiparire.h"
#include "forms/FormularDePrintat.h"
#include "forms/QFormularTextArea.h"
#include "forms/TemplateForm.h"
#include "comun/Exceptie.h"

TTemplate *CreeazaPreview(const THandlerFormularDePrintat &handler, QWidget *owner)
{
    TTemplate *preview = handler.CreatePreview(owner);
    for (TFormularDePrintat *s : preview->findChildren<TFormularDePrintat *>())
        s->SetZoom(100);
    return preview;
}

void PrepareForFilling(TFormularDePrintat &suprafata)
{
    PregatesteUmplerea(suprafata.Model());
    suprafata.SetTextAreaTransparent(true);
    suprafata.SetZoom(100);
}

void UmpleFormular(TTemplate &preview, int idElev)
{
    if (!DM || !DM->Conectat())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    // The document the preview shows, or the pages it holds on their own.
    QList<TPaginaFormular *> pagini;
    for (TFormularDePrintat *suprafata : preview.findChildren<TFormularDePrintat *>()) {
        if (suprafata->TextAreas().isEmpty())
            continue;
        suprafata->SetTextAreaTransparent(true);
        suprafata->SetZoom(100);
        if (!preview.Document())
            pagini.append(&suprafata->Model());
    }
    if (TDocumentFormular *document = preview.Document())
        pagini = document->Pagini();
    UmplePagini(*DM, pagini, idElev);
    preview.DupaUmplere(EticheteCampuri(*DM));
}

void UmpleSiArata(TTemplate &preview, int idElev, const QString &nume)
{
    UmpleFormular(preview, idElev);
    preview.LaTiparire = [idElev, nume](const QString &imprimanta) {
        if (DM)
            JurnalTiparire::Inregistreaza(*DM, idElev, nume, imprimanta);
    };
    preview.SeteazaCandidat(nume);
    // Maximised; sized to the work area too, for window managers that ignore it.
    if (const QScreen *ecran = preview.screen())
        preview.setGeometry(ecran->availableGeometry());
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
}
