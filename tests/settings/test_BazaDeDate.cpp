#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "settings/SetariBazaDeDate.h"
#include "settings/StocareSetari.h"
#include "settings/UBazaDeDate.h"
#include "support/MesajeTest.h"

namespace {

class BazaDeDate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstaleazaStocareSetari(&m_setari);
        MesajeTest().Reseteaza();
    }
    void TearDown() override { InstaleazaStocareSetari(nullptr); }

    TStocareSetariMemorie m_setari;
};

TEST_F(BazaDeDate, AServerChosenInTheDialogIsKeptForTheUserAndShownAgain)
{
    {
        TBazaDeDate dialog;
        EXPECT_TRUE(dialog.RadioFisier->isChecked());
        EXPECT_FALSE(dialog.EditServer->isEnabled());
        dialog.RadioServer->setChecked(true);
        EXPECT_TRUE(dialog.EditServer->isEnabled());
        EXPECT_EQ(dialog.EditParola->echoMode(), QLineEdit::Password);

        // Incomplete: refused with what is missing, nothing kept.
        dialog.BtnOk->click();
        EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare),
                  QStringList{QStringLiteral("Scrieti numele sau adresa serverului.")});
        EXPECT_FALSE(SetariBazaDeDate::Citeste(m_setari).PeServer());

        dialog.EditServer->setText(QStringLiteral("secretariat/3051"));
        dialog.EditCale->setText(QStringLiteral("/srv/certificate.fdb"));
        dialog.EditUtilizator->setText(QStringLiteral("SECRETARA"));
        dialog.EditParola->setText(QStringLiteral("tainic"));
        dialog.BtnOk->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    const TConexiuneBaza c = SetariBazaDeDate::Citeste(m_setari);
    EXPECT_EQ(c.Text(), QStringLiteral("secretariat/3051:/srv/certificate.fdb"));
    EXPECT_EQ(c.Utilizator, QStringLiteral("SECRETARA"));
    EXPECT_EQ(c.Parola, QStringLiteral("tainic"));

    TBazaDeDate dinNou;
    EXPECT_TRUE(dinNou.RadioServer->isChecked());
    EXPECT_EQ(dinNou.EditServer->text(), QStringLiteral("secretariat/3051"));
    EXPECT_EQ(dinNou.EditParola->text(), QStringLiteral("tainic"));
    // Back to this computer's file.
    dinNou.RadioFisier->setChecked(true);
    dinNou.BtnOk->click();
    EXPECT_FALSE(SetariBazaDeDate::Citeste(m_setari).PeServer());
}

TEST_F(BazaDeDate, TryingAServerThatDoesNotAnswerNamesItAndKeepsNothing)
{
    TBazaDeDate dialog;
    dialog.RadioServer->setChecked(true);
    dialog.EditServer->setText(QStringLiteral("127.0.0.1/1"));
    dialog.EditCale->setText(QStringLiteral("/srv/certificate.fdb"));
    dialog.EditParola->setText(QStringLiteral("tainic"));
    dialog.BtnIncearca->click();
    const QStringList erori = MesajeTest().Texte(TMesajeTest::Tip::Eroare);
    ASSERT_EQ(erori.size(), 1);
    EXPECT_TRUE(erori[0].startsWith(
        QStringLiteral("Nu pot ajunge la serverul de baze de date \"127.0.0.1\" (portul 1).")))
        << erori[0].toStdString();
    EXPECT_FALSE(erori[0].contains(QStringLiteral("tainic")));
    EXPECT_FALSE(SetariBazaDeDate::Citeste(m_setari).PeServer());
}

} // namespace
