#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/Pozitionare.h"
#include "support/MesajeTest.h"

TEST(CentreazaFereastra, CentresOnTheWorkAreaAndPinsLargeWindowsToItsCorner)
{
    struct Caz
    {
        QRect zona;
        QSize fereastra;
        QPoint asteptat;
    };
    const Caz cazuri[] = {
        {{0, 0, 1920, 1040}, {869, 623}, {525, 208}},
        {{1920, 30, 1280, 994}, {481, 270}, {1920 + 399, 30 + 362}},
        {{0, 0, 1024, 738}, {1200, 900}, {0, 0}},
        {{100, 50, 800, 600}, {1000, 300}, {100, 200}},
        {{-1280, 0, 1280, 1024}, {101, 101}, {-1280 + 589, 461}},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(PozitieCentrata(c.zona, c.fereastra), c.asteptat) << c.zona.x() << "," << c.zona.y();
}

TEST(RuleazaActiune, ShowsTheFailureAndReturnsFalse)
{
    MesajeTest().Reseteaza();
    EXPECT_TRUE(RuleazaActiune([] {}));
    EXPECT_FALSE(RuleazaActiune([] { throw Exceptie(QStringLiteral("Nu ati selectat nimic")); }));
    EXPECT_FALSE(RuleazaActiune([] { throw std::runtime_error("disk full"); }));
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare),
              (QStringList{QStringLiteral("Nu ati selectat nimic"), QStringLiteral("disk full")}));
}

TEST(MesajExceptieCurenta, EveryKindOfExceptionHasAMessageForTheUser)
{
    const auto mesaj = [](const std::function<void()> &arunca) {
        try {
            arunca();
        } catch (...) {
            return MesajExceptieCurenta();
        }
        return QString();
    };
    EXPECT_EQ(mesaj([] { throw Exceptie(QStringLiteral("Fisierul lipseste")); }),
              QStringLiteral("Fisierul lipseste"));
    EXPECT_EQ(mesaj([] { throw std::bad_alloc(); }),
              QStringLiteral("Memorie insuficienta pentru aceasta operatie."));
    EXPECT_EQ(mesaj([] { throw std::runtime_error("disk full"); }), QStringLiteral("disk full"));
    EXPECT_EQ(mesaj([] { throw 42; }), QStringLiteral("Eroare necunoscuta."));
}
