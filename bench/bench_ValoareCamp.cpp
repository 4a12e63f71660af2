// The value lookup on its hot paths: the candidate list expands one display
// expression per candidate, and filling a certificate looks up 37 fields.
#include <benchmark/benchmark.h>

#include <memory>

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/UCai.h"
#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "data/UProfilCertificatAcordare.h"
#include "data/UTabeleCertificatAcordare.h"
#include "candidates/UmplereDocument.h"
#include "comun/Mesaje.h"
#include "forms/DocumentCertificatAcordare.h"
#include "forms/DocumentFormular.h"
#include "settings/StocareSetari.h"

namespace {

constexpr int kCandidati = 300;

// A database with kCandidati candidates, each with a name and a link to one institution.
struct TBaza
{
    TBaza()
    {
        const QString program = dosar.filePath(QStringLiteral("program"));
        const QString date = dosar.filePath(QStringLiteral("date"));
        QDir().mkpath(program);
        QDir().mkpath(date);
        QFile::copy(QStringLiteral(CERT_BENCH_TEMPLATE), program + QStringLiteral("/BLANK.FDB"));
        InregistreazaCertificatAcordare(inregistrari);
        dm = std::make_unique<TDM>(TOptiuniDm{TLocatii(program, date), &inregistrari, {}});
        dm->Tr.StartTransaction();
        const auto executa = [this](const QString &sql) {
            dm->Q1.SetSQL(sql);
            dm->Q1.ExecSQL();
        };
        executa(QStringLiteral("insert into INSTITUTIA values (1)"));
        executa(QStringLiteral(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_INSTITUTIA) "
            "values ('CertificatAcordare', 'FATA', 'C_INSTITUTIA_INVATAMANT', 'Liceul', 1)"));
        for (int id = 1; id <= kCandidati; ++id) {
            executa(QStringLiteral("insert into ELEVI values (%1)").arg(id));
            executa(QStringLiteral(
                        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                        "values ('CertificatAcordare', 'FATA', 'C_NUME', 'Candidat %1', %1)")
                        .arg(id));
            executa(QStringLiteral(
                        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_INSTITUTIA) "
                        "values ('CertificatAcordare', 'FATA', 'C_INSTITUTIA_INVATAMANT', %1, 1)")
                        .arg(id));
        }
        dm->Tr.Commit();
    }

    QTemporaryDir dosar;
    TInregistrari inregistrari;
    std::unique_ptr<TDM> dm;
};

TBaza &Baza()
{
    static TBaza baza;
    return baza;
}

void ListaCandidatilor(benchmark::State &state)
{
    TDM &dm = *Baza().dm;
    const QString expresie = TListaLiniiProfilCertificatAcordare::ClasaLista().ListaCampuriElev();
    for (auto _ : state) {
        dm.Tr.StartTransaction();
        for (int id = 1; id <= kCandidati; ++id)
            benchmark::DoNotOptimize(dm.ParseExp(expresie, id));
        dm.Tr.Rollback();
    }
    state.SetItemsProcessed(state.iterations() * kCandidati);
}
BENCHMARK(ListaCandidatilor)->Unit(benchmark::kMillisecond);

void UmplereaCertificatului(benchmark::State &state)
{
    TDM &dm = *Baza().dm;
    const auto profil = TListaLiniiProfilCertificatAcordare::ClasaLista().Creeaza();
    for (auto _ : state) {
        dm.Tr.StartTransaction();
        for (int i = 0; i < profil->Count(); ++i) {
            const TLinieProfilDiploma &l = profil->Linie(i);
            benchmark::DoNotOptimize(dm.ValoareCamp(l.CodFormular, l.CodPagina, l.CodCamp, 7));
        }
        dm.Tr.Rollback();
    }
}
BENCHMARK(UmplereaCertificatului)->Unit(benchmark::kMillisecond);

// One certificate filled as the preview shows it: every zone, grades formatted.
void UmplereaDocumentului(benchmark::State &state)
{
    TDM &dm = *Baza().dm;
    const std::unique_ptr<TDocumentFormular> document = CreeazaDocumentCertificatAcordare();
    for (auto _ : state)
        UmpleDocument(dm, *document, 7);
}
BENCHMARK(UmplereaDocumentului)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The grade formats are read for every grade: from memory, never the user's settings.
    TStocareSetariMemorie setari;
    InstaleazaStocareSetari(&setari);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    InstaleazaStocareSetari(nullptr);
    return 0;
}
