#include <gtest/gtest.h>

#include <QList>
#include <QStringList>

#include "printing/LogicaPrintWiz.h"

namespace {

// Walks the wizard to its end, answering as given; returns the pages seen.
QList<int> Parcurge(TLogicaPrintWiz &w, QStringList *tiparite = nullptr)
{
    w.tipareste = [tiparite](const QString &titlu, const QString &imagine) {
        if (tiparite)
            tiparite->append(titlu + QLatin1Char('/') + imagine);
    };
    QList<int> pagini{w.PaginaCurenta()};
    while (w.Inainte())
        pagini.append(w.PaginaCurenta());
    return pagini;
}

} // namespace

TEST(LogicaPrintWiz, PathsAndFeedModes)
{
    using W = TLogicaPrintWiz;
    struct Caz
    {
        W::TipAlimentare alimentare;
        W::TipReprezentare reprezentare;
        QList<int> pagini;
        int feedMode;
    };
    const Caz cazuri[] = {
        {W::TipAlimentare::Niciuna, W::TipReprezentare::Niciuna, {0, 1, 3, 4, 5, 6, 7, 8, 9, 13}, 3},
        {W::TipAlimentare::Alta, W::TipReprezentare::Normala, {0, 1, 3, 4, 5, 6, 7, 8, 9, 13}, 4},
        {W::TipAlimentare::Sus, W::TipReprezentare::Niciuna, {0, 1, 5, 6, 7, 8, 9, 13}, 1},
        {W::TipAlimentare::Frontala, W::TipReprezentare::Rasturnata, {0, 1, 2, 5, 6, 7, 8, 9, 13}, 2},
    };
    for (const Caz &c : cazuri) {
        W w;
        w.alimentare = c.alimentare;
        w.reprezentare = c.reprezentare;
        QStringList tiparite;
        EXPECT_EQ(Parcurge(w, &tiparite), c.pagini);
        EXPECT_EQ(w.FeedMode, c.feedMode);
        EXPECT_EQ(tiparite, (QStringList{QStringLiteral("Prima sageata/s1"), QStringLiteral("A doua sageata/s2"),
                                         QStringLiteral("Liniile orizonala si verticala/d")}));
    }
}

TEST(LogicaPrintWiz, AnswersOfThePrintedSheet)
{
    using W = TLogicaPrintWiz;
    struct Caz
    {
        W::Parte parte;
        W::Linii linii;
        bool opusa, dreapta, jos;
    };
    const Caz cazuri[] = {
        {W::Parte::Aceeasi, W::Linii::SusStanga, false, false, false},
        {W::Parte::Opusa, W::Linii::SusDreapta, true, true, false},
        {W::Parte::Niciuna, W::Linii::JosDreapta, false, true, true},
        {W::Parte::Opusa, W::Linii::JosStanga, true, false, true},
        {W::Parte::Opusa, W::Linii::Niciuna, true, false, false},
    };
    for (const Caz &c : cazuri) {
        W w;
        w.parte = c.parte;
        w.linii = c.linii;
        Parcurge(w);
        EXPECT_EQ(w.PrintsOnOppositeFace, c.opusa);
        EXPECT_EQ(w.VerticalLineRight, c.dreapta);
        EXPECT_EQ(w.HorizontalLineBottom, c.jos);
    }
}

TEST(LogicaPrintWiz, BackReturnsWhereTheUserCameFrom)
{
    TLogicaPrintWiz w;
    w.alimentare = TLogicaPrintWiz::TipAlimentare::Frontala;
    for (int i = 0; i < 4; ++i)
        w.Inainte();
    ASSERT_EQ(w.PaginaCurenta(), TLogicaPrintWiz::ADouaSageata);
    w.Inapoi();
    EXPECT_EQ(w.PaginaCurenta(), TLogicaPrintWiz::PrimaSageata);
    w.Inapoi();
    EXPECT_EQ(w.PaginaCurenta(), TLogicaPrintWiz::CasetaFrontala);
    w.Inapoi();
    w.Inapoi();
    EXPECT_EQ(w.PaginaCurenta(), TLogicaPrintWiz::SelectareImprimanta);
    w.Inapoi();
    EXPECT_EQ(w.PaginaCurenta(), TLogicaPrintWiz::SelectareImprimanta);
}

TEST(LogicaPrintWiz, TestPicturesSitOnThePageAsOnTheTemplate)
{
    EXPECT_EQ(TLogicaPrintWiz::DreptunghiImagine({4760, 6812}, {100, 100}, {50, 25}), QRect(1190, 2520, 2380, 1703));
    EXPECT_EQ(TLogicaPrintWiz::DreptunghiImagine({4760, 6812}, {100, 100}, {100, 100}), QRect(0, 0, 4760, 6812));
    EXPECT_EQ(TLogicaPrintWiz::DreptunghiImagine({1000, 1000}, {10, 10}, {13, 10}), QRect(-100, 0, 1300, 1000));
    EXPECT_EQ(TLogicaPrintWiz::DreptunghiImagine({1000, 1000}, {0, 10}, {13, 10}), QRect());
    // The far edges are truncated on their own: 5 * 2 / 3 = 3, where 1 + 1 would give 2.
    EXPECT_EQ(TLogicaPrintWiz::DreptunghiImagine({5, 5}, {3, 3}, {1, 1}), QRect(QPoint(1, 1), QSize(2, 2)));
}

TEST(LogicaPrintWiz, PageEightAsksForBothArrowsOnlyWhenTheyCameOutOnTheSameSide)
{
    TLogicaPrintWiz w;
    const QString ambele = QStringLiteral("cu sagetile pe partea vizibila");
    const QString hasurata = QStringLiteral("cu sageata HASURATA pe partea vizibila");
    w.parte = TLogicaPrintWiz::Parte::Aceeasi;
    EXPECT_TRUE(w.TextReintroducere().contains(ambele));
    w.parte = TLogicaPrintWiz::Parte::Opusa;
    EXPECT_TRUE(w.TextReintroducere().contains(hasurata));
    w.parte = TLogicaPrintWiz::Parte::Niciuna;
    EXPECT_TRUE(w.TextReintroducere().contains(hasurata));
}
