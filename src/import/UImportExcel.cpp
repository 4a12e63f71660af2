#include "import/UImportExcel.h"

#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UImportElevi.h"
#include "data/ULegaturi.h"
#include "import/UColoaneExcel.h"

void TCampDinSursa::ScrieValoarea(int r, int idElev, const QString &cnp)
{
    if (m_sursa.Exclus)
        return;
    ImportElevi::ScrieValoarea(m_dm, idElev, m_camp, SursaImport::Valoare(m_sursa, m_coloane, r, cnp));
}

TRezultatImport ImportaRandurile(TDM &dm, const TListaColoaneExcel &coloane, const QString &coloanaCnp,
                                 const std::vector<ICampImport *> &campuri, std::optional<int> institutie,
                                 const std::function<bool(int, int)> &progres)
{
    const std::optional<TReferintaCamp> campCnp = ImportElevi::CampCnp(dm);
    if (!campCnp)
        throw Exceptie(QStringLiteral("NU exista CNP in profil diploma!"));
    const TColoanaExcel *cnpuri = coloane.Coloana(coloanaCnp);
    if (!cnpuri)
        throw Exceptie(QStringLiteral("UPS: nu pot identifica CNP-ul"));
    TRezultatImport rezultat;
    rezultat.Total = coloane.NumarRanduri();
    for (int r = 0; r < rezultat.Total; ++r) {
        if (progres && !progres(r, rezultat.Total)) {
            rezultat.Oprit = true;
            break;
        }
        const QString cnp = cnpuri->value(r);
        // A row without a code would match every other such row, each
        // overwriting the one before: it is left out and counted.
        if (cnp.isEmpty()) {
            ++rezultat.FaraCnp;
            continue;
        }
        TGardaTranzactie garda(dm);
        bool nou = false;
        const int id = ImportElevi::ElevDupaCnp(dm, *campCnp, cnp, nou);
        if (nou && institutie)
            Legaturi::ScrieLegatura(dm, id, QStringLiteral("INSTITUTIA"), institutie);
        for (ICampImport *camp : campuri)
            camp->ScrieValoarea(r, id, cnp);
        garda.Commit();
        ++rezultat.Importate;
    }
    return rezultat;
}

QString MesajFinal(const TRezultatImport &rezultat)
{
    QString mesaj = rezultat.Oprit
                        ? QStringLiteral("Am oprit preluarea din Excel: am preluat %1 din %2 randuri.")
                              .arg(rezultat.Importate)
                              .arg(rezultat.Total)
                        : QStringLiteral("Am finalizat preluarea din Excel cu succes");
    if (rezultat.FaraCnp > 0)
        mesaj += QStringLiteral("\n%1 randuri fara CNP in coloana aleasa nu au fost preluate.")
                     .arg(rezultat.FaraCnp);
    return mesaj;
}
