#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
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
#include "data/UJurnalTiparire.h"
#include "printing/DispozitivPdf.h"
#include "support/BazaTest.h"
#include "support/CitirePdf.h"
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

// Several candidates' certificates as one print job, from the database.
class TiparireSelectie : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        InstaleazaStocareSetari(&m_stocare);
        MesajeTest().Reseteaza();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        const QString rand =
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                           "ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', '%1', %2)");
        QStringList sql;
        for (int id = 1; id <= 3; ++id)
            sql << QStringLiteral("insert into ELEVI values (%1)").arg(id);
        sql << rand.arg(QStringLiteral("ALBU")).arg(1) << rand.arg(QStringLiteral("BRAD")).arg(2)
            << rand.arg(QStringLiteral("CRET")).arg(3);
        Executa(*m_dm, sql);
        TAllStuffReg s;
        s.Configured = true;
        s.FeedMode = 2;
    }
    void TearDown() override
    {
        InstaleazaStocareSetari(nullptr);
        TBazaTest::TearDown();
    }
    // The names on each page of the PDF, page by page.
    QStringList NumePePagini(const QString &fisier) const
    {
        QStringList pagini;
        const QStringList bucati = TextPdfCuCutii(fisier).split(QStringLiteral("<page "));
        for (const QString &pagina : bucati.mid(1)) {
            QString nume;
            for (const QString &n :
                 {QStringLiteral("ALBU"), QStringLiteral("BRAD"), QStringLiteral("CRET")}) {
                if (pagina.contains(n))
                    nume += n;
            }
            pagini.append(nume);
        }
        return pagini;
    }

    TStocareSetariMemorie m_stocare;
};

TEST_F(TiparireSelectie, PrintsTheSelectedInTheirOrderAsOneJobAndStopsWhenAsked)
{
    const QString fisier = m_dosar.filePath(QStringLiteral("selectie.pdf"));
    {
        TDispozitivPdf pdf(fisier, 0, 0, 600);
        TContextTiparire context(pdf);
        RaspundeLaDialog(QStringLiteral("0"), QStringLiteral("0"), true);
        EXPECT_EQ(PrintSelection(context, *m_dm, {3, 1, 2},
                                 {QStringLiteral("CRET"), QStringLiteral("ALBU"), QStringLiteral("BRAD")},
                                 nullptr),
                  3);
    }
    EXPECT_EQ(NumePePagini(fisier),
              (QStringList{QStringLiteral("CRET"), QStringLiteral("ALBU"), QStringLiteral("BRAD")}));
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty()) << "no question without a finding";
    EXPECT_EQ(JurnalTiparire::Istoric(*m_dm, 3).size(), 1u);

    // "Opreste" after the first page: a one-page PDF, one more log row.
    const QString unu = m_dosar.filePath(QStringLiteral("unu.pdf"));
    {
        TDispozitivPdf pdf(unu, 0, 0, 600);
        TContextTiparire context(pdf);
        RaspundeLaDialog(QStringLiteral("0"), QStringLiteral("0"), true);
        EXPECT_EQ(PrintSelection(context, *m_dm, {2, 3}, {QStringLiteral("BRAD"), QStringLiteral("CRET")},
                                 nullptr, [](QProgressDialog &progres, int) { progres.cancel(); }),
                  1);
    }
    EXPECT_EQ(NumePePagini(unu), QStringList{QStringLiteral("BRAD")});
    EXPECT_EQ(JurnalTiparire::Istoric(*m_dm, 2).size(), 2u);
    EXPECT_TRUE(JurnalTiparire::Istoric(*m_dm, 2).back().Retiparire);
}

TEST_F(TiparireSelectie, TextsTooSmallOfAllTheCandidatesAreAskedAboutOnce)
{
    Executa(*m_dm, {QStringLiteral("update \"DATE\" set VALOARE_TEXT = 'MARIAMAGDALENA POPESCUIONESCU "
                                   "CONSTANTINESCU ANABELA' where ID_ELEVI in (1, 2)")});
    TDispozitivImprimantaInregistrare imprimanta;
    TContextTiparire context(imprimanta);
    MesajeTest().Raspunde(false);
    EXPECT_EQ(PrintSelection(context, *m_dm, {1, 2, 3},
                             {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, nullptr),
              0);
    const QStringList intrebari = MesajeTest().Texte(TMesajeTest::Tip::Intrebare);
    ASSERT_EQ(intrebari.size(), 1);
    EXPECT_TRUE(intrebari[0].startsWith(QStringLiteral("A - FormularTextArea1")));
    EXPECT_TRUE(intrebari[0].contains(QStringLiteral("\nB - FormularTextArea1")));
    EXPECT_TRUE(intrebari[0].endsWith(
        QStringLiteral("Unele texte sunt prea mici sau nu incap pe certificat. Tiparesc totusi?")));
    EXPECT_TRUE(imprimanta.Operatii.isEmpty()) << "nothing printed, no paper dialog";
}
