// "--arata-foaie": what the program reads from a workbook, run as a user would.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "FoaieTest.h"
#include "support/ProgramTest.h"

namespace {

TEST(ArataFoaie, FoileSiRandurilePastrate)
{
    QTemporaryDir dosar;
    const QList<TCelulaTest> celule = {
        {1, 0, "t", "Numele"},      {1, 1, "t", "CNP"},           {1, 2, "t", "Data"},
        {2, 0, "t", "Popescu Ană"}, {2, 1, "n", 2850315123456.0}, {2, 2, "d", "1985-03-15"},
        {3, 0, "t", "Roșu Îon"},    {3, 1, "n", 1790101123456.0},
    };
    const QByteArray randuri = "Popescu Ană\t2850315123456\t15.03.1985\nRoşu Îon\t1790101123456\t\n";
    for (const char *format : {"xls", "xlsx", "csv"}) {
        SCOPED_TRACE(format);
        const QString fisier =
            ScrieRegistru(dosar.path(), QStringLiteral("elevi"), QLatin1String(format),
                          {{QStringLiteral("Anul 2026"), celule}, {QStringLiteral("Altele"), {}}});
        const bool csv = QLatin1String(format) == QLatin1String("csv");
        const TRezultatProgram foi =
            Ruleaza(QStringLiteral(CERT_TEST_EXE), {QStringLiteral("--arata-foaie"), fisier});
        EXPECT_EQ(foi.cod, 0) << foi.erori.toStdString();
        EXPECT_EQ(foi.iesire, csv ? QStringLiteral("elevi\n") : QStringLiteral("Anul 2026\nAltele\n"));
        const TRezultatProgram foaie =
            Ruleaza(QStringLiteral(CERT_TEST_EXE),
                    {QStringLiteral("--arata-foaie"), fisier, QStringLiteral("--foaie"),
                     csv ? QStringLiteral("elevi") : QStringLiteral("Anul 2026")});
        EXPECT_EQ(foaie.cod, 0) << foaie.erori.toStdString();
        EXPECT_EQ(foaie.iesire.toUtf8(), randuri);
    }
    const TRezultatProgram lipsa =
        Ruleaza(QStringLiteral(CERT_TEST_EXE),
                {QStringLiteral("--arata-foaie"), dosar.filePath(QStringLiteral("nu.xls"))});
    EXPECT_EQ(lipsa.cod, 2);
    EXPECT_TRUE(lipsa.erori.contains(QStringLiteral("Nu pot deschide fisierul")))
        << lipsa.erori.toStdString();
}

} // namespace
