#include <cstdio>

#include <gtest/gtest.h>

#ifdef CERT_TEST_WIDGETS
#include <QApplication>
using TAplicatieTest = QApplication;
#else
// The tests of the library without widgets prove it: no QApplication exists.
#include <QGuiApplication>
using TAplicatieTest = QGuiApplication;
#endif
#include <QStandardPaths>

#include "comun/OptiuniSanitizer.h"
#include "settings/StocareSetari.h"
#include "support/MesajeTest.h"
#include "support/ServerTest.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Nothing a test does may reach the user's own files or settings.
    QStandardPaths::setTestModeEnabled(true);
    qunsetenv("CERTIFICAT_ACORDARE_DATE");
    TAplicatieTest app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The same tests once more, every database through the run's Firebird server.
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--server-firebird") == 0 && !ServerTest::Activeaza())
            return 1;
    InstaleazaMesaje(&MesajeTest());
    // Settings objects a test creates without a store of its own stay in memory.
    TStocareSetariMemorie setari;
    InstaleazaStocareSetari(&setari);
    int rezultat = RUN_ALL_TESTS();
    InstaleazaStocareSetari(nullptr);
    InstaleazaMesaje(nullptr);
    // CTest counts a skipped test as passed: here a skip fails the run.
    const int sarite = ::testing::UnitTest::GetInstance()->skipped_test_count();
    if (sarite > 0) {
        std::fprintf(stderr,
                     "%d test(s) skipped: every test must run (scripts/setup.sh installs what they need)\n",
                     sarite);
        rezultat = 1;
    }
    return rezultat;
}
