#include <gtest/gtest.h>

#include <QWidget>

#include "candidates/FormatareNota.h"
#include "forms/QFormularTextArea.h"
#include "settings/InfoGlobal2005.h"
#include "settings/StocareSetari.h"
#include "comun/Exceptie.h"

namespace {

QString U(const char16_t *text)
{
    return QString::fromUtf16(text);
}

const qint64 k963 = 9630000; // 9,63 times 100, in ten-thousandths

// The zone an area on screen shows: the grade is formatted into it.
TZonaText *Z(TFormularTextArea *arie)
{
    return &arie->Zona();
}

// A pair of grade areas on a page that is never shown, and the settings they read.
class FormatGradeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sus = new TFormularTextArea(&pagina, QStringLiteral("sus"));
        jos = new TFormularTextArea(&pagina, QStringLiteral("jos"));
        sus->Set_Top(100);
        jos->Set_Top(110);
        sus->SetVisible(true);
        jos->SetVisible(true);
    }

    void Setari(const QString &format, const QString &majuscule = QStringLiteral("0"))
    {
        TInfoGlobal2005 info(&stocare);
        info.setNotaDiploma(format);
        info.setMedieCotor(QStringLiteral("NOTA"));
        info.setScriuCuLitereMari(majuscule);
    }

    TStocareSetariMemorie stocare;
    QWidget pagina;
    TFormularTextArea *sus = nullptr;
    TFormularTextArea *jos = nullptr;
};

TEST_F(FormatGradeTest, OneLineFormatsHideTheSecondAreaAndMoveTheFirstHalfWayWithoutDrifting)
{
    Setari(QStringLiteral("NOTA(PROCENT)"));
    for (int i = 0; i < 3; ++i) {
        FormatGrade(Z(sus), Z(jos), k963, NOTA_DIPLOMA, &stocare);
        EXPECT_EQ(sus->Text(), U(u"9,63 (nouă, 63%)"));
        EXPECT_EQ(jos->Text(), QStringLiteral(" "));
        EXPECT_FALSE(jos->Visible());
        EXPECT_DOUBLE_EQ(sus->_Top(), 105.0);
        EXPECT_DOUBLE_EQ(jos->_Top(), 110.0);
    }
    // It moved on screen as well.
    TFormularTextArea reper(&pagina);
    reper.Set_Top(105);
    reper.ApplyZoom();
    EXPECT_EQ(sus->y(), reper.y());
    EXPECT_NE(sus->y(), 0);
    // A two-line format puts both back on their own places.
    Setari(QStringLiteral("NOTA/LITERE"), QStringLiteral("1"));
    FormatGrade(Z(sus), Z(jos), k963, NOTA_DIPLOMA, &stocare);
    EXPECT_EQ(sus->Text(), QStringLiteral("9,63"));
    EXPECT_EQ(jos->Text(), U(u"(NOUĂ, ŞAIZECIŞITREI)"));
    EXPECT_TRUE(jos->Visible());
    EXPECT_DOUBLE_EQ(sus->_Top(), 100.0);
}

TEST_F(FormatGradeTest, TheKindChoosesTheSetting)
{
    Setari(QStringLiteral("NOTA/PROCENT"));
    FormatGrade(Z(sus), Z(jos), k963, NOTA_DIPLOMA, &stocare);
    EXPECT_EQ(jos->Text(), U(u"(nouă, 63%)"));
    FormatGrade(Z(sus), Z(jos), k963, MEDIE_COTOR, &stocare);
    EXPECT_EQ(sus->Text(), QStringLiteral("9,63"));
    EXPECT_FALSE(jos->Visible());
    // Never set: "NOTA" by default, number only.
    FormatGrade(Z(sus), nullptr, k963, NOTA_COTOR, &stocare);
    EXPECT_EQ(sus->Text(), QStringLiteral("9,63"));
}

TEST_F(FormatGradeTest, ASingleAreaNeverMoves)
{
    Setari(QStringLiteral("NOTA/LITERE"));
    FormatGrade(nullptr, Z(jos), k963, NOTA_DIPLOMA, &stocare); // the only area given becomes the first
    EXPECT_EQ(jos->Text(), U(u"9,63 (nouă, 63%)"));
    EXPECT_DOUBLE_EQ(jos->_Top(), 110.0);
    EXPECT_TRUE(jos->Visible());
    FormatGrade(Z(sus), nullptr, std::nullopt, NOTA_DIPLOMA, &stocare);
    EXPECT_EQ(sus->Text(), QStringLiteral("----"));
    EXPECT_DOUBLE_EQ(sus->_Top(), 100.0);
}

TEST_F(FormatGradeTest, NoGrade)
{
    Setari(QStringLiteral("NOTA/LITERE"));
    FormatGrade(Z(sus), Z(jos), std::nullopt, NOTA_DIPLOMA, &stocare);
    EXPECT_EQ(sus->Text(), QStringLiteral("----"));
    EXPECT_EQ(jos->Text(), QStringLiteral(" "));
    EXPECT_TRUE(jos->Visible());
}

TEST_F(FormatGradeTest, UnreadableSettingsLeaveTheAreasBlankAndAreReported)
{
    sus->SetText(QStringLiteral("vechi"));
    jos->SetText(QStringLiteral("vechi"));
    TStocareSetariMemorie::Valoare gresit;
    gresit.nume = QStringLiteral("ScriuCuLitereMari");
    gresit.tip = TTipValoare::Intreg;
    stocare.Pune(TInfoGlobal2005::Cheie(), gresit);
    EXPECT_THROW(FormatGrade(Z(sus), Z(jos), k963, NOTA_DIPLOMA, &stocare), Exceptie);
    EXPECT_EQ(sus->Text(), QStringLiteral(" "));
    EXPECT_EQ(jos->Text(), QStringLiteral(" "));
    EXPECT_THROW(FormatGrade(nullptr, nullptr, k963, NOTA_DIPLOMA, &stocare), Exceptie);
}

} // namespace
