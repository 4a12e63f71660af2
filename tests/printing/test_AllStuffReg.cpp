#include <gtest/gtest.h>

#include "printing/UAllStuffReg.h"
#include "settings/StocareSetari.h"
#include "support/MesajeTest.h"

namespace {

QString Sir(TStocareSetariMemorie &stocare, const QString &nume)
{
    for (const auto &v : stocare.Valori(TAllStuffReg::kCheie)) {
        if (v.nume == nume)
            return v.sir;
    }
    return QStringLiteral("<lipsa>");
}

const QLocale kRomana(QLocale::Romanian, QLocale::Romania);

} // namespace

TEST(TextVirgule, QuotesWhatNeedsItAndReadsItBack)
{
    struct Caz
    {
        QStringList elemente;
        QString text;
    };
    const Caz cazuri[] = {
        {{QStringLiteral("0"), QString(), QStringLiteral("0")}, QStringLiteral("0,,0")},
        {{QStringLiteral("Laser 1"), QStringLiteral("2")}, QStringLiteral("\"Laser 1\",2")},
        {{QStringLiteral("2,5"), QStringLiteral("a\"b")}, QStringLiteral("\"2,5\",\"a\"\"b\"")},
        {{QStringLiteral("x"), QString()}, QStringLiteral("x,")},
    };
    for (const Caz &c : cazuri) {
        EXPECT_EQ(TextVirgule::Compune(c.elemente), c.text);
        EXPECT_EQ(TextVirgule::Descompune(c.text), c.elemente) << c.text.toStdString();
    }
    EXPECT_EQ(TextVirgule::Descompune(QStringLiteral("  a b , c")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(TAllStuffReg, AFreshStoreGivesDefaultsAndIsWrittenBackOnDestruction)
{
    TStocareSetariMemorie stocare;
    {
        TAllStuffReg setari(&stocare, kRomana);
        EXPECT_FALSE(setari.Configured);
        EXPECT_EQ(setari.MirrorChoice(0), QStringLiteral("*"));
        EXPECT_EQ(setari.MirrorChoice(1), QStringLiteral("*"));
        EXPECT_EQ(setari.MirrorChoice(7), QStringLiteral("*"));
        EXPECT_EQ(TAllStuffReg::Comun(), &setari);
        TAllStuffReg alta(&stocare, kRomana);
        EXPECT_EQ(TAllStuffReg::Comun(), &setari) << "only the first instance is shared";
    }
    EXPECT_EQ(TAllStuffReg::Comun(), nullptr);
    EXPECT_EQ(Sir(stocare, QStringLiteral("all")), QStringLiteral("0,0,0,0,0,0,0,0,0,0,,0"));
    EXPECT_EQ(Sir(stocare, QStringLiteral("OglindescFata")), QStringLiteral("*"));
    EXPECT_EQ(Sir(stocare, QStringLiteral("OglindescVerso")), QStringLiteral("*"));
}

TEST(TAllStuffReg, WizardAnswersAndMarginsRoundTrip)
{
    TStocareSetariMemorie stocare;
    {
        TAllStuffReg setari(&stocare, kRomana);
        setari.Configured = true;
        setari.PrintsOnOppositeFace = true;
        setari.FeedMode = 1;
        setari.PrinterName = QStringLiteral("Laser 1");
        setari.PrinterIndex = 2;
        setari.SetMirrorChoice(0, QStringLiteral("D"));
        setari.SetMirrorChoice(5, QStringLiteral("X"));
    }
    EXPECT_EQ(Sir(stocare, QStringLiteral("all")), QStringLiteral("0,1,1,0,0,1,0,0,0,0,\"Laser 1\",2"));
    {
        TAllStuffReg setari(&stocare, kRomana);
        EXPECT_TRUE(setari.Configured && setari.PrintsOnOppositeFace);
        EXPECT_FALSE(setari.VerticalLineRight || setari.HorizontalLineBottom);
        EXPECT_EQ(setari.FeedMode, 1);
        EXPECT_EQ(setari.PrinterName, QStringLiteral("Laser 1"));
        EXPECT_EQ(setari.PrinterIndex, 2);
        EXPECT_EQ(setari.OglindescFata, QStringLiteral("D"));
        EXPECT_EQ(setari.OglindescVerso, QStringLiteral("*"));
        setari.FrontLeft = 2.5;
        setari.FrontTop = -1.0;
    }
    EXPECT_EQ(Sir(stocare, QStringLiteral("all")), QStringLiteral("0,1,1,0,0,1,\"2,5\",-1,0,0,\"Laser 1\",2"));

    // Written under one locale, read under another.
    TAllStuffReg engleza(&stocare, QLocale::c());
    EXPECT_DOUBLE_EQ(engleza.FrontLeft, 2.5);
    EXPECT_DOUBLE_EQ(engleza.FrontTop, -1.0);
}

TEST(TAllStuffReg, ADamagedValueIsKeptAsideAndPrintingAsksForTheWizard)
{
    for (const QString &deteriorat : {QStringLiteral("0,1,1,0,0,1,abc,0,0,0,x,2"), QStringLiteral("0,1,1"),
                                      QStringLiteral("0,1,1,0,0,999999999999,0,0,0,0,x,2")}) {
        TStocareSetariMemorie stocare;
        stocare.Pune(TAllStuffReg::kCheie, {QStringLiteral("all"), TTipValoare::Sir, deteriorat, 0});
        MesajeTest().Reseteaza();
        {
            TAllStuffReg setari(&stocare, kRomana);
            EXPECT_FALSE(setari.Configured);
            EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare).size(), 1);
            EXPECT_EQ(Sir(stocare, QStringLiteral("all_deteriorat")), deteriorat);
        }
        EXPECT_EQ(Sir(stocare, QStringLiteral("all")), QStringLiteral("0,0,0,0,0,0,0,0,0,0,,0"));
    }
}
