#include <gtest/gtest.h>

#include "forms/FontFormular.h"
#include "forms/MasuriFormular.h"
#include "printing/DispozitivImprimanta.h"
#include "comun/Exceptie.h"

namespace {

using Tip = TDispozitivImprimantaInregistrare::TipOperatie;

// 24 device pixels to the millimetre both ways, so the rounding can be checked by hand.
TCapabilitatiDispozitiv Geometrie24()
{
    TCapabilitatiDispozitiv c;
    c.HorzRes = 6912;
    c.HorzSize = 288;
    c.VertRes = 4824;
    c.VertSize = 201;
    c.PhysicalWidth = 7128;
    c.PhysicalHeight = 5040;
    c.PhysicalOffsetX = 100;
    c.PhysicalOffsetY = 60;
    return c;
}

QList<int> InaltimiIncercate(const TDispozitivImprimantaInregistrare &d)
{
    QList<int> inaltimi;
    for (const auto &o : d.OperatiiDeTip(Tip::SelecteazaFont))
        inaltimi.append(o.Font.InaltimeCelula);
    return inaltimi;
}

} // namespace

TEST(MasuriFormular, ScreenResolutionFollowsTheZoom)
{
    EXPECT_DOUBLE_EQ(ScreenDpi(100), 100.934783616);
    EXPECT_DOUBLE_EQ(ScreenDpi(200), 2 * 100.934783616);
    EXPECT_DOUBLE_EQ(PixelsToMm(MmToPixels(ScreenDpi(100), 0), ScreenDpi(100)), 0.0);
    EXPECT_NEAR(PixelsToMm(1135, ScreenDpi(100)), 285.62, 0.01);
}

TEST(MasuriFormular, MillimetresBecomePixelsTruncatedTowardZero)
{
    struct Caz
    {
        double zoom, mm;
        int pixeli;
    };
    const Caz cazuri[] = {
        {100, 285.66, 1135},
        {100, 208.79, 829},
        {200, 285.66, 2270},
        {200, 208.79, 1659},
        {100, 64.79926706815877, 257},
        {200, 64.79926706815877, 515},
        {100, 10.0, 39},
        {100, -1.0, -3},
        {100, 0.0, 0},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(MmToPixels(ScreenDpi(c.zoom), c.mm), c.pixeli) << c.zoom << " " << c.mm;
}

TEST(MasuriFormular, CellHeightsOnScreenAndOnThePrinter)
{
    EXPECT_EQ(InaltimeCelulaEcran(ScreenDpi(100), 4.0), 15);
    EXPECT_EQ(InaltimeCelulaEcran(ScreenDpi(200), 4.0), 31);
    EXPECT_EQ(InaltimeCelulaEcran(ScreenDpi(100), 0.0), 1);
    EXPECT_EQ(InaltimeCelulaEcran(ScreenDpi(100), 0.2), 1);
    EXPECT_EQ(InaltimeCelulaEcran(96, 4.0), 15);

    // 4960 pixels high in landscape: 600 dots per inch.
    EXPECT_EQ(InaltimeCelulaImprimanta(4960, 4.0, 3.0), 70); // the area's height, not 94
    EXPECT_EQ(InaltimeCelulaImprimanta(4960, 4.0, 10.0), 94);
    EXPECT_EQ(InaltimeCelulaImprimanta(4960, 0.0, 10.0), 1);
    EXPECT_EQ(InaltimeCelulaImprimanta(4960, 4.0, 0.0), 1); // never a height of 0
}

TEST(MasuriFormular, AlignmentPlacesTheTextInItsBox)
{
    EXPECT_EQ(StangaText(TAliniere::Stanga, 100, 40), 0);
    EXPECT_EQ(StangaText(TAliniere::Dreapta, 100, 40), 60);
    EXPECT_EQ(StangaText(TAliniere::Centru, 100, 41), 29);
    EXPECT_EQ(StangaText(TAliniere::Centru, 100, 103), -1); // -3 div 2, toward zero
    EXPECT_EQ(StangaText(TAliniere::Dreapta, 100, 103), -3);
}

TEST(MasuriFormular, TheFontShrinksOnePixelAtATimeDownToTwo)
{
    TDispozitivImprimantaInregistrare d; // characters half a cell wide
    TCerereFont cerere;
    cerere.InaltimeCelula = 10;
    TMetriciText m = AlegeFontul(d, cerere, QStringLiteral("abcd"), 12);
    EXPECT_EQ(InaltimiIncercate(d), (QList<int>{10, 9, 8, 7, 6}));
    EXPECT_EQ(m.Latime, 12);

    d.Operatii.clear();
    m = AlegeFontul(d, cerere, QString(50, QLatin1Char('x')), 12);
    EXPECT_EQ(InaltimiIncercate(d), (QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2}));
    EXPECT_EQ(m.Latime, 50); // still too wide: drawn with the last font, clipped

    for (const int start : {1, 2}) {
        d.Operatii.clear();
        cerere.InaltimeCelula = start;
        AlegeFontul(d, cerere, QString(50, QLatin1Char('x')), 12);
        EXPECT_EQ(InaltimiIncercate(d), QList<int>{start});
    }
}

