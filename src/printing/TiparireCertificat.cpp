#include "printing/TiparireCertificat.h"

#include <QDialog>

#include "forms/DirectorModificari.h"
#include "forms/FormularDePrintat.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/InsertPaper.h"
#include "printing/PrintWizUnit.h"
#include "printing/UAllStuffReg.h"
#include "comun/Mesaje.h"

QString TitluTiparire(int side)
{
    return side == 0 ? QStringLiteral("Diploma de examen national - fata")
                     : QStringLiteral("Diploma de examen national - verso");
}

void TiparestePagina(IDispozitivImprimanta &dispozitiv, TFormularDePrintat &pagina, int side, int feedMode,
                     bool oglindit, double stanga, double sus)
{
    dispozitiv.IncepeDocument(TitluTiparire(side));
    try {
        if (feedMode >= 1 && feedMode <= 4 && side == 0)
            pagina.PrintAll(dispozitiv, oglindit, DirectorModificari(), stanga, sus);
    } catch (...) {
        dispozitiv.TerminaDocument();
        throw;
    }
    dispozitiv.TerminaDocument();
}

void PrintCertificate(QWidget *parinte, int side, TFormularDePrintat &pagina)
{
    Q_UNUSED(parinte);
    {
        const TAllStuffReg verificare;
        if (!verificare.Configured) {
            Mesaje().Informare(QStringLiteral("Configureaza imprimanta"));
            return;
        }
    }
    // The shared settings: saved when the job ends, whatever happens.
    TAllStuffReg setari;
    double &stanga = side == 0 ? setari.FrontLeft : setari.BackLeft;
    double &sus = side == 0 ? setari.FrontTop : setari.BackTop;
    double margineStanga = stanga;
    double margineSus = sus;
    bool oglindit = false;
    if (AskPaperInsertion(side, margineStanga, margineSus, oglindit) != QDialog::Accepted)
        return;
    stanga = margineStanga;
    sus = margineSus;
    SetupPrinterPage(false);
    TiparestePagina(DispozitivImprimanta(), pagina, side, setari.FeedMode, oglindit, margineStanga, margineSus);
}
