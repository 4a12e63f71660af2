#include <gtest/gtest.h>

#include <memory>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "forms/FontFormular.h"
#include "forms/FormularDePrintat.h"
#include "forms/ParticularizareTextArea.h"
#include "forms/QFormularTextArea.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/DispozitivPdf.h"
#include "support/CitirePdf.h"

namespace {

using Tip = TDispozitivImprimantaInregistrare::TipOperatie;

bool Intunecat(QRgb p)
{
    return qGray(p) < 100;
}

// The box of the dark pixels of an image; empty when there is none.
QRect ZonaIntunecata(const QImage &imagine)
{
    QRect zona;
    for (int y = 0; y < imagine.height(); ++y)
        for (int x = 0; x < imagine.width(); ++x)
            if (Intunecat(imagine.pixel(x, y)))
                zona |= QRect(x, y, 1, 1);
    return zona;
}

// A preview window of the certificate with its page, a customisation list of
// its own in a temporary folder and a few fonts.
class Formular : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lista =
            std::make_unique<TListaParticularizareTextArea>(dosar.filePath(QStringLiteral("licenta.lic")));
        InstaleazaListaParticularizari(lista.get());
        fereastra.setObjectName(QStringLiteral("PrintCertificatAcordare"));
        suprafata = new TFormularDePrintat(&fereastra);
        suprafata->setObjectName(QStringLiteral("FormularDePrintat1"));
        suprafata->SetLatime(285.66);
        suprafata->SetInaltime(208.79);
        stanga = new TFontFormular(&fereastra, QStringLiteral("Stanga"));
        stanga->SetSize(4.0);
        mare = new TFontFormular(&fereastra, QStringLiteral("Mare"));
        mare->SetSize(6.0);
    }
    void TearDown() override { InstaleazaListaParticularizari(nullptr); }

    TFormularTextArea *Arie(const QString &nume, double stangaMm, double susMm, double latimeMm,
                            double inaltimeMm, double zoomLock = 200)
    {
        auto *arie = new TFormularTextArea(suprafata, nume);
        arie->SetIncarcare(true);
        arie->Set_Left(stangaMm);
        arie->Set_Top(susMm);
        arie->Set_Width(latimeMm);
        arie->Set_Height(inaltimeMm);
        arie->SetZoomLock(zoomLock);
        arie->SetFont(stanga);
        arie->ApplyZoom();
        arie->SetIncarcare(false);
        return arie;
    }

    // The area as painted; the pointer of the offscreen platform may rest on
    // an area, so the hover state is set as the test wants it.
    QImage Imagine(TFormularTextArea *arie, bool mouseOver = false)
    {
        arie->SetMouseOver(mouseOver);
        return suprafata->grab(arie->geometry()).toImage();
    }

    void Arata()
    {
        fereastra.resize(1200, 900);
        fereastra.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fereastra));
    }

    QTemporaryDir dosar;
    std::unique_ptr<TListaParticularizareTextArea> lista;
    QWidget fereastra;
    TFormularDePrintat *suprafata = nullptr;
    TFontFormular *stanga = nullptr;
    TFontFormular *mare = nullptr;
};

} // namespace

TEST_F(Formular, ThePageIsSizedByItsMillimetresAndTheZoomAlone)
{
    TFormularDePrintat nou;
    EXPECT_EQ(nou.size(), QSize(39, 39)); // 10 × 10 mm
    EXPECT_DOUBLE_EQ(nou.Zoom(), 100.0);
    EXPECT_TRUE(nou.TextAreaTransparent());
    EXPECT_EQ(nou.TextAreaBaseLine1_color(), QColor(Qt::red));
    EXPECT_EQ(nou.TextAreaBaseLine2_color(), QColor(Qt::blue));
    EXPECT_DOUBLE_EQ(nou.TextAreaBaseLine2_delta(), 1.0);

    EXPECT_EQ(suprafata->size(), QSize(1135, 829));
    suprafata->SetZoom(200);
    EXPECT_EQ(suprafata->size(), QSize(2270, 1659));
    suprafata->resize(300, 300);
    EXPECT_EQ(suprafata->size(), QSize(2270, 1659));
    suprafata->setGeometry(5, 5, 10, 4000);
    EXPECT_EQ(suprafata->size(), QSize(2270, 1659));
}