TEST(MasuriFormular, PrintBoxesCountFromTheSheetsCornerAndRoundHalfToEven)
{
    const TCapabilitatiDispozitiv c = Geometrie24();
    // 10.4375 mm is 250.5 pixels (to 250), 10.5625 mm is 253.5 (to 254).
    QRect r = DreptunghiTiparire(c, 10.4375, 10.5625, 10.4375, 10.5625);
    EXPECT_EQ(r.left(), 250 - 100);
    EXPECT_EQ(r.top(), 254 - 60);
    EXPECT_EQ(r.right(), r.left() + 250);
    EXPECT_EQ(r.bottom(), r.top() + 254);
    EXPECT_EQ(r.width(), 251); // the box includes both edges

    TCapabilitatiDispozitiv fara = c;
    fara.HorzSize = 0;
    EXPECT_THROW(DreptunghiTiparire(fara, 1, 1, 1, 1), Exceptie);
}

TEST(MasuriFormular, MirroringTurnsBoxAndOriginAboutTheSheetsCentre)
{
    TCapabilitatiDispozitiv c;
    c.PhysicalWidth = 7016;
    c.PhysicalHeight = 4960;
    c.PhysicalOffsetX = 100;
    c.PhysicalOffsetY = 50;
    const QRect r(QPoint(500, 300), QPoint(900, 400));
    const TMetriciText text{100, 61, 10};

    const TPlasareTiparire drept = PlaseazaText(c, r, TAliniere::Dreapta, text, false);
    EXPECT_EQ(drept.Dreptunghi, r);
    EXPECT_EQ(drept.Origine, QPoint(500 + 401 - 100, 300 + 101 - 61));

    const TPlasareTiparire intors = PlaseazaText(c, r, TAliniere::Dreapta, text, true);
    EXPECT_EQ(intors.Dreptunghi.left(), 5916);
    EXPECT_EQ(intors.Dreptunghi.right(), 6316);
    EXPECT_EQ(intors.Dreptunghi.top(), 4960 - 400 - 100);
    EXPECT_EQ(intors.Dreptunghi.bottom(), 4960 - 300 - 100);
    EXPECT_EQ(intors.Origine, QPoint(7016 - 801 - 200, 4960 - 340 - 100));
}

TEST(MasuriFormular, PrintingATextDrawsItBottomAlignedInItsBox)
{
    TDispozitivImprimantaInregistrare d;
    d.Geometrie = Geometrie24();
    d.IncepeDocument(QStringLiteral("T"));
    TCerereFont font;
    font.Familie = QStringLiteral("Arial");
    font.Grosime = 700;
    // A 4 mm font in a 3 mm area: the cell starts at the area's height.
    TiparesteText(d, font, 4.0, QStringLiteral("ABCD"), TAliniere::Centru, 20.0, 30.0, 25.0, 3.0, false);
    const auto fonturi = d.OperatiiDeTip(Tip::SelecteazaFont);
    ASSERT_EQ(fonturi.size(), 1);
    EXPECT_EQ(fonturi[0].Font.InaltimeCelula, InaltimeCelulaImprimanta(5040, 4.0, 3.0));
    EXPECT_EQ(fonturi[0].Font.Grosime, 700);
    EXPECT_EQ(fonturi[0].Font.Unghi, 0);

    const auto texte = d.OperatiiDeTip(Tip::DeseneazaText);
    ASSERT_EQ(texte.size(), 1);
    const QRect r(QPoint(480 - 100, 720 - 60), QPoint(480 - 100 + 600, 720 - 60 + 72));
    EXPECT_EQ(texte[0].Dreptunghi, r);
    const int celula = fonturi[0].Font.InaltimeCelula;
    EXPECT_EQ(texte[0].Punct, QPoint(r.left() + (601 - 4 * celula / 2) / 2, r.top() + 73 - celula));

    d.Operatii.clear();
    TiparesteText(d, font, 4.0, QStringLiteral("ABCD"), TAliniere::Centru, 20.0, 30.0, 25.0, 3.0, true);
    EXPECT_EQ(d.OperatiiDeTip(Tip::SelecteazaFont).value(0).Font.Unghi, 1800);
    EXPECT_EQ(d.OperatiiDeTip(Tip::DeseneazaText).value(0).Dreptunghi.right(), 7128 - r.left() - 200);
}
