// The candidate list with 10,000 candidates: what every start, every filter
// that reloads and every delete waits for.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "DateBench.h"
#include "candidates/UListaElevi.h"
#include "data/UTabeleCertificatAcordare.h"
#include "settings/StocareSetari.h"

namespace {

constexpr int kCandidati = 10000;

TDateBench &Date()
{
    static TDateBench date(kCandidati);
    return date;
}

void ReloadListaElevi(benchmark::State &state)
{
    DM = Date().dm.get();
    TListaElevi lista;
    for (auto _ : state)
        lista.Reload();
    state.SetItemsProcessed(state.iterations() * kCandidati);
    DM = nullptr;
}
BENCHMARK(ReloadListaElevi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TStocareSetariMemorie setari;
    InstaleazaStocareSetari(&setari);
    // The list reads the profile the program registers at start.
    InregistreazaCertificatAcordare(Inregistrari());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    InstaleazaStocareSetari(nullptr);
    return 0;
}
