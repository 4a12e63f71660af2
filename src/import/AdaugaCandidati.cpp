#include "import/AdaugaCandidati.h"

#include <memory>
#include <vector>

#include <QDir>

#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UImportElevi.h"
#include "import/RegistruCalcul.h"
#include "import/UColoaneExcel.h"

namespace {

// Rows read after the last one with a value, before the sheet counts as ended.
constexpr int kRanduriGoale = 20;
constexpr int kRanduriMaxim = 100000;

} // namespace

int AdaugaCandidati(TDM &dm, const TCerereAdaugare &cerere)
{
    const std::unique_ptr<IRegistruCalcul> registru = DeschideRegistrul(cerere.Fisier);
    const QStringList foi = registru->Foi();
    const int foaie = cerere.Foaie ? int(foi.indexOf(*cerere.Foaie)) : (foi.isEmpty() ? -1 : 0);
    if (foaie < 0)
        throw Exceptie(cerere.Foaie ? QStringLiteral("Fisierul \"%1\" nu are foaia de calcul \"%2\".")
                                          .arg(QDir::toNativeSeparators(cerere.Fisier), *cerere.Foaie)
                                    : QStringLiteral("Fisierul \"%1\" nu are nicio foaie de calcul.")
                                          .arg(QDir::toNativeSeparators(cerere.Fisier)));
    TDomeniuFoaie domeniu(*registru, foaie);

    // The headings, from column A to the first empty one.
    const std::vector<TCampImport> disponibile = ImportElevi::CampuriDeImportat(dm);
    std::vector<std::pair<QString, TReferintaCamp>> coloane;
    for (int c = 0;; ++c) {
        const QString litera = LitereColoana(c);
        const QString titlu = TextCelula(domeniu, litera, 1);
        if (titlu.isEmpty())
            break;
        const TCampImport *gasit = nullptr;
        for (const TCampImport &camp : disponibile) {
            if (camp.Eticheta.trimmed().compare(titlu, Qt::CaseInsensitive) == 0 ||
                camp.Camp.CodCamp.compare(titlu, Qt::CaseInsensitive) == 0) {
                gasit = &camp;
                break;
            }
        }
        if (!gasit) {
            QStringList etichete;
            for (const TCampImport &camp : disponibile)
                etichete.append(camp.Eticheta.trimmed());
            throw Exceptie(
                QStringLiteral("Coloana %1 are titlul \"%2\", care nu este un camp al candidatului. "
                               "Campurile sunt: %3.")
                    .arg(litera, titlu, etichete.join(QStringLiteral(", "))));
        }
        coloane.emplace_back(litera, gasit->Camp);
    }
    if (coloane.empty())
        throw Exceptie(
            QStringLiteral("Primul rand al foii de calcul trebuie sa numeasca, in fiecare coloana, "
                           "campul candidatului pe care il contine (de exemplu \"Numele si prenumele\")."));

    int adaugati = 0;
    for (int rand = 2, goale = 0; goale < kRanduriGoale && rand <= kRanduriMaxim; ++rand) {
        QStringList valori;
        bool gol = true;
        for (const auto &coloana : coloane) {
            valori.append(TextCelula(domeniu, coloana.first, rand));
            gol = gol && valori.last().isEmpty();
        }
        if (gol) {
            ++goale;
            continue;
        }
        goale = 0;
        TGardaTranzactie garda(dm);
        const int id = ImportElevi::ElevNou(dm);
        for (size_t i = 0; i < coloane.size(); ++i)
            ImportElevi::ScrieValoarea(dm, id, coloane[i].second, valori[qsizetype(i)]);
        garda.Commit();
        ++adaugati;
    }
    if (adaugati > 0)
        dm.CopieDupaImport();
    return adaugati;
}
