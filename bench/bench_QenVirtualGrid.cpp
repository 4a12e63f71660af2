// The data grid with 100,000 lines of 30 columns: what each scroll step and
// each re-layout costs. Painting asks the client only for the cells in view,
// so a step costs the same at the top and in the middle.
#include <memory>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "controls/LargeFontScaler.h"
#include "controls/QenVirtualGrid.h"

namespace {

constexpr int kLinii = 100000;
constexpr int kColoane = 30;

struct TLinieBench : TQenVirtualGridLine
{
    explicit TLinieBench(int id) : id(id) {}
    int id;
};

std::unique_ptr<TQenVirtualGrid> Grila()
{
    auto grila = std::make_unique<TQenVirtualGrid>();
    grila->resize(1200, 800);
    grila->BeginUpdate();
    for (int c = 0; c < kColoane; ++c) {
        TQenVirtualGridColumn *col = grila->Coloane().Add();
        col->SetNumeColoana(QStringLiteral("Coloana %1").arg(c));
        col->SetTipDeDate(c % 2 ? TQenTipDeDateColoana::IntegerDouaZecimale : TQenTipDeDateColoana::String);
    }
    for (int i = 0; i < kLinii; ++i)
        grila->Linii().Add(std::make_unique<TLinieBench>(i));
    grila->EndUpdate();
    grila->OnGetCellValue = [](TQenVirtualGridLine *l, int c, TQenValoareDate &v) {
        const int id = static_cast<TLinieBench *>(l)->id;
        if (c % 2)
            v.Seteaza(qint64(id) * 37, TQenTipDeDateColoana::IntegerDouaZecimale);
        else
            v.SetString(QStringLiteral("Ionescu %1").arg(id));
    };
    grila->show();
    return grila;
}

void DerulareSiPictare(benchmark::State &state)
{
    auto grila = Grila();
    QImage imagine(grila->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int sus = int(state.range(0));
    for (auto _ : state) {
        grila->SetTopRow(++sus);
        QPainter pictor(&imagine);
        grila->viewport()->render(&pictor);
    }
}
BENCHMARK(DerulareSiPictare)->Arg(1)->Arg(kLinii / 2)->Unit(benchmark::kMillisecond);

void Rearanjare(benchmark::State &state)
{
    auto grila = Grila();
    for (auto _ : state)
        grila->Rearanjeaza();
    state.SetItemsProcessed(state.iterations() * kLinii);
}
BENCHMARK(Rearanjare)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No "LargeFonts.txt" is read or written.
    const TRaportScalare unu{1, 1};
    StabilesteRaportScalare(&unu);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