TEST_F(Formular, AreasAreFoundByTheNumberInTheirNames)
{
    EXPECT_EQ(suprafata->MaxTextAreaNumber(), 0);
    auto *a7 = Arie(QStringLiteral("FormularTextArea7"), 0, 0, 1, 1);
    auto *a12 = Arie(QStringLiteral("FormularTextArea12"), 0, 0, 1, 1);
    Arie(QStringLiteral("FormularTextAreaX3"), 0, 0, 1, 1);
    Arie(QStringLiteral("FormularTextArea"), 0, 0, 1, 1);
    Arie(QStringLiteral("FormularTextAreaXY"), 0, 0, 1, 1);
    EXPECT_EQ(suprafata->MaxTextAreaNumber(), 12);
    EXPECT_EQ(suprafata->FindTextArea(7), a7);
    EXPECT_EQ(suprafata->FindTextArea(12), a12);
    EXPECT_EQ(suprafata->FindTextArea(3), nullptr);
    EXPECT_EQ(suprafata->TextAreas().size(), 5);
}

TEST_F(Formular, AreasArePlacedByTheirMillimetresAtEveryZoom)
{
    TFormularTextArea *arie =
        Arie(QStringLiteral("FormularTextArea1"), 25.67, 64.79926706815877, 35.36, 4.40);
    EXPECT_EQ(arie->y(), 257);
    EXPECT_DOUBLE_EQ(arie->p_zoom(), 100.0);
    EXPECT_DOUBLE_EQ(arie->p_dpi(), ScreenDpi(100));

    suprafata->SetZoom(200);
    EXPECT_EQ(arie->y(), 515);
    EXPECT_DOUBLE_EQ(arie->_Top(), 64.79926706815877);

    // The same zoom again leaves the pixel bounds alone, even with new millimetres.
    arie->Set_Top(100.0);
    suprafata->SetZoom(200);
    EXPECT_EQ(arie->y(), 515);
    arie->Setp_zoom(100); // writing the area's zoom zooms its page
    EXPECT_DOUBLE_EQ(suprafata->Zoom(), 100.0);
    EXPECT_EQ(arie->y(), MmToPixels(ScreenDpi(100), 100.0));

    TFormularTextArea singura;
    EXPECT_DOUBLE_EQ(singura.p_zoom(), 100.0);
    EXPECT_DOUBLE_EQ(singura.p_dpi(), 96.0);
}

TEST_F(Formular, OutsideResizesAreUndoneUnlessTheZoomLockAllowsThem)
{
    Arata();
    TFormularTextArea *blocata = Arie(QStringLiteral("FormularTextArea1"), 25.67, 64.80, 35.36, 4.40, 200);
    const QRect limite = blocata->geometry();
    blocata->setGeometry(10, 10, 50, 20);
    EXPECT_EQ(blocata->geometry(), limite);
    EXPECT_DOUBLE_EQ(blocata->_Left(), 25.67);
    EXPECT_DOUBLE_EQ(blocata->ZoomLock(), 200.0);

    TFormularTextArea *libera = Arie(QStringLiteral("FormularTextArea2"), 25.67, 64.80, 35.36, 4.40, 0);
    libera->setGeometry(10, 20, 50, 30);
    EXPECT_EQ(libera->geometry(), QRect(10, 20, 50, 30));
    const double dpi = ScreenDpi(100);
    EXPECT_DOUBLE_EQ(libera->_Left(), PixelsToMm(10, dpi));
    EXPECT_DOUBLE_EQ(libera->_Top(), PixelsToMm(20, dpi));
    EXPECT_DOUBLE_EQ(libera->_Width(), PixelsToMm(50, dpi));
    EXPECT_DOUBLE_EQ(libera->_Height(), PixelsToMm(30, dpi));
    EXPECT_DOUBLE_EQ(libera->ZoomLock(), 100.0);
}

