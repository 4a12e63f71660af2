#include "forms/DocumentCertificatAcordare.h"

#include "forms/ProiectCertificatAcordare.h"

std::unique_ptr<TDocumentFormular> CreeazaDocumentCertificatAcordare()
{
    auto document = std::make_unique<TDocumentFormular>(QStringLiteral("PrintCertificatAcordare"));
    // The fonts first: the zones refer to them.
    for (const CertificatAcordare::TFontProiectat &f : CertificatAcordare::kFonturi) {
        auto *font = new TFontFormular(document.get(), QLatin1String(f.nume));
        font->SetFontName(QStringLiteral("Arial"));
        font->SetSize(f.marimeMm);
        font->SetBold(f.ingrosat);
    }
    auto *pagina = new TPaginaFormular(document.get(), QStringLiteral("FormularDePrintat1"));
    pagina->SetLatime(CertificatAcordare::kLatime);
    pagina->SetInaltime(CertificatAcordare::kInaltime);
    pagina->SetFundal(QLatin1String(CertificatAcordare::kFundal));
    for (const CertificatAcordare::TZonaProiectata &z : CertificatAcordare::kZone) {
        auto *zona = new TZonaText(pagina, QLatin1String(z.nume));
        zona->Set_Left(z.stanga);
        zona->Set_Top(z.sus);
        zona->Set_Width(z.latime);
        zona->Set_Height(z.inaltime);
        zona->SetDenumire1(QLatin1String(CertificatAcordare::kPrefixCamp) + QLatin1String(z.camp));
        zona->SetDenumire3(QLatin1String(z.denumire3));
        zona->SetAlignment(z.aliniere);
        zona->SetFont(document->Font(QLatin1String(z.font)));
    }
    return document;
}
