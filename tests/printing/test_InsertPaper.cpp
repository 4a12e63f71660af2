#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "printing/InsertPaper.h"
#include "printing/UAllStuffReg.h"
#include "settings/StocareSetari.h"
#include "support/MesajeTest.h"

class InsertPaper : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstaleazaStocareSetari(&m_stocare);
        MesajeTest().Reseteaza();
    }
    void TearDown() override { InstaleazaStocareSetari(nullptr); }

    QString Vizibile(const TInsertPaperForm &d)
    {
        QStringList nume;
        for (QLabel *l : {d.Image1, d.Image2, d.Image3, d.Image4, d.Image5, d.Image6}) {
            if (!l->isHidden())
                nume.append(l->objectName());
        }
        return nume.join(QLatin1Char(','));
    }

    TStocareSetariMemorie m_stocare;
};

TEST_F(InsertPaper, CaptionArrowTickAndPictureFollowTheSettings)
{
    struct Caz
    {
        int side;
        bool opusa;
        quint8 feed;
        QString ales;
        QString titlu;
        bool bifa;
        QString vizibile;
    };
    const Caz cazuri[] = {
        {0, false, 1, QStringLiteral("*"), QStringLiteral("(1)"), true, QStringLiteral("Image1,Image5")},
        {0, false, 2, QStringLiteral("*"), QStringLiteral("(1)"), false, QStringLiteral("Image3,Image6")},
        {0, true, 3, QStringLiteral("N"), QStringLiteral("(2)"), false, QStringLiteral("Image2,Image5")},
        {1, false, 1, QStringLiteral("*"), QStringLiteral("(3)"), false, QStringLiteral("Image2,Image5")},
        {1, true, 4, QStringLiteral("*"), QStringLiteral("(4)"), true, QStringLiteral("Image3,Image6")},
        {1, true, 4, QStringLiteral("D"), QStringLiteral("(4)"), true, QStringLiteral("Image3,Image6")},
    };
    TInsertPaperForm dialog;
    for (const Caz &c : cazuri) {
        TAllStuffReg setari(&m_stocare);
        setari.PrintsOnOppositeFace = c.opusa;
        setari.FeedMode = c.feed;
        setari.SetMirrorChoice(c.side, c.ales);
        dialog.Pregateste(c.side, setari, 2.5, -1);
        EXPECT_EQ(dialog.windowTitle(), c.titlu);
        EXPECT_EQ(dialog.RzCheckBox1->isChecked(), c.bifa) << c.titlu.toStdString();
        EXPECT_EQ(Vizibile(dialog), c.vizibile) << c.titlu.toStdString();
    }
}

TEST_F(InsertPaper, TickingSwapsThePictureAndIsRememberedEvenAfterCancel)
{
    TAllStuffReg setari(&m_stocare);
    setari.FeedMode = 1;
    TInsertPaperForm dialog;
    dialog.Pregateste(0, setari, 2.5, -1);
    dialog.RzCheckBox1->click();
    EXPECT_EQ(Vizibile(dialog), QStringLiteral("Image3,Image5"));

    dialog.Edit1->setText(QStringLiteral("nu e numar"));
    dialog.show();
    dialog.RzBitBtn2->click();
    double stanga = 2.5, sus = -1;
    EXPECT_FALSE(dialog.Finalizeaza(0, setari, stanga, sus));
    EXPECT_DOUBLE_EQ(stanga, 2.5);
    EXPECT_DOUBLE_EQ(sus, -1);
    EXPECT_EQ(setari.OglindescFata, QStringLiteral("N"));
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
}

TEST_F(InsertPaper, OkRefusesAMarginThatIsNoNumberAndTakesCommaOrPoint)
{
    TAllStuffReg setari(&m_stocare);
    TInsertPaperForm dialog;
    dialog.Pregateste(0, setari, 0, 0);
    dialog.show();
    dialog.Edit2->setText(QStringLiteral("3,x"));
    dialog.RzBitBtn1->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare),
              QStringList{QStringLiteral("\"3,x\" nu este un numar valid.")});

    dialog.Edit1->setText(QStringLiteral("2,5"));
    dialog.Edit2->setText(QStringLiteral("-1.25"));
    dialog.RzBitBtn1->click();
    EXPECT_FALSE(dialog.isVisible());
    double stanga = 0, sus = 0;
    dialog.Finalizeaza(0, setari, stanga, sus);
    EXPECT_DOUBLE_EQ(stanga, 2.5);
    EXPECT_DOUBLE_EQ(sus, -1.25);
}