TEST_F(Formular, ShowingThePageLaterDoesNotRoundTheMillimetresToPixels)
{
    // Qt tells a hidden area of its new bounds only when it is shown; those
    // bounds are the zoom's own and must not be read back as a user's resize.
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea1"), 10.123, 20.456, 30.789, 4.321, 0);
    Arata();
    EXPECT_DOUBLE_EQ(arie->_Left(), 10.123);
    EXPECT_DOUBLE_EQ(arie->_Top(), 20.456);
    EXPECT_DOUBLE_EQ(arie->_Width(), 30.789);
    EXPECT_DOUBLE_EQ(arie->ZoomLock(), 0.0);
    suprafata->SetZoom(150);
    EXPECT_DOUBLE_EQ(arie->_Top(), 20.456);
    EXPECT_EQ(arie->y(), MmToPixels(ScreenDpi(150), 20.456));
}

TEST_F(Formular, APageWithoutAPicturePaintsWhiteAndOneWithAPictureShowsIt)
{
    QImage alb = suprafata->grab(QRect(0, 0, 200, 100)).toImage();
    EXPECT_EQ(alb.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(alb.pixelColor(199, 99), QColor(Qt::white));

    QImage rosu(20, 10, QImage::Format_RGB32);
    rosu.fill(QColor(200, 0, 0));
    suprafata->SetBkImage(rosu);
    suprafata->SetZoom(120);
    const QImage pagina = suprafata->grab().toImage();
    EXPECT_EQ(pagina.size(), suprafata->size());
    EXPECT_EQ(pagina.pixelColor(pagina.width() - 1, pagina.height() - 1), QColor(200, 0, 0));
    EXPECT_EQ(pagina.pixelColor(0, 0), QColor(200, 0, 0));
}

TEST_F(Formular, TextIsDrawnBottomAlignedAsTheAreaOrItsCustomisationSays)
{
    Arata();
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea21"), 20, 20, 50, 6);
    arie->SetText(QStringLiteral("WWW"));
    QRect zona = ZonaIntunecata(Imagine(arie));
    ASSERT_FALSE(zona.isEmpty());
    EXPECT_LE(zona.left(), 2);
    EXPECT_GE(zona.bottom(), arie->height() - 8); // letters sit on the base line, above the descent
    EXPECT_LT(zona.right(), arie->width() / 2);

    TParticularizareTextArea *c = lista->Find(fereastra.objectName(), arie->objectName(), true);
    c->Aliniere = 3;
    zona = ZonaIntunecata(Imagine(arie));
    EXPECT_GE(zona.right(), arie->width() - 3);

    arie->SetAlignment(TAliniere::Centru);
    c->Aliniere = 0;
    zona = ZonaIntunecata(Imagine(arie));
    EXPECT_NEAR(zona.center().x(), arie->width() / 2, 3);
}

TEST_F(Formular, ATextTooWideShrinksUntilItFits)
{
    Arata();
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea5"), 20, 20, 30, 6);
    arie->SetText(QStringLiteral("Universitatea de Vest"));
    const QRect zona = ZonaIntunecata(Imagine(arie));
    ASSERT_FALSE(zona.isEmpty());
    EXPECT_GE(zona.left(), 0);
    EXPECT_LT(zona.right(), arie->width());
    // Smaller than the font's own size: well under the area's height.
    EXPECT_LT(zona.height(), arie->height() - 6);
}

TEST_F(Formular, AnAreaWithoutAFontDrawsNoText)
{
    Arata();
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea3"), 20, 20, 50, 6);
    arie->SetText(QStringLiteral("WWW"));
    delete stanga;
    stanga = nullptr;
    EXPECT_EQ(arie->Font(), nullptr);
    EXPECT_TRUE(ZonaIntunecata(Imagine(arie)).isEmpty());

    arie->SetFont(mare);
    EXPECT_EQ(mare->TextAreas().size(), 1);
    EXPECT_FALSE(ZonaIntunecata(Imagine(arie)).isEmpty());
    delete arie;
    EXPECT_TRUE(mare->TextAreas().isEmpty());
}

TEST_F(Formular, PageFlagsDrawBackgroundFrameAndBaseLines)
{
    Arata();
    QImage rosu(20, 10, QImage::Format_RGB32);
    rosu.fill(QColor(0, 200, 0));
    suprafata->SetBkImage(rosu);
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea4"), 20, 20, 50, 8);
    arie->SetText(QStringLiteral("ab"));
    EXPECT_EQ(Imagine(arie).pixelColor(arie->width() - 2, 1), QColor(0, 200, 0)); // transparent

    suprafata->SetTextAreaTransparent(false);
    EXPECT_EQ(Imagine(arie).pixelColor(arie->width() - 2, 1), QColor(Qt::white));

    suprafata->SetTextAreaWithBorder(true);
    const QImage cuChenar = Imagine(arie);
    EXPECT_TRUE(Intunecat(cuChenar.pixel(0, 0)));
    EXPECT_TRUE(Intunecat(cuChenar.pixel(arie->width() - 1, arie->height() - 1)));
    suprafata->SetTextAreaWithBorder(false);

    suprafata->SetTextAreaBaseLine1(true);
    suprafata->SetTextAreaBaseLine2(true);
    const QImage linii = Imagine(arie);
    int rosii = -1, albastre = -1;
    for (int y = 0; y < linii.height(); ++y) {
        if (linii.pixelColor(arie->width() - 2, y) == QColor(Qt::red))
            rosii = y;
        if (linii.pixelColor(arie->width() - 2, y) == QColor(Qt::blue))
            albastre = y;
    }
    ASSERT_GE(rosii, 0);
    EXPECT_GT(rosii, arie->height() / 2);
    if (albastre >= 0) { // the second line may fall below the area
        EXPECT_EQ(albastre, rosii + MmToPixels(ScreenDpi(100), 1.0));
    }

    EXPECT_EQ(Imagine(arie, true).pixelColor(arie->width() - 2, 1),
              arie->palette().color(QPalette::Highlight));
}

TEST_F(Formular, PrintingPutsEveryAreaVisibleOrHiddenAtItsMillimetresPlusTheOffsets)
{
    TFormularTextArea *a = Arie(QStringLiteral("FormularTextArea1"), 25.67, 64.80, 35.36, 4.40);
    TFormularTextArea *b = Arie(QStringLiteral("FormularTextArea2"), 12.71, 56.62, 65.93, 3.77);
    TFormularTextArea *faraFont = Arie(QStringLiteral("FormularTextArea3"), 10, 10, 10, 4);
    faraFont->SetFont(nullptr);
    faraFont->SetText(QStringLiteral("nimic"));
    a->SetText(QStringLiteral("POPESCU ION"));
    b->SetText(QStringLiteral(" "));
    b->SetVisible(false);
    suprafata->SetDeltaStanga(1.0);
    suprafata->SetDeltaSus(2.0);

    TDispozitivImprimantaInregistrare d;
    d.IncepeDocument(QStringLiteral("Diploma de examen national - fata"));
    suprafata->PrintAll(d, false, DirectorModificari(), 2.5, -1.0);
    d.TerminaDocument();

    const auto texte = d.OperatiiDeTip(Tip::DeseneazaText);
    ASSERT_EQ(texte.size(), 2);
    EXPECT_EQ(texte[0].Text, QStringLiteral("POPESCU ION"));
    EXPECT_EQ(texte[0].Dreptunghi, DreptunghiTiparire(d.Geometrie, 25.67 + 3.5, 64.80 + 1.0, 35.36, 4.40));
    EXPECT_EQ(texte[1].Text, QStringLiteral(" "));
    EXPECT_EQ(texte[1].Dreptunghi, DreptunghiTiparire(d.Geometrie, 12.71 + 3.5, 56.62 + 1.0, 65.93, 3.77));
    EXPECT_EQ(texte[0].Font.InaltimeCelula, InaltimeCelulaImprimanta(d.Geometrie.PhysicalHeight, 4.0, 4.40));
}

TEST_F(Formular, PrintingFollowsTheCustomisation)
{
    TFormularTextArea *a = Arie(QStringLiteral("FormularTextArea21"), 100, 100, 40, 8);
    a->SetText(QStringLiteral("9,63"));
    TParticularizareTextArea *c = lista->Find(fereastra.objectName(), a->objectName(), true);
    c->DeplasareOrizontala = -1;
    c->DeplasareVerticala = 1;
    c->NumeFont = QStringLiteral("Mare");
    c->TextInlocuitor = QStringLiteral("zece");
    c->Bold = 1;
    c->Familie = QStringLiteral("Liberation Serif");

    TDispozitivImprimantaInregistrare d;
    d.IncepeDocument(QStringLiteral("T"));
    suprafata->PrintAll(d, true, DirectorModificari(), 0, 0);
    const auto text = d.OperatiiDeTip(Tip::DeseneazaText).value(0);
    EXPECT_EQ(text.Text, QStringLiteral("zece"));
    EXPECT_EQ(text.Font.Grosime, 700);
    EXPECT_EQ(text.Font.Familie, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(text.Font.Unghi, 1800);
    EXPECT_EQ(text.Font.InaltimeCelula, InaltimeCelulaImprimanta(d.Geometrie.PhysicalHeight, 6.0, 8));
    const QRect drept = DreptunghiTiparire(d.Geometrie, 99.5, 100.5, 40, 8);
    const TPlasareTiparire intors =
        PlaseazaText(d.Geometrie, drept, TAliniere::Stanga, d.MasoaraText(text.Text), true);
    EXPECT_EQ(text.Dreptunghi, intors.Dreptunghi);
    EXPECT_EQ(c->Font.data(), mare);

    // A font name that is no font of the window falls back to the area's own.
    c->NumeFont = QStringLiteral("Lipsa");
    EXPECT_EQ(a->Particularizare(false)->Font.data(), nullptr);
}

TEST_F(Formular, AClickAsksForTheAreasDialog)
{
    Arata();
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea9"), 20, 20, 30, 6);
    QSignalSpy semnal(arie, &TFormularTextArea::Click);
    TFormularTextArea *deschisa = nullptr;
    QObject::connect(arie, &TFormularTextArea::Click, [&](TFormularTextArea *a) { deschisa = a; });
    QTest::mouseClick(arie, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(semnal.count(), 1);
    EXPECT_EQ(deschisa, arie);
    EXPECT_EQ(arie->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(Formular, TheTopBeforeTheFirstMoveIsRememberedOnce)
{
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea6"), 65.81, 92.61, 14.85, 4.40);
    EXPECT_FALSE(arie->SavedTopMemorat());
    arie->MemoreazaSavedTop();
    arie->Set_Top(95.0);
    arie->ZoomChanged();
    arie->MemoreazaSavedTop();
    EXPECT_DOUBLE_EQ(arie->SavedTop(), 92.61);
    EXPECT_EQ(arie->y(), MmToPixels(ScreenDpi(100), 95.0));
}

TEST_F(Formular, APrintedPageReadsBackWithEachTextAtItsMillimetresOnTheSheet)
{
    TFormularTextArea *arie = Arie(QStringLiteral("FormularTextArea10"), 100.0, 50.0, 80.0, 6.0);
    arie->SetText(QStringLiteral("PROBA"));
    for (const bool oglindit : {false, true}) {
        const QString fisier = dosar.filePath(QStringLiteral("pagina%1.pdf").arg(oglindit));
        {
            // Unprintable margins of 5 and 8 mm: the text must still land 100 mm
            // from the sheet's left edge, plus the 2 mm margin the user asked for.
            auto pdf = std::make_unique<TDispozitivPdf>(fisier, 5.0, 8.0, 600);
            pdf->SetariDispozitiv(TSetariDispozitiv{});
            pdf->IncepeDocument(QStringLiteral("Diploma de examen national - fata"));
            suprafata->PrintAll(*pdf, oglindit, DirectorModificari(), 2.0, 0.0);
            pdf->TerminaDocument();
        }
        const QList<QRectF> cutii = CuvantPdf(fisier, QStringLiteral("PROBA"));
        ASSERT_EQ(cutii.size(), 1) << TextPdfCuCutii(fisier).toStdString();
        const double mmPePunct = kMmPePunctPdf;
        const double stanga = cutii.first().left() * mmPePunct;
        const double sus = cutii.first().top() * mmPePunct;
        const double dreapta = cutii.first().right() * mmPePunct;
        const double jos = cutii.first().bottom() * mmPePunct;
        if (!oglindit) {
            EXPECT_NEAR(stanga, 102.0, 0.6);
            // Bottom-aligned: the text cell ends on the area's bottom edge.
            EXPECT_NEAR(jos, 56.0, 0.8);
        } else {
            // Turned about the sheet's centre: the same place seen from the other end.
            const double latimeFoaie = 842 * mmPePunct, inaltimeFoaie = 595 * mmPePunct;
            EXPECT_NEAR(dreapta, latimeFoaie - 102.0, 0.6);
            EXPECT_NEAR(sus, inaltimeFoaie - 56.0, 0.8);
        }
    }
}
