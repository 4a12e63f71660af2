#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "controls/LargeFontScaler.h"
#include "controls/QenGridDesen.h"
#include "data/UCai.h"

TEST(AmestecCulori, RunsFromTheFirstColourTowardsTheSecond)
{
    const QList<QColor> gri = AmestecCulori(Qt::white, Qt::black, 4);
    ASSERT_EQ(gri.size(), 5);
    // Grey stays grey: no hue sneaks in from a grey end.
    EXPECT_EQ(gri, (QList<QColor>{QColor(255, 255, 255), QColor(204, 204, 204), QColor(153, 153, 153),
                                  QColor(102, 102, 102), QColor(51, 51, 51)}));

    // Hue is blended without wrap-around: half-way from red to blue is green.
    EXPECT_EQ(AmestecCulori(QColor(255, 0, 0), QColor(0, 0, 255), 1).at(1), QColor(0, 255, 0));

    // Entry 0 comes back exactly for any colour.
    for (const QColor &c : {QColor(243, 250, 220), QColor(1, 2, 3), QColor(128, 0, 200), QColor(10, 10, 10)})
        EXPECT_EQ(AmestecCulori(c, Qt::black, 9).first(), c) << c.name().toStdString();
}

TEST(AmestecCulori, HotCellsDarkenWithTheirIntensity)
{
    const QColor fundal(200, 220, 240);
    EXPECT_EQ(CuloareFierbinte(fundal, 0), fundal);
    EXPECT_EQ(CuloareFierbinte(fundal, 1), fundal);
    int anterior = fundal.red() + fundal.green();
    for (int k = 2; k <= 10; k += 2) {
        const QColor c = CuloareFierbinte(fundal, k);
        EXPECT_LT(c.red() + c.green(), anterior) << k;
        EXPECT_GE(c.red(), 180);
        anterior = c.red() + c.green();
    }
    // Red and green stop at 0.
    EXPECT_EQ(CuloareFierbinte(QColor(0, 0, 0), 10), QColor(0, 0, 0));
}

TEST(QenGridDesen, ColourNumbersAreBlueGreenRed)
{
    EXPECT_EQ(CuloareDinNumar(14482163), QColor(243, 250, 220));
    EXPECT_EQ(CuloareDinNumar(14285817), QColor(249, 251, 217));
}

