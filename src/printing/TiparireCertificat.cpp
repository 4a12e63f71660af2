#include "printing/TiparireCertificat.h"

#include <QCoreApplication>
#include <QDialog>
#include <QProgressDialog>

#include "candidates/UmplereDocument.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UJurnalTiparire.h"
#include "data/UValoriInBloc.h"
#include "forms/DocumentCertificatAcordare.h"
#include "forms/DocumentFormular.h"
#include "forms/VerificareLizibilitate.h"

#include "comun/Mesaje.h"
#include "forms/FormularDePrintat.h"
#include "printing/ContextTiparire.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/InsertPaper.h"
#include "printing/LucrareTiparire.h"
#include "printing/PrintWizUnit.h"
#include "printing/UAllStuffReg.h"

namespace {

using TTiparire =
    std::function<void(IDispozitivImprimanta &, const TLucrareTiparire &, bool, const TMargini &)>;

// The paper dialog, then the printing on the context's printer. The
// printer's name, or nothing when the user gave up.
std::optional<QString> Tipareste(TContextTiparire &context, int side, const TTiparire &tipareste)
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
    tipareste(dispozitiv, lucrare, intoarsa, margini);
    return dispozitiv.Imprimante().value(dispozitiv.ImprimantaCurenta());
}

bool Configurata()
{
    const TAllStuffReg verificare;
    if (TLucrareTiparire(verificare).Configurata())
        return true;
    Mesaje().Informare(QStringLiteral("Configureaza imprimanta"));
    return false;
}

} // namespace

std::optional<QString> PrintCertificate(TContextTiparire &context, int side, TFormularDePrintat &pagina)
{
    if (!Configurata())
        return std::nullopt;
    return Tipareste(
        context, side,
        [&](IDispozitivImprimanta &d, const TLucrareTiparire &lucrare, bool intoarsa, const TMargini &m) {
            lucrare.TiparestePagina(d, pagina.Model(), side, intoarsa, m);
        });
}

void PrintProof(TContextTiparire &context, int side, TFormularDePrintat &pagina)
{
    Tipareste(context, side,
              [&](IDispozitivImprimanta &d, const TLucrareTiparire &lucrare, bool intoarsa,
                  const TMargini &m) { lucrare.TiparesteProba(d, pagina.Model(), side, intoarsa, m); });
}

int PrintSelection(TContextTiparire &context, TDM &dm, const QList<int> &elevi, const QStringList &nume,
                   QWidget *parinte, const std::function<void(QProgressDialog &, int)> &dupaPagina)
{
    if (elevi.isEmpty() || !Configurata())
        return 0;
    // Every certificate checked first: one list, one question.
    TValoriInBloc valori(dm, elevi);
    const std::unique_ptr<TDocumentFormular> document = CreeazaDocumentCertificatAcordare();
    TPaginaFormular &pagina = *document->Pagina(0);
    const QHash<QString, QString> etichete = EticheteCampuri(dm);
    QStringList constatari;
    TVerificareLizibilitate verificare;
    for (qsizetype i = 0; i < elevi.size(); ++i) {
        UmpleDocument(valori, *document, elevi.at(i));
        for (const TConstatareLizibilitate &c :
             verificare.Verifica(pagina, [&etichete](const QString &d1) { return etichete.value(d1); }))
            constatari.append(nume.value(i) + QStringLiteral(" - ") + DescriereConstatare(c));
    }
    const QString intrebare =
        QStringLiteral("Unele texte sunt prea mici sau nu incap pe certificat. Tiparesc totusi?");
    if (!constatari.isEmpty() &&
        !Mesaje().Intrebare(constatari.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + intrebare))
        return 0;

    QProgressDialog progres(parinte);
    progres.setObjectName(QStringLiteral("ProgresTiparire"));
    progres.setWindowTitle(QStringLiteral("Tiparire"));
    progres.setCancelButtonText(QStringLiteral("Opreste"));
    progres.setRange(0, int(elevi.size()));
    progres.setMinimumDuration(0);
    progres.setWindowModality(Qt::WindowModal);
    progres.setAutoClose(false);
    progres.setAutoReset(false);
    int tiparite = 0;
    const std::optional<QString> imprimanta = Tipareste(
        context, 0,
        [&](IDispozitivImprimanta &d, const TLucrareTiparire &lucrare, bool intoarsa, const TMargini &m) {
            const auto pregateste = [&](int i) -> TPaginaFormular & {
                progres.setLabelText(QStringLiteral("Certificatul %1 din %2").arg(i + 1).arg(elevi.size()));
                progres.setValue(i);
                UmpleDocument(valori, *document, elevi.at(i));
                return pagina;
            };
            // "Opreste" ends the job after the page being printed.
            const auto continua = [&](int i) {
                if (dupaPagina)
                    dupaPagina(progres, i);
                QCoreApplication::processEvents();
                return !progres.wasCanceled();
            };
            tiparite = lucrare.TiparestePaginile(d, int(elevi.size()), pregateste, continua, 0, intoarsa, m);
        });
    progres.setValue(int(elevi.size()));
    if (!imprimanta)
        return 0;
    {
        TGardaTranzactie garda(dm);
        for (int i = 0; i < tiparite; ++i)
            JurnalTiparire::Inregistreaza(dm, elevi.at(i), nume.value(i), *imprimanta);
        garda.Commit();
    }
    return tiparite;
}
