#include "printing/TiparirePdf.h"

#include <QDir>

#include "candidates/UmplereDocument.h"
#include "comun/Exceptie.h"
#include "comun/OprireLaSemnal.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UInregistrari.h"
#include "data/UJurnalTiparire.h"
#include "data/UProfilDiploma.h"
#include "data/UTabelEntitate.h"
#include "data/UValoriInBloc.h"
#include "forms/DocumentCertificatAcordare.h"
#include "forms/VerificareLizibilitate.h"
#include "printing/DispozitivPdf.h"
#include "printing/LucrareTiparire.h"

int TiparesteCertificatePdf(TDM &dm, const TCerereTiparirePdf &cerere)
{
    const QList<int> existenti = IduriElevi(dm);
    const QList<int> elevi = cerere.Elevi.isEmpty() ? existenti : cerere.Elevi;
    for (const int id : elevi) {
        if (!existenti.contains(id))
            throw Exceptie(QStringLiteral("Candidatul cu numarul %1 nu exista.").arg(id));
    }
    if (elevi.isEmpty())
        throw Exceptie(QStringLiteral("Nu exista niciun candidat de tiparit."));

    const TAllStuffReg setari;
    const TLucrareTiparire lucrare(setari, false);
    TMargini margini = lucrare.Margini(0);
    margini.Stanga = cerere.Stanga.value_or(margini.Stanga);
    margini.Sus = cerere.Sus.value_or(margini.Sus);
    const bool intoarsa = cerere.Intoarsa.value_or(lucrare.IntoarsaImplicit(0));

    // Every candidate's values in a few statements; all of them for the whole list.
    TValoriInBloc valori(dm, cerere.Elevi.isEmpty() ? std::nullopt : std::optional<QList<int>>(elevi));
    const QHash<QString, QString> etichete = EticheteCampuri(dm);
    const auto eticheta = [&etichete](const QString &denumire1) { return etichete.value(denumire1); };
    TVerificareLizibilitate verificare;
    const std::unique_ptr<TDocumentFormular> document = CreeazaDocumentCertificatAcordare();
    TPaginaFormular &pagina = *document->Pagina(0);
    TDispozitivPdf pdf(cerere.Fisier, 0, 0, 600);
    pdf.SetariDispozitiv(TLucrareTiparire::Foaie(false));
    pdf.PastreazaPaginile(true);
    for (const int id : elevi) {
        // Asked to stop: the PDF is left unfinished and never takes its name.
        if (OprireLaSemnal::Ceruta())
            throw Exceptie(QStringLiteral("Tiparirea a fost oprita inainte de sfarsit; fisierul \"%1\" nu a "
                                          "fost scris.")
                               .arg(QDir::toNativeSeparators(cerere.Fisier)));
        UmpleDocument(valori, *document, id);
        if (cerere.Avertisment) {
            for (const TConstatareLizibilitate &c : verificare.Verifica(pagina, eticheta))
                cerere.Avertisment(QStringLiteral("Candidatul %1: %2").arg(id).arg(DescriereConstatare(c)));
        }
        if (cerere.Proba)
            lucrare.TiparesteProba(pdf, pagina, 0, intoarsa, margini);
        else
            lucrare.TiparestePagina(pdf, pagina, 0, intoarsa, margini);
    }
    pdf.InchideIesirea();
    if (cerere.Jurnal && !cerere.Proba) {
        // The names as the candidate list shows them; one transaction for the whole file.
        const TClasaListaProfilDiploma *profil =
            dm.Inregistrarile() ? dm.Inregistrarile()->Profil() : nullptr;
        const QString expresie = profil ? profil->ListaCampuriElev() : QString();
        TGardaTranzactie garda(dm);
        for (const int id : elevi)
            JurnalTiparire::Inregistreaza(
                dm, id,
                TDM::ExpandeazaReferinte(expresie,
                                         [&](const TReferintaCamp &c) { return valori.ValoareCamp(c, id); }),
                QDir::toNativeSeparators(cerere.Fisier));
        garda.Commit();
    }
    return int(elevi.size());
}
