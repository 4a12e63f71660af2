#include <gtest/gtest.h>

#include <set>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "forms/FontFormular.h"
#include "forms/FormularDePrintat.h"
#include "forms/QFormularTextArea.h"
#include "forms/UPrintCertificatAcordare.h"
#include "support/MesajeTest.h"

TEST(PrintCertificatAcordare, HoldsTheCardWithItsThirtySevenBoundAreasAndTwelveFonts)
{
    THandlerCertificatAcordare handler;
    EXPECT_EQ(handler.Caption(), QStringLiteral("Certificat Acordare"));
    std::unique_ptr<TTemplate> fereastra(handler.CreatePreview(nullptr));
    auto *preview = qobject_cast<TPrintCertificatAcordare *>(fereastra.get());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Vizualizare inaintea imprimarii"));
    EXPECT_EQ(preview->PageControl1->tabText(0), QStringLiteral("Fata"));

    TFormularDePrintat *pagina = preview->FormularDePrintat1;
    EXPECT_EQ(pagina->size(), QSize(1135, 829));
    EXPECT_FALSE(pagina->BkImage().isNull()) << "the card's scan ships beside the program";
    EXPECT_EQ(preview->findChildren<TFontFormular *>().size(), 12);

    const QList<TFormularTextArea *> arii = pagina->TextAreas();
    ASSERT_EQ(arii.size(), 37);
    std::set<QString> campuri;
    for (TFormularTextArea *a : arii) {
        EXPECT_TRUE(a->Denumire1().startsWith(QStringLiteral("CertificatAcordare.FATA.")));
        EXPECT_DOUBLE_EQ(a->ZoomLock(), 200);
        EXPECT_NE(a->Font(), nullptr) << a->objectName().toStdString();
        campuri.insert(a->Denumire1());
    }
    EXPECT_EQ(campuri.size(), 37u) << "every profile line has its own area";
    TFormularTextArea *nume = pagina->FindTextArea(1);
    EXPECT_EQ(nume->Denumire1(), QStringLiteral("CertificatAcordare.FATA.C_NUME"));
    EXPECT_DOUBLE_EQ(nume->_Top(), 64.80);
    EXPECT_EQ(nume->Font()->objectName(), QStringLiteral("Stanga_nume_mic"));
    EXPECT_EQ(pagina->FindTextArea(21)->Denumire3(), QStringLiteral("NOTA_DIPLOMA"));
    EXPECT_EQ(pagina->MaxTextAreaNumber(), 182);
}

TEST(PrintCertificatAcordare, ZoomButtonsScaleByTenPercentWithoutMovingMillimetres)
{
    TPrintCertificatAcordare preview;
    TFormularDePrintat *pagina = preview.FormularDePrintat1;
    TFormularTextArea *arie = pagina->FindTextArea(10);
    const double stanga = arie->_Left();
    preview.RzBitBtn2->click();
    preview.RzBitBtn2->click();
    EXPECT_NEAR(pagina->Zoom(), 121, 1e-9);
    EXPECT_GT(pagina->width(), 1135);
    EXPECT_DOUBLE_EQ(arie->_Left(), stanga);
    preview.RzBitBtn3->click();
    preview.RzBitBtn3->click();
    EXPECT_NEAR(pagina->Zoom(), 100, 1e-9);
    EXPECT_EQ(pagina->size(), QSize(1135, 829));
}

// Texts the print would shrink below reading size are outlined on the screen,
// listed under the buttons, and printing them asks first.
TEST(PrintCertificatAcordare, TooSmallTextsAreOutlinedListedAndAskedAboutBeforePrinting)
{
    TPrintCertificatAcordare preview;
    TFormularDePrintat *pagina = preview.FormularDePrintat1;
    TFormularTextArea *nume = pagina->FindTextArea(1);
    const QString lung = QStringLiteral("MARIA-MAGDALENA POPESCU-IONESCU CONSTANTINESCU ANA B");
    nume->Zona().SetText(lung);
    pagina->FindTextArea(10)->Zona().SetText(QStringLiteral("Ana"));
    preview.DupaUmplere(
        {{QStringLiteral("CertificatAcordare.FATA.C_NUME"), QStringLiteral("Numele si prenumele")}});

    ASSERT_EQ(preview.Constatari().size(), 1);
    EXPECT_TRUE(nume->Semnalata());
    EXPECT_FALSE(pagina->FindTextArea(10)->Semnalata());
    EXPECT_FALSE(preview.EtichetaConstatari->isHidden());
    EXPECT_TRUE(preview.EtichetaConstatari->text().contains(QStringLiteral("Numele si prenumele")));
    EXPECT_TRUE(preview.EtichetaConstatari->text().contains(lung));

    // "No" prints nothing: the paper dialog never opens.
    MesajeTest().Reseteaza();
    MesajeTest().Raspunde(false);
    preview.RzBitBtn1->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare),
              QStringList{
                  QStringLiteral("Unele texte sunt prea mici sau nu incap pe certificat. Tiparesc totusi?")});

    // A shorter name clears the outline and the line.
    nume->Zona().SetText(QStringLiteral("ANA POPESCU"));
    preview.DupaUmplere({});
    EXPECT_TRUE(preview.Constatari().isEmpty());
    EXPECT_FALSE(nume->Semnalata());
    EXPECT_TRUE(preview.EtichetaConstatari->isHidden());
}
