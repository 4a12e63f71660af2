#include <gtest/gtest.h>

#include <memory>

#include <QVariant>

#include "forms/FontFormular.h"

namespace {

class TArieDeProba : public IUtilizatorFontFormular
{
public:
    void FontChanged() override { ++schimbari; }
    void FontReleased() override { ++eliberari; }
    int schimbari = 0;
    int eliberari = 0;
};

} // namespace

TEST(FontFormular, StartsAsDesignedAndNamed)
{
    TFontFormular f(nullptr, QStringLiteral("Stanga_mic"));
    EXPECT_EQ(f.objectName(), QStringLiteral("Stanga_mic"));
    EXPECT_EQ(f.FontName(), QStringLiteral("Arial"));
    EXPECT_EQ(f.CodePage(), 1250);
    EXPECT_EQ(f.CharSet(), 238);
    EXPECT_DOUBLE_EQ(f.Size(), 3.0);
    EXPECT_FALSE(f.Bold());
    EXPECT_FALSE(f.Italic());
    EXPECT_TRUE(f.DescrierePentruEditor().isEmpty());
    // The design data sets them by name.
    EXPECT_TRUE(f.setProperty("Size", QVariant(4.7)));
    EXPECT_DOUBLE_EQ(f.Size(), 4.7);
}

TEST(FontFormular, EveryDrawingPropertyTellsTheAreasThatUseIt)
{
    TFontFormular f;
    TArieDeProba a, b;
    f.AddTextArea(&a);
    f.AddTextArea(&b);
    f.AddTextArea(&a); // once only
    EXPECT_EQ(f.TextAreas().size(), 2);

    f.SetFontName(QStringLiteral("Times New Roman"));
    f.SetCodePage(1252);
    f.SetCharSet(0);
    f.SetSize(5.0);
    f.SetBold(true);
    f.SetItalic(true);
    EXPECT_EQ(a.schimbari, 6);
    f.SetDescrierePentruEditor(QStringLiteral("Nume mic")); // a label only: no redraw
    EXPECT_EQ(a.schimbari, 6);

    f.RemoveTextArea(&a);
    f.SetSize(6.0);
    EXPECT_EQ(a.schimbari, 6);
    EXPECT_EQ(b.schimbari, 7);
}

TEST(FontFormular, DestroyingItReleasesOnlyTheAreasStillUsingIt)
{
    TArieDeProba a, b;
    {
        TFontFormular f;
        f.AddTextArea(&a);
        f.AddTextArea(&b);
        f.RemoveTextArea(&b);
    }
    EXPECT_EQ(a.eliberari, 1);
    EXPECT_EQ(b.eliberari, 0);
    EXPECT_EQ(a.schimbari, 0);
}
