#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "comun/Exceptie.h"
#include "forms/FormularDePrintat.h"
#include "forms/QFormularTextArea.h"
#include "forms/UPrintCertificatAcordare.h"
#include "printing/ContextTiparire.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/InsertPaper.h"
#include "printing/TiparireCertificat.h"
#include "printing/UAllStuffReg.h"
#include "settings/StocareSetari.h"
#include "support/MesajeTest.h"

namespace {

// Answers the paper-insertion dialog once it shows: margins, then Ok or Renunt.
void RaspundeLaDialog(const QString &stanga, const QString &sus, bool ok)
{
    QTimer::singleShot(0, [=] {
        auto *d = qobject_cast<TInsertPaperForm *>(QApplication::activeModalWidget());
        if (!d) {
            RaspundeLaDialog(stanga, sus, ok);
            return;
        }
        d->Edit1->setText(stanga);
        d->Edit2->setText(sus);
        (ok ? d->RzBitBtn1 : d->RzBitBtn2)->click();
    });
}

} // namespace

class TiparireCertificat : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstaleazaStocareSetari(&m_stocare);
        MesajeTest().Reseteaza();
        m_preview.FormularDePrintat1->FindTextArea(1)->SetText(QStringLiteral("Popescu Ana"));
    }
    void TearDown() override { InstaleazaStocareSetari(nullptr); }
    void Configureaza(quint8 feedMode)
    {
        TAllStuffReg s;
        s.Configured = true;
        s.FeedMode = feedMode;
    }
    QList<TDispozitivImprimantaInregistrare::Operatie> Texte() const
    {
        QList<TDispozitivImprimantaInregistrare::Operatie> texte;
        for (const auto &o :
             m_imprimanta.OperatiiDeTip(TDispozitivImprimantaInregistrare::TipOperatie::DeseneazaText)) {
            if (o.Text == QLatin1String("Popescu Ana"))
                texte.append(o);
        }
        return texte;
    }

    TStocareSetariMemorie m_stocare;
    TDispozitivImprimantaInregistrare m_imprimanta;
    TContextTiparire m_context{m_imprimanta};
    TPrintCertificatAcordare m_preview;
};

TEST_F(TiparireCertificat, RefusesUntilThePrinterIsConfigured)
{
    EXPECT_EQ(PrintCertificate(m_context, 0, *m_preview.FormularDePrintat1), std::nullopt);
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Configureaza imprimanta")});
    EXPECT_TRUE(m_imprimanta.Operatii.isEmpty());
}

TEST_F(TiparireCertificat, MarginsShiftEveryAreaAndAreStoredForNextTime)
{
    Configureaza(2);
    RaspundeLaDialog(QStringLiteral("0"), QStringLiteral("0"), true);
    PrintCertificate(m_context, 0, *m_preview.FormularDePrintat1);
    RaspundeLaDialog(QStringLiteral("2,5"), QStringLiteral("-1"), true);
    // The printer that took the page, for the print log.
    const std::optional<QString> imprimanta = PrintCertificate(m_context, 0, *m_preview.FormularDePrintat1);
    ASSERT_TRUE(imprimanta.has_value());
    EXPECT_EQ(*imprimanta, m_imprimanta.Imprimante().value(m_imprimanta.ImprimantaCurenta()));

    const auto texte = Texte();
    ASSERT_EQ(texte.size(), 2);
    // 600 dots per inch: 2.5 mm is 59 dots to the right, 1 mm is 24 dots up.
    EXPECT_NEAR(texte[1].Punct.x() - texte[0].Punct.x(), 2.5 * 600 / 25.4, 1.0);
    EXPECT_NEAR(texte[1].Punct.y() - texte[0].Punct.y(), -1.0 * 600 / 25.4, 1.0);
    const auto documente =
        m_imprimanta.OperatiiDeTip(TDispozitivImprimantaInregistrare::TipOperatie::IncepeDocument);
    ASSERT_EQ(documente.size(), 2);
    EXPECT_EQ(documente[0].Text, QStringLiteral("Diploma de examen national - fata"));
    const auto setari =
        m_imprimanta.OperatiiDeTip(TDispozitivImprimantaInregistrare::TipOperatie::SetariDispozitiv);
    EXPECT_EQ(setari.last().Setari.Orientare, TSetariDispozitiv::Peisaj);

    TAllStuffReg citite;
    EXPECT_DOUBLE_EQ(citite.FrontLeft, 2.5);
    EXPECT_DOUBLE_EQ(citite.FrontTop, -1.0);
    EXPECT_EQ(citite.OglindescFata, QStringLiteral("N"));
    EXPECT_FALSE(m_imprimanta.DocumentDeschis());
}

TEST_F(TiparireCertificat, CancellingPrintsNothingKeepsTheMarginsAndTheTick)
{
    Configureaza(1);
    {
        TAllStuffReg s;
        s.FrontLeft = 1.5;
    }
    RaspundeLaDialog(QStringLiteral("nu e numar"), QStringLiteral("9"), false);
    EXPECT_EQ(PrintCertificate(m_context, 0, *m_preview.FormularDePrintat1), std::nullopt);

    EXPECT_TRUE(
        m_imprimanta.OperatiiDeTip(TDispozitivImprimantaInregistrare::TipOperatie::IncepeDocument).isEmpty());
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
    TAllStuffReg citite;
    EXPECT_DOUBLE_EQ(citite.FrontLeft, 1.5);
    EXPECT_DOUBLE_EQ(citite.FrontTop, 0);
    EXPECT_EQ(citite.OglindescFata, QStringLiteral("D")) << "feed mode 1 ticks the turn by default";
}

// The windows opened from the main window print on its printer; a window with
// no such owner says so instead of printing somewhere.
TEST(ContextTiparire, IsFoundThroughTheOwnersOfAWindow)
{
    TDispozitivImprimantaInregistrare imprimanta;
    QWidget principala;
    auto *context = new TContextTiparire(imprimanta, &principala);
    QWidget lista(&principala);
    TPrintCertificatAcordare preview(&lista);
    EXPECT_EQ(&TContextTiparire::Al(&preview), context);
    EXPECT_EQ(&TContextTiparire::Al(&preview).Dispozitiv(), &imprimanta);
    EXPECT_EQ(&context->DialogHartie(), &context->DialogHartie()) << "one dialog, reused for every print";

    TPrintCertificatAcordare singura;
    EXPECT_THROW(TContextTiparire::Al(&singura), Exceptie);
}

// A proof needs no wizard run: after the paper dialog it prints the texts and
// the outlines on the same printer.
TEST_F(TiparireCertificat, AProofPrintsBeforeTheWizardHasRun)
{
    RaspundeLaDialog(QStringLiteral("0"), QStringLiteral("0"), true);
    PrintProof(m_context, 0, *m_preview.FormularDePrintat1);
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Informare).isEmpty());
    EXPECT_EQ(Texte().size(), 1);
    EXPECT_GE(
        m_imprimanta.OperatiiDeTip(TDispozitivImprimantaInregistrare::TipOperatie::DeseneazaLinie).size(),
        37 * 4);
    EXPECT_FALSE(m_imprimanta.DocumentDeschis());
}
