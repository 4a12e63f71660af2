#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>

#include "printing/DispozitivImprimanta.h"
#include "printing/PrintWizUnit.h"
#include "printing/UAllStuffReg.h"
#include "settings/StocareSetari.h"
#include "comun/Pozitionare.h"
#include "support/MesajeTest.h"

class PrintWiz : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstaleazaStocareSetari(&m_stocare);
        m_imprimanta.ListaImprimante = {QStringLiteral("PDF"), QStringLiteral("Birou"), QStringLiteral("Laser 1")};
        m_imprimanta.Curenta = 0;
        m_imprimanta.Geometrie.HorzRes = 4760;
        m_imprimanta.Geometrie.VertRes = 6812;
        MesajeTest().Reseteaza();
    }
    void TearDown() override
    {
        InstaleazaStocareSetari(nullptr);
    }

    QString All()
    {
        for (const auto &v : m_stocare.Valori(TAllStuffReg::kCheie)) {
            if (v.nume == QLatin1String("all"))
                return v.sir;
        }
        return QString();
    }

    TStocareSetariMemorie m_stocare;
    TDispozitivImprimantaInregistrare m_imprimanta;
};

TEST_F(PrintWiz, TopFeedRunPrintsThreeTestPagesAndStoresTheAnswers)
{
    TPrintWiz wiz(m_imprimanta);
    EXPECT_EQ(wiz.PaginaVizibila(), 0);
    ASSERT_EQ(wiz.ListaImprimante->topLevelItemCount(), 3);
    EXPECT_TRUE(wiz.ListaImprimante->topLevelItem(0)->isSelected());
    wiz.ListaImprimante->clearSelection();
    wiz.ListaImprimante->topLevelItem(2)->setSelected(true);

    const auto inainte = [&] { wiz.NiceButton2Click(); };
    inainte();
    EXPECT_EQ(wiz.PaginaVizibila(), 1);
    wiz.RadioButton1->setChecked(true);
    inainte();
    EXPECT_EQ(wiz.PaginaVizibila(), 5);
    inainte();
    inainte();
    EXPECT_EQ(wiz.PaginaVizibila(), 7);
    wiz.RadioButton7->setChecked(true);
    inainte();
    inainte();
    EXPECT_EQ(wiz.PaginaVizibila(), 9);
    wiz.RadioButton8->setChecked(true);
    inainte();
    EXPECT_EQ(wiz.PaginaVizibila(), 13);
    EXPECT_TRUE(m_stocare.Valori(TAllStuffReg::kCheie).isEmpty()) << "nothing is stored before OK";

    wiz.show();
    inainte();
    EXPECT_EQ(wiz.result(), QDialog::Accepted);
    wiz.SalveazaRaspunsurile();
    EXPECT_EQ(All(), QStringLiteral("0,1,1,0,0,1,0,0,0,0,\"Laser 1\",2"));

    using T = TDispozitivImprimantaInregistrare::TipOperatie;
    const auto documente = m_imprimanta.OperatiiDeTip(T::IncepeDocument);
    ASSERT_EQ(documente.size(), 3);
    EXPECT_EQ(documente[0].Text, QStringLiteral("Prima sageata"));
    EXPECT_EQ(documente[1].Text, QStringLiteral("A doua sageata"));
    EXPECT_EQ(documente[2].Text, QStringLiteral("Liniile orizonala si verticala"));
    EXPECT_EQ(m_imprimanta.OperatiiDeTip(T::TerminaDocument).size(), 3);
    const auto setari = m_imprimanta.OperatiiDeTip(T::SetariDispozitiv);
    ASSERT_EQ(setari.size(), 3);
    EXPECT_EQ(setari[0].Setari.Orientare, TSetariDispozitiv::Portret);
    const auto imagini = m_imprimanta.OperatiiDeTip(T::DeseneazaImagine);
    ASSERT_EQ(imagini.size(), 3);
    // The lines picture is as large as the template: it fills the printable area.
    EXPECT_EQ(imagini[2].Dreptunghi, QRect(0, 0, 4760, 6812));
    EXPECT_TRUE(QRect(0, 0, 4760, 6812).contains(imagini[0].Dreptunghi));
    EXPECT_EQ(m_imprimanta.OperatiiDeTip(T::SelecteazaImprimanta).value(0).Index, 2);
}

TEST_F(PrintWiz, NothingChosenGoesThroughInternalFeedAndBackReturns)
{
    TPrintWiz wiz(m_imprimanta);
    wiz.NiceButton2Click();
    wiz.NiceButton2Click();
    EXPECT_EQ(wiz.PaginaVizibila(), 3);
    wiz.NiceButton2Click();
    EXPECT_EQ(wiz.PaginaVizibila(), 4);
    wiz.NiceButton2Click();
    wiz.NiceButton2Click();
    EXPECT_EQ(wiz.PaginaVizibila(), 6);
    EXPECT_EQ(wiz.Logica().FeedMode, 3);
    wiz.RzBitBtn1Click();
    EXPECT_EQ(wiz.PaginaVizibila(), 5);
    wiz.RzBitBtn1Click();
    EXPECT_EQ(wiz.PaginaVizibila(), 4);

    wiz.show();
    wiz.RzBitBtn3Click();
    EXPECT_EQ(wiz.result(), QDialog::Rejected);
    EXPECT_TRUE(m_stocare.Valori(TAllStuffReg::kCheie).isEmpty());
}

TEST_F(PrintWiz, APrinterErrorStillEndsTheDocument)
{
    m_imprimanta.EroareLaDesen = QStringLiteral("Imprimanta nu raspunde");
    TPrintWiz wiz(m_imprimanta);
    wiz.NiceButton2Click();
    wiz.RadioButton1->setChecked(true);
    wiz.NiceButton2Click();
    wiz.RzBitBtn2->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare), QStringList{QStringLiteral("Imprimanta nu raspunde")});
    EXPECT_FALSE(m_imprimanta.DocumentDeschis());
    EXPECT_EQ(wiz.PaginaVizibila(), 5) << "the page stays until the test print succeeds";
}

TEST_F(PrintWiz, OpensCentredAndAsksOnPageEightAsTheSideAnswerSays)
{
    TPrintWiz wiz(m_imprimanta);
    const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(wiz.frameGeometry().topLeft(), PozitieCentrata(zona, wiz.frameGeometry().size()));

    const auto textPagina8 = [&] {
        QStringList texte;
        for (const QLabel *l : wiz.PageControl1->widget(8)->findChildren<QLabel *>())
            texte.append(l->text());
        return texte.join(QLatin1Char('\n'));
    };
    for (int i = 0; i < 6; ++i)
        wiz.NiceButton2Click();
    ASSERT_EQ(wiz.PaginaVizibila(), 7);
    // Nothing answered: the sheet goes back with the hatched arrow in sight.
    wiz.NiceButton2Click();
    ASSERT_EQ(wiz.PaginaVizibila(), 8);
    EXPECT_TRUE(textPagina8().contains(QStringLiteral("cu sageata HASURATA"))) << textPagina8().toStdString();
    wiz.RzBitBtn1Click();
    wiz.RadioButton6->setChecked(true);
    wiz.NiceButton2Click();
    EXPECT_TRUE(textPagina8().contains(QStringLiteral("cu sagetile pe partea vizibila")));
    EXPECT_FALSE(wiz.Logica().PrintsOnOppositeFace);
}
