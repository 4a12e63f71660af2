#include <gtest/gtest.h>

#include <QString>

#include "editors/NotaText.h"

namespace {

struct CazNota
{
    const char16_t *text;
    qint64 zeceMiimi;
};

class NotaDinText : public ::testing::TestWithParam<CazNota>
{
};

TEST_P(NotaDinText, ReadsTheStoredText)
{
    const CazNota caz = GetParam();
    EXPECT_EQ(::NotaDinText(QString::fromUtf16(caz.text)), caz.zeceMiimi)
        << QString::fromUtf16(caz.text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Exemple, NotaDinText,
    ::testing::Values(CazNota{u"9,63", 96300}, CazNota{u"9.63", 96300}, CazNota{u"10", 100000},
                      CazNota{u"9,6", 96000}, CazNota{u"9,06", 90600}, CazNota{u"9,635", 96300},
                      CazNota{u"7,5 foarte bine", 75000}, CazNota{u"-7,5", 75000}, CazNota{u"1,2,3", 12000},
                      CazNota{u"", 0}, CazNota{u"abc", 0}, CazNota{u",5", 5000}, CazNota{u"9,", 90000},
                      // Only ASCII digits count: Arabic-Indic and full-width digits are ignored.
                      CazNota{u"\u0669,\uFF16", 0}));

// Integer parts up to the largest 32-bit integer are exact (the product with
// 10000 is formed in 64 bits); beyond it the integer part counts as 0 and the
// decimals stay.
INSTANTIATE_TEST_SUITE_P(Limite, NotaDinText,
                         ::testing::Values(CazNota{u"214748", 2147480000}, CazNota{u"300000", 3000000000},
                                           CazNota{u"2147483647,99", Q_INT64_C(21474836479900)},
                                           CazNota{u"2147483648,5", 5000},
                                           CazNota{u"00000000000000000000009,5", 95000}));

TEST(NotaDinTextOstil, VeryLongInputNeitherOverflowsNorFails)
{
    EXPECT_EQ(::NotaDinText(QString(100000, QLatin1Char('9'))), 0);
    EXPECT_EQ(::NotaDinText(QString(100000, QLatin1Char('9')) + QStringLiteral(",25")), 2500);
    EXPECT_EQ(::NotaDinText(QStringLiteral("8,") + QString(100000, QLatin1Char('9'))), 89900);
    EXPECT_EQ(::NotaDinText(QString(100000, QLatin1Char(','))), 0);
    const QChar cuNul[] = {QChar(0), QLatin1Char('9'), QChar(0), QLatin1Char(','), QLatin1Char('5')};
    EXPECT_EQ(::NotaDinText(QString(cuNul, 5)), 95000);
}

} // namespace