TEST(QenGridDesen, StyleCountsDownToTheFirstActive)
{
    struct Caz
    {
        int stil;
        std::array<bool, 10> activ;
        int ales;
    };
    const Caz cazuri[] = {
        {4, {true, true, true, false}, 3},
        {4, {true}, 1},
        {10, {true}, 1},
        {4, {true, true, true, true}, 4},
        {1, {true, true, true, true}, 1},
        {3, {true, true, false, true}, 2},
        {10, {true, false, false, false, false, false, false, false, false, true}, 10},
        // Style 1 paints even when it was switched off.
        {5, {false}, 1},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(AlegeStil(c.stil, c.activ), c.ales) << c.stil;
}

TEST(QenGridDesen, LineAttributesApplyBitByBit)
{
    const QFont baza(QStringLiteral("Arial"), 9);
    struct Caz
    {
        quint8 atribute;
        bool bold, italic;
        int marime;
    };
    const Caz cazuri[] = {
        {0x00, false, false, 9}, {0x01, true, false, 9},  {0x03, false, false, 9},
        {0x04, false, true, 9},  {0x0C, false, false, 9}, {0x10, false, false, 6},
        {0x30, false, false, 8}, {0xF5, true, true, 11},  {0x40, false, false, 10},
    };
    for (const Caz &c : cazuri) {
        QFont f = baza;
        AplicaAtribute(f, c.atribute);
        EXPECT_EQ(f.bold(), c.bold) << int(c.atribute);
        EXPECT_EQ(f.italic(), c.italic) << int(c.atribute);
        EXPECT_EQ(f.pointSize(), c.marime) << int(c.atribute);
    }
    // Removing bold takes away a bold the font had.
    QFont gros = baza;
    gros.setBold(true);
    AplicaAtribute(gros, 0x02);
    EXPECT_FALSE(gros.bold());
}

TEST(QenGridDesen, TitlesWrapGreedilyByWords)
{
    // Ten pixels a character.
    const auto latime = [](const QString &t) { return int(t.size()) * 10; };
    struct Caz
    {
        QString titlu;
        int maxim;
        QStringList linii;
    };
    const Caz cazuri[] = {
        {QStringLiteral("Aa Bb Cc"), 40, {QStringLiteral("Aa"), QStringLiteral("Bb"), QStringLiteral("Cc")}},
        {QStringLiteral("Aa Bb Cc"), 50, {QStringLiteral("Aa Bb"), QStringLiteral("Cc")}},
        {QStringLiteral("  Aa   Bb  "), 50, {QStringLiteral("Aa Bb")}},
        {QStringLiteral("Nr Denumirea Cc"),
         50,
         {QStringLiteral("Nr"), QStringLiteral("Denumirea"), QStringLiteral("Cc")}},
        {QString(), 50, {}},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(ImparteTitlu(c.titlu, c.maxim, latime), c.linii) << c.titlu.toStdString();
}

TEST(QenGridDesen, BandRunsJoinNeighboursWithTheSameText)
{
    const QStringList texte = {
        QString(), QStringLiteral("A|X"), QStringLiteral("A|X"), QStringLiteral("A|X"), QStringLiteral("B|X"),
        QString()};
    for (int c = 1; c <= 3; ++c) {
        const TRulajUmbrela r = RulajUmbrela(texte, c);
        EXPECT_EQ(r.prima, 1);
        EXPECT_EQ(r.ultima, 3);
    }
    EXPECT_EQ(RulajUmbrela(texte, 4).prima, 4);
    EXPECT_EQ(RulajUmbrela(texte, 4).ultima, 4);
    EXPECT_EQ(RulajUmbrela(texte, 5).ultima, 5);
    EXPECT_EQ(TextUmbrela(QStringLiteral("A|X|Y")), QStringLiteral("X|Y"));
    EXPECT_EQ(TextUmbrela(QStringLiteral("Grup")), QStringLiteral("Grup"));
}

TEST(LargeFontScaler, RatioFromTheFirstLineOfTheFile)
{
    QTemporaryDir dosar;
    ASSERT_TRUE(dosar.isValid());
    struct Caz
    {
        QByteArray continut;
        int n, d;
    };
    const Caz cazuri[] = {
        {"3:2\n", 3, 2}, {"  3 : 2 \n1:1\n", 3, 2},
        {"", 1, 1},      {"abc", 8, 8},
        {"5", 5, 5},     {"x:2", 8, 2},
        {"4:", 4, 8},    {"3:0", 1, 1},
        {"0:3", 1, 1},   {"3:2:7", 3, 8},
    };
    const QString fisier = dosar.filePath(QStringLiteral("LargeFonts.txt"));
    for (const Caz &c : cazuri) {
        QFile f(fisier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.continut);
        f.close();
        const TRaportScalare r = CitesteRaportScalare(fisier);
        EXPECT_EQ(r.N, c.n) << c.continut.toStdString();
        EXPECT_EQ(r.D, c.d) << c.continut.toStdString();
    }
}

TEST(LargeFontScaler, MissingFileIsCreatedOneToOne)
{
    QTemporaryDir dosar;
    ASSERT_TRUE(dosar.isValid());
    const QString fisier = dosar.filePath(QStringLiteral("LargeFonts.txt"));
    const TRaportScalare r = CitesteRaportScalare(fisier);
    EXPECT_EQ(r.N, 1);
    EXPECT_EQ(r.D, 1);
    QFile f(fisier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().trimmed(), QByteArray("1:1"));
}

TEST(LargeFontScaler, ScalingDividesAfterEachStep)
{
    EXPECT_EQ(ScaleazaPixeli(128, {3, 2}, 96), 192);
    EXPECT_EQ(ScaleazaPixeli(24, {1, 1}, 96), 24);
    EXPECT_EQ(ScaleazaPixeli(128, {1, 1}, 120), 160);
    // 7 × 3 ÷ 2 = 10 before the screen step, not 10.5.
    EXPECT_EQ(ScaleazaPixeli(7, {3, 2}, 192), 20);
    EXPECT_EQ(ScaleazaPixeli(128, {99999999, 1}, 96), kPixeliMaximi);
}

TEST(LargeFontScaler, TheProgramsRatioComesFromItsDataFolder)
{
    QTemporaryDir dosar;
    ASSERT_TRUE(dosar.isValid());
    QFile f(dosar.filePath(QStringLiteral("LargeFonts.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("3:2\n");
    f.close();
    const TLocatii anterioare = Locatii();
    StabilesteLocatii(TLocatii(dosar.path(), dosar.path()));
    StabilesteRaportScalare(nullptr);
    const TRaportScalare r = RaportScalare();
    StabilesteLocatii(anterioare);
    StabilesteRaportScalare(nullptr);
    EXPECT_EQ(r.N, 3);
    EXPECT_EQ(r.D, 2);
}
