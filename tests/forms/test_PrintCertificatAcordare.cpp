#include <gtest/gtest.h>

#include <set>

#include <QPushButton>
#include <QTabWidget>

#include "forms/FontFormular.h"
#include "forms/FormularDePrintat.h"
#include "forms/QFormularTextArea.h"
#include "forms/UPrintCertificatAcordare.h"

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
