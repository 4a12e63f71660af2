#include <gtest/gtest.h>

#include <limits>

#include <QString>

#include "candidates/FormatareTiparire.h"

namespace {

QString U(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// Grade times 100, counting ten-thousandths: 9,63 is 9630000.
qint64 Nota(qint64 sutimi)
{
    return sutimi * 10000;
}

TEST(FormatNumber, GroupsByThreesAndCutsTheDecimals)
{
    EXPECT_EQ(FormatNumber(2, 12345000), QStringLiteral("1.234,50"));
    EXPECT_EQ(FormatNumber(2, 96399), QStringLiteral("9,63"));
    EXPECT_EQ(FormatNumber(2, -35000), QStringLiteral("-3,50"));
    EXPECT_EQ(FormatNumber(0, 120000), QStringLiteral("12"));
    EXPECT_EQ(FormatNumber(0, Q_INT64_C(12000000000)), QStringLiteral("1.200.000"));
    EXPECT_EQ(FormatNumber(2, Q_INT64_C(1000000000)), QStringLiteral("100.000,00"));
    EXPECT_EQ(FormatNumber(2, 9990000), QStringLiteral("999,00"));
    EXPECT_EQ(FormatNumber(4, 5), QStringLiteral("0,0005"));
    EXPECT_EQ(FormatNumber(6, 5), QStringLiteral("0,0005"));
    EXPECT_EQ(FormatNumber(-1, 5), QStringLiteral("0"));
    // The most negative value has no 64-bit opposite; it must still come out right.
    EXPECT_EQ(FormatNumber(4, std::numeric_limits<qint64>::min()),
              QStringLiteral("-922.337.203.685.477,5808"));
}

TEST(GradeInWords, ThreeModes)
{
    EXPECT_EQ(GradeInWords(963, 1), U(u"(NOUĂ, ŞAIZECIŞITREI)"));
    EXPECT_EQ(GradeInWords(963, 2), U(u"(NOUĂ, 63)"));
    EXPECT_EQ(GradeInWords(963, 3), U(u"(NOUĂ, 63%)"));
    EXPECT_EQ(GradeInWords(905, 2), U(u"(NOUĂ, 05)"));
    EXPECT_EQ(GradeInWords(705, 1), U(u"(ŞAPTE, ZEROCINCI)"));
    EXPECT_EQ(GradeInWords(816, 1), U(u"(OPT, ŞAISPREZECE)"));
    // No decimals, and 10 whatever its decimals: no fraction and no "%".
    EXPECT_EQ(GradeInWords(900, 3), U(u"(NOUĂ)"));
    EXPECT_EQ(GradeInWords(1000, 1), U(u"(ZECE)"));
    EXPECT_EQ(GradeInWords(1050, 3), U(u"(ZECE)"));
    EXPECT_EQ(GradeInWords(963, 0), QString());
    EXPECT_EQ(GradeInWords(963, 4), QString());
    EXPECT_EQ(GradeInWords(1163, 2), U(u"(, 63)"));
}

TEST(GradeInWords, EveryFractionWord)
{
    const struct
    {
        int f;
        const char16_t *cuvant;
    } cazuri[] = {{1, u"ZEROUNU"},        {6, u"ZEROŞASE"},         {9, u"ZERONOUĂ"},
                  {10, u"ZECE"},          {11, u"UNSPREZECE"},      {14, u"PAISPREZECE"},
                  {17, u"ŞAPTESPREZECE"}, {19, u"NOUĂSPREZECE"},    {20, u"DOUĂZECI"},
                  {21, u"DOUĂZECIŞIUNU"}, {22, u"DOUĂZECIŞIDOI"},   {60, u"ŞAIZECI"},
                  {63, u"ŞAIZECIŞITREI"}, {76, u"ŞAPTEZECIŞIŞASE"}, {99, u"NOUĂZECIŞINOUĂ"}};
    for (const auto &caz : cazuri)
        EXPECT_EQ(GradeInWords(100 + caz.f, 1), U(u"(UNU, ") + U(caz.cuvant) + U(u")")) << caz.f;
}

TEST(CaseConversion, AsciiAndTheThreeRomanianPairsOnly)
{
    EXPECT_EQ(ToLowerRo(U(u"(NOUĂ, ŞAIZECIŞITREI) ŢÂÎ É")), U(u"(nouă, şaizecişitrei) ţÂÎ É"));
    EXPECT_EQ(ToUpperRo(U(u"(nouă, şaizecişitrei) ţâî é")), U(u"(NOUĂ, ŞAIZECIŞITREI) Ţâî é"));
    EXPECT_EQ(ToUpperRo(QStringLiteral("----")), QStringLiteral("----"));
}

TEST(DecodeDiacritics, FollowsItsTable)
{
    EXPECT_EQ(DecodeDiacritics(QStringLiteral("@A@H@I@S@T@a@h@i@s@t")), U(u"ĂÂÎŞŢăâîşţ"));
    EXPECT_EQ(DecodeDiacritics(QStringLiteral("a@@b")), QStringLiteral("a@b"));
    EXPECT_EQ(DecodeDiacritics(QStringLiteral("x@qy")), QStringLiteral("xy"));
    EXPECT_EQ(DecodeDiacritics(QStringLiteral("cas@a@")), U(u"casă"));
    EXPECT_EQ(DecodeDiacritics(QStringLiteral("@")), QString());
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(ImparteRotunjitPar(25, 10), 2);
    EXPECT_EQ(ImparteRotunjitPar(35, 10), 4);
    EXPECT_EQ(ImparteRotunjitPar(26, 10), 3);
    EXPECT_EQ(ImparteRotunjitPar(24, 10), 2);
    EXPECT_EQ(ImparteRotunjitPar(-25, 10), -2);
    EXPECT_EQ(ImparteRotunjitPar(-35, 10), -4);
    EXPECT_EQ(ImparteRotunjitPar(-26, 10), -3);
    EXPECT_EQ(ImparteRotunjitPar(std::numeric_limits<qint64>::max(), 2), Q_INT64_C(4611686018427387904));
}

TEST(FormatCode, ExactKeywordsOnly)
{
    EXPECT_EQ(CodFormatNota(QStringLiteral("NOTA")), 0);
    EXPECT_EQ(CodFormatNota(QStringLiteral("NOTA(PROCENT)")), 1);
    EXPECT_EQ(CodFormatNota(QStringLiteral("NOTA/PROCENT")), 2);
    EXPECT_EQ(CodFormatNota(QStringLiteral("NOTA/LITERE")), 3);
    EXPECT_EQ(CodFormatNota(QStringLiteral("nota/litere")), 0);
    EXPECT_EQ(CodFormatNota(QString()), 0);
}

using A = TNotaFormatata::Asezare;

struct CazFormat
{
    const char *cuvant;
    bool douaZone;
    bool majuscule;
    A asezare;
    const char16_t *prima;
    const char16_t *aDoua;
};

class FormateazaNota963 : public ::testing::TestWithParam<CazFormat>
{
};

TEST_P(FormateazaNota963, TextsAndLayout)
{
    const CazFormat caz = GetParam();
    const TNotaFormatata r =
        FormateazaNota(Nota(963), CodFormatNota(QLatin1String(caz.cuvant)), caz.douaZone, caz.majuscule);
    EXPECT_EQ(r.asezare, caz.asezare);
    EXPECT_EQ(r.prima, U(caz.prima));
    if (caz.douaZone) {
        EXPECT_EQ(r.aDoua, U(caz.aDoua));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabel, FormateazaNota963,
    ::testing::Values(CazFormat{"NOTA", true, false, A::Unita, u"9,63", u" "},
                      CazFormat{"NOTA(PROCENT)", true, false, A::Unita, u"9,63 (nouă, 63%)", u" "},
                      CazFormat{"NOTA/PROCENT", true, false, A::DouaRanduri, u"9,63", u"(nouă, 63%)"},
                      CazFormat{"NOTA/LITERE", true, false, A::DouaRanduri, u"9,63",
                                u"(nouă, şaizecişitrei)"},
                      CazFormat{"NOTA", true, true, A::Unita, u"9,63", u" "},
                      CazFormat{"NOTA(PROCENT)", true, true, A::Unita, u"9,63 (NOUĂ, 63%)", u" "},
                      CazFormat{"NOTA/PROCENT", true, true, A::DouaRanduri, u"9,63", u"(NOUĂ, 63%)"},
                      CazFormat{"NOTA/LITERE", true, true, A::DouaRanduri, u"9,63", u"(NOUĂ, ŞAIZECIŞITREI)"},
                      // One area: the two-line formats print on one line, nothing moves.
                      CazFormat{"NOTA", false, false, A::Neschimbata, u"9,63", nullptr},
                      CazFormat{"NOTA(PROCENT)", false, false, A::Neschimbata, u"9,63 (nouă, 63%)", nullptr},
                      CazFormat{"NOTA/PROCENT", false, false, A::Neschimbata, u"9,63 (nouă, 63%)", nullptr},
                      CazFormat{"NOTA/LITERE", false, false, A::Neschimbata, u"9,63 (nouă, 63%)", nullptr},
                      CazFormat{"NOTA/LITERE", false, true, A::Neschimbata, u"9,63 (NOUĂ, 63%)", nullptr},
                      CazFormat{"altceva", true, false, A::Unita, u"9,63", u" "}));

TEST(FormateazaNota, OtherGrades)
{
    EXPECT_EQ(FormateazaNota(Nota(1000), 0, false, false).prima, QStringLiteral("10,00"));
    EXPECT_EQ(FormateazaNota(Nota(1000), 1, false, false).prima, QStringLiteral("10,00 (zece)"));
    EXPECT_EQ(FormateazaNota(Nota(1000), 3, true, true).aDoua, QStringLiteral("(ZECE)"));
    EXPECT_EQ(FormateazaNota(Nota(900), 1, false, false).prima, U(u"9,00 (nouă)"));
    EXPECT_EQ(FormateazaNota(Nota(900), 3, true, false).aDoua, U(u"(nouă)"));
    EXPECT_EQ(FormateazaNota(Nota(705), 2, true, false).aDoua, U(u"(şapte, 05%)"));
    EXPECT_EQ(FormateazaNota(Nota(705), 3, true, false).aDoua, U(u"(şapte, zerocinci)"));
    EXPECT_EQ(FormateazaNota(Nota(816), 3, true, false).aDoua, U(u"(opt, şaisprezece)"));
    // The number is cut to two decimals; the words take the grade rounded to hundredths.
    EXPECT_EQ(FormateazaNota(96399 * 100, 1, false, false).prima, U(u"9,63 (nouă, 64%)"));
    EXPECT_EQ(FormateazaNota(96350 * 100, 1, false, false).prima, U(u"9,63 (nouă, 64%)"));
    EXPECT_EQ(FormateazaNota(96250 * 100, 1, false, false).prima, U(u"9,62 (nouă, 62%)"));
}

TEST(FormateazaNota, NoGradePrintsHyphens)
{
    const TNotaFormatata douaRanduri = FormateazaNota(std::nullopt, 3, true, true);
    EXPECT_EQ(douaRanduri.asezare, A::DouaRanduri);
    EXPECT_EQ(douaRanduri.prima, QStringLiteral("----"));
    EXPECT_EQ(douaRanduri.aDoua, QStringLiteral(" "));
    const TNotaFormatata unita = FormateazaNota(std::nullopt, 1, true, false);
    EXPECT_EQ(unita.asezare, A::Unita);
    EXPECT_EQ(unita.prima, QStringLiteral("----"));
    EXPECT_EQ(unita.aDoua, QStringLiteral(" "));
    EXPECT_EQ(FormateazaNota(std::nullopt, 0, false, false).prima, QStringLiteral("----"));
}

} // namespace
