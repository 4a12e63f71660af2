#include "forms/MasuriFormular.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "comun/Exceptie.h"

namespace {

int CatreIntreg(double valoare)
{
    // A size beyond any screen or sheet is kept in range rather than overflowing.
    constexpr double maxim = std::numeric_limits<int>::max() / 2;
    if (!std::isfinite(valoare))
        return 0;
    return int(std::clamp(valoare, -maxim, maxim));
}

// To the nearest integer, ties to even.
int Rotunjeste(double valoare)
{
    return CatreIntreg(std::nearbyint(valoare));
}

} // namespace

double ScreenDpi(double zoom)
{
    const double laZoom = zoom * 96 / 100;
    return laZoom * 1.051403996;
}

int MmToPixels(double dpi, double mm)
{
    return CatreIntreg(std::trunc(mm * dpi / 25.4));
}

double PixelsToMm(int pixels, double dpi)
{
    return pixels * 25.4 / dpi;
}

int InaltimeCelulaEcran(double dpi, double marimeMm)
{
    return std::max(1, MmToPixels(dpi, marimeMm));
}

int InaltimeCelulaImprimanta(int inaltimeFizica, double marimeMm, double inaltimeArieMm)
{
    const double ppi = inaltimeFizica / InaltimeA4PeisajInch;
    // An area less than a pixel high would ask for a font of height 0, which
    // printers read as "default size": keep at least one pixel.
    return std::max(1, std::min(std::max(1, MmToPixels(ppi, marimeMm)), MmToPixels(ppi, inaltimeArieMm)));
}

int StangaText(TAliniere aliniere, int latimeCutie, int latimeText)
{
    switch (aliniere) {
    case TAliniere::Stanga:
        return 0;
    case TAliniere::Dreapta:
        return latimeCutie - latimeText;
    case TAliniere::Centru:
        return (latimeCutie - latimeText) / 2;
    }
    return 0;
}

TMetriciText AlegeFontul(ISuprafataText &suprafata, TCerereFont cerere, const QString &text, int latimeCutie,
                         int *celula)
{
    suprafata.SelecteazaFont(cerere);
    TMetriciText masura = suprafata.MasoaraText(text);
    while (masura.Latime > latimeCutie && cerere.InaltimeCelula - 1 >= 2) {
        --cerere.InaltimeCelula;
        suprafata.SelecteazaFont(cerere);
        masura = suprafata.MasoaraText(text);
    }
    if (celula)
        *celula = cerere.InaltimeCelula;
    return masura;
}

QRect DreptunghiTiparire(const TCapabilitatiDispozitiv &c, double stangaMm, double susMm, double latimeMm,
                         double inaltimeMm)
{
    if (c.HorzSize <= 0 || c.VertSize <= 0)
        throw Exceptie(
            QStringLiteral("Imprimanta nu raporteaza dimensiunile paginii; tiparirea nu este posibila."));
    const double kx = double(c.HorzRes) / c.HorzSize;
    const double ky = double(c.VertRes) / c.VertSize;
    const int stanga = Rotunjeste(stangaMm * kx) - c.PhysicalOffsetX;
    const int sus = Rotunjeste(susMm * ky) - c.PhysicalOffsetY;
    const int dreapta = stanga + Rotunjeste(latimeMm * kx);
    const int jos = sus + Rotunjeste(inaltimeMm * ky);
    return QRect(QPoint(stanga, sus), QPoint(dreapta, jos));
}

TPlasareTiparire PlaseazaText(const TCapabilitatiDispozitiv &c, const QRect &dreptunghi, TAliniere aliniere,
                              const TMetriciText &text, bool oglindit)
{
    const int w = dreptunghi.width();
    const int h = dreptunghi.height();
    QPoint origine(dreptunghi.left() + StangaText(aliniere, w, text.Latime),
                   dreptunghi.top() + h - text.Inaltime);
    if (!oglindit)
        return {dreptunghi, origine};

    const auto x = [&](int v) { return c.PhysicalWidth - v - 2 * c.PhysicalOffsetX; };
    const auto y = [&](int v) { return c.PhysicalHeight - v - 2 * c.PhysicalOffsetY; };
    const QRect intors(QPoint(x(dreptunghi.right()), y(dreptunghi.bottom())),
                       QPoint(x(dreptunghi.left()), y(dreptunghi.top())));
    return {intors, QPoint(x(origine.x()), y(origine.y()))};
}

void TiparesteText(IDispozitivImprimanta &dispozitiv, const TCerereFont &font, double marimeMm,
                   const QString &text, TAliniere aliniere, double stangaMm, double susMm, double latimeMm,
                   double inaltimeMm, bool oglindit)
{
    const TCapabilitatiDispozitiv c = dispozitiv.Capabilitati();
    const QRect dreptunghi = DreptunghiTiparire(c, stangaMm, susMm, latimeMm, inaltimeMm);
    TCerereFont cerere = font;
    cerere.InaltimeCelula = InaltimeCelulaImprimanta(c.PhysicalHeight, marimeMm, inaltimeMm);
    cerere.Unghi = oglindit ? 1800 : 0;
    const TMetriciText masura = AlegeFontul(dispozitiv, cerere, text, dreptunghi.width());
    const TPlasareTiparire plasare = PlaseazaText(c, dreptunghi, aliniere, masura, oglindit);
    dispozitiv.DeseneazaText(plasare.Origine, plasare.Dreptunghi, text);
}
