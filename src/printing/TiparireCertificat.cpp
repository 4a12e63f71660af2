#include "printing/TiparireCertificat.h"

#include <QDialog>

#include "comun/Mesaje.h"
#include "forms/FormularDePrintat.h"
#include "printing/ContextTiparire.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/InsertPaper.h"
#include "printing/LucrareTiparire.h"
#include "printing/PrintWizUnit.h"
#include "printing/UAllStuffReg.h"

namespace {

// The paper dialog, then the page on the context's printer: the certificate
// or its proof. The printer's name, or nothing when the user gave up.
std::optional<QString> Tipareste(TContextTiparire &context, int side, TFormularDePrintat &pagina, bool proba)
{
    // The job's settings: the paper dialog records its tick in them, and
    // they are saved when the job ends, whatever happens.
    TAllStuffReg setari;
    const TLucrareTiparire lucrare(setari);
    TMargini margini = lucrare.Margini(side);
    bool intoarsa = false;
    if (AskPaperInsertion(context.DialogHartie(), setari, side, margini.Stanga, margini.Sus, intoarsa) !=
        QDialog::Accepted)
        return std::nullopt;
    (side == 0 ? setari.FrontLeft : setari.BackLeft) = margini.Stanga;
    (side == 0 ? setari.FrontTop : setari.BackTop) = margini.Sus;
    IDispozitivImprimanta &dispozitiv = context.Dispozitiv();
    SetupPrinterPage(dispozitiv, false);
    if (proba)
        lucrare.TiparesteProba(dispozitiv, pagina.Model(), side, intoarsa, margini);
    else
        lucrare.TiparestePagina(dispozitiv, pagina.Model(), side, intoarsa, margini);
    return dispozitiv.Imprimante().value(dispozitiv.ImprimantaCurenta());
}

} // namespace

std::optional<QString> PrintCertificate(TContextTiparire &context, int side, TFormularDePrintat &pagina)
{
    {
        const TAllStuffReg verificare;
        if (!TLucrareTiparire(verificare).Configurata()) {
            Mesaje().Informare(QStringLiteral("Configureaza imprimanta"));
            return std::nullopt;
        }
    }
    return Tipareste(context, side, pagina, false);
}

void PrintProof(TContextTiparire &context, int side, TFormularDePrintat &pagina)
{
    Tipareste(context, side, pagina, true);
}
