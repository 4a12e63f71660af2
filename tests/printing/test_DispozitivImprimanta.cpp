#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "printing/DispozitivImprimanta.h"
#include "printing/DispozitivPdf.h"
#include "comun/Exceptie.h"
#include "support/CitirePdf.h"

namespace {

using Tip = TDispozitivImprimantaInregistrare::TipOperatie;

// The box of every dark pixel of the image; an empty rectangle when there is none.
QRect ZonaDesenata(const QImage &imagine)
{
    QRect zona;
    for (int y = 0; y < imagine.height(); ++y)
        for (int x = 0; x < imagine.width(); ++x)
            if (qGray(imagine.pixel(x, y)) < 128)
                zona |= QRect(x, y, 1, 1);
    return zona;
}

QImage ImagineAlba(int latime, int inaltime)
{
    QImage imagine(latime, inaltime, QImage::Format_RGB32);
    imagine.fill(Qt::white);
    return imagine;
}

} // namespace

TEST(DispozitivInregistrare, RecordsOnePrintInOrderAndRefusesDrawingOutsideADocument)
{
    TDispozitivImprimantaInregistrare d;
    EXPECT_THROW(d.DeseneazaText({0, 0}, QRect(0, 0, 10, 10), QStringLiteral("x")), Exceptie);
    d.TerminaDocument(); // nothing open: harmless, nothing recorded
    EXPECT_TRUE(d.Operatii.isEmpty());

    TSetariDispozitiv setari;
    setari.Orientare = TSetariDispozitiv::Portret;
    d.SetariDispozitiv(setari);
    d.IncepeDocument(QStringLiteral("Titlu"));
    EXPECT_THROW(d.IncepeDocument(QStringLiteral("Altul")), Exceptie);
    TCerereFont font;
    font.InaltimeCelula = 40;
    font.Unghi = 1800;
    d.SelecteazaFont(font);
    EXPECT_EQ(d.MasoaraText(QStringLiteral("abcd")), (TMetriciText{80, 40, 8}));
    d.DeseneazaText({5, 6}, QRect(1, 2, 30, 40), QStringLiteral("abcd"));
    d.DeseneazaImagine(QImage(4, 3, QImage::Format_RGB32), QRect(0, 0, 8, 6));
    d.TerminaDocument();

    QList<Tip> tipuri;
    for (const auto &o : d.Operatii)
        tipuri.append(o.Tip);
    EXPECT_EQ(tipuri, (QList<Tip>{Tip::SetariDispozitiv, Tip::IncepeDocument, Tip::SelecteazaFont,
                                  Tip::DeseneazaText, Tip::DeseneazaImagine, Tip::TerminaDocument}));
    EXPECT_EQ(d.Operatii[0].Setari.Orientare, 1);
    EXPECT_EQ(d.Operatii[1].Text, QStringLiteral("Titlu"));
    const auto text = d.OperatiiDeTip(Tip::DeseneazaText).value(0);
    EXPECT_EQ(text.Font, font);
    EXPECT_EQ(text.Punct, QPoint(5, 6));
    EXPECT_EQ(text.Dreptunghi, QRect(1, 2, 30, 40));
    EXPECT_EQ(d.OperatiiDeTip(Tip::DeseneazaImagine).value(0).MarimeImagine, QSize(4, 3));
    EXPECT_FALSE(d.DocumentDeschis());
}

TEST(DispozitivInregistrare, AFailingPageStillLetsTheCallerEndTheDocument)
{
    TDispozitivImprimantaInregistrare d;
    d.EroareLaDesen = QStringLiteral("Hartie blocata");
    d.IncepeDocument(QStringLiteral("T"));
    try {
        d.DeseneazaText({0, 0}, QRect(), QStringLiteral("x"));
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(), QStringLiteral("Hartie blocata"));
    }
    d.TerminaDocument();
    EXPECT_EQ(d.Operatii.last().Tip, Tip::TerminaDocument);
    EXPECT_THROW(d.SelecteazaImprimanta(1), Exceptie);
}

TEST(SuprafataTextQt, FontsAreSizedByTheirWholeCell)
{
    QImage imagine = ImagineAlba(400, 400);
    QPainter painter(&imagine);
    TSuprafataTextQt suprafata(painter);
    for (const bool gros : {false, true}) {
        for (int celula : {1, 2, 7, 15, 31, 64, 150}) {
            TCerereFont cerere;
            cerere.InaltimeCelula = celula;
            cerere.Grosime = gros ? 700 : 400;
            suprafata.SelecteazaFont(cerere);
            const TMetriciText m = suprafata.MasoaraText(QStringLiteral("Şapte"));
            EXPECT_LE(m.Inaltime, std::max(celula, 2)) << celula;
            if (celula >= 15) {
                EXPECT_GE(m.Inaltime, celula - 2) << celula;
                EXPECT_GT(m.Latime, 0);
                EXPECT_GT(m.Coborare, 0);
            }
        }
    }
}

// Fonts and measurements are kept for the next pages: a text measured again,
// after other sizes, typefaces or devices, measures as it would the first time.
TEST(SuprafataTextQt, MeasuresTheSameTextAnewWithEverySizeTypefaceAndDevice)
{
    QImage mica = ImagineAlba(200, 200);
    QImage mare = ImagineAlba(200, 200);
    mare.setDotsPerMeterX(mica.dotsPerMeterX() * 4);
    mare.setDotsPerMeterY(mica.dotsPerMeterY() * 4);
    const QString text = QStringLiteral("Liceul Teoretic");
    const auto masoara = [&](QPainter &painter, TSuprafataTextQt &suprafata, int celula, int grosime) {
        TCerereFont cerere;
        cerere.InaltimeCelula = celula;
        cerere.Grosime = grosime;
        suprafata.SelecteazaFont(cerere);
        const TMetriciText m = suprafata.MasoaraText(text);
        const QFontMetrics direct(painter.font(), painter.device());
        EXPECT_EQ(m, (TMetriciText{direct.horizontalAdvance(text), direct.height(), direct.descent()}))
            << celula << " " << grosime;
        return m.Latime;
    };
    QPainter painter(&mica);
    TSuprafataTextQt suprafata(painter);
    const int latime40 = masoara(painter, suprafata, 40, 400);
    EXPECT_LT(masoara(painter, suprafata, 20, 400), latime40);
    EXPECT_GT(masoara(painter, suprafata, 40, 700), latime40);
    EXPECT_EQ(masoara(painter, suprafata, 40, 400), latime40);
    painter.end();
    painter.begin(&mare);
    masoara(painter, suprafata, 40, 400);
}

TEST(SuprafataTextQt, TextSitsBelowAndRightOfItsPointAndTurnedAboveAndLeftOfIt)
{
    TCerereFont cerere;
    cerere.InaltimeCelula = 40;
    for (const int unghi : {0, 1800}) {
        QImage imagine = ImagineAlba(400, 300);
        {
            QPainter painter(&imagine);
            TSuprafataTextQt suprafata(painter);
            cerere.Unghi = unghi;
            suprafata.SelecteazaFont(cerere);
            suprafata.DeseneazaText({200, 150}, QRect(0, 0, 400, 300), QStringLiteral("WWW"));
        }
        const QRect zona = ZonaDesenata(imagine);
        ASSERT_FALSE(zona.isEmpty()) << unghi;
        if (unghi == 0) {
            EXPECT_GE(zona.left(), 198);
            EXPECT_GE(zona.top(), 150);
            EXPECT_LE(zona.bottom(), 190);
        } else {
            EXPECT_LE(zona.right(), 202);
            EXPECT_LE(zona.bottom(), 150);
            EXPECT_GE(zona.top(), 110);
        }
    }
}

TEST(SuprafataTextQt, DrawingIsClippedToItsRectangle)
{
    QImage imagine = ImagineAlba(400, 100);
    {
        QPainter painter(&imagine);
        TSuprafataTextQt suprafata(painter);
        TCerereFont cerere;
        cerere.InaltimeCelula = 40;
        suprafata.SelecteazaFont(cerere);
        suprafata.DeseneazaText({10, 10}, QRect(10, 10, 60, 40), QStringLiteral("WWWWWWWWWW"));
    }
    const QRect zona = ZonaDesenata(imagine);
    ASSERT_FALSE(zona.isEmpty());
    EXPECT_LE(zona.right(), 69);
    EXPECT_GE(zona.left(), 10);
}

TEST(DispozitivQt, APdfReportsTheGeometryOfItsSheetAndMargins)
{
    QTemporaryDir dosar;
    auto pdf = std::make_unique<TDispozitivPdf>(dosar.filePath(QStringLiteral("a.pdf")), 5.0, 10.0, 600);
    EXPECT_EQ(pdf->Imprimante().size(), 1);
    EXPECT_EQ(pdf->ImprimantaCurenta(), 0);

    pdf->SetariDispozitiv(TSetariDispozitiv{});
    const TCapabilitatiDispozitiv peisaj = pdf->Capabilitati();
    // Qt keeps the sheet and its margins in whole points, hence a few pixels of slack.
    EXPECT_NEAR(peisaj.PhysicalWidth, 297 * 600 / 25.4, 4.0);
    EXPECT_NEAR(peisaj.PhysicalHeight, 210 * 600 / 25.4, 4.0);
    EXPECT_NEAR(peisaj.PhysicalOffsetX, 5 * 600 / 25.4, 4.0);
    EXPECT_NEAR(peisaj.PhysicalOffsetY, 10 * 600 / 25.4, 4.0);
    EXPECT_EQ(peisaj.HorzSize, 292);
    EXPECT_EQ(peisaj.VertSize, 200);
    EXPECT_EQ(peisaj.HorzRes, peisaj.PhysicalWidth - peisaj.PhysicalOffsetX);

    TSetariDispozitiv portret;
    portret.Orientare = TSetariDispozitiv::Portret;
    pdf->SetariDispozitiv(portret);
    const TCapabilitatiDispozitiv p = pdf->Capabilitati();
    EXPECT_EQ(p.PhysicalWidth, peisaj.PhysicalHeight);
    EXPECT_EQ(p.PhysicalHeight, peisaj.PhysicalWidth);

    EXPECT_THROW(pdf->MasoaraText(QStringLiteral("x")), Exceptie);
    EXPECT_THROW(pdf->SelecteazaImprimanta(3), Exceptie);
    pdf->TerminaDocument(); // nothing open: harmless
}

TEST(DispozitivQt, APrintedPdfReadsBackWithTheTextWhereItWasDrawn)
{
    QTemporaryDir dosar;
    const QString fisier = dosar.filePath(QStringLiteral("pagina.pdf"));
    const int rezolutie = 600;
    TCapabilitatiDispozitiv geometrie;
    {
        auto pdf = std::make_unique<TDispozitivPdf>(fisier, 5.0, 10.0, rezolutie);
        pdf->SetariDispozitiv(TSetariDispozitiv{});
        geometrie = pdf->Capabilitati();
        pdf->IncepeDocument(QStringLiteral("Proba"));
        TCerereFont cerere;
        cerere.InaltimeCelula = 100;
        pdf->SelecteazaFont(cerere);
        pdf->DeseneazaText({1000, 500}, QRect(1000, 500, 3000, 101), QStringLiteral("CERTIFICAT"));
        pdf->TerminaDocument();
    }

    const QString html = TextPdfCuCutii(fisier);
    const QList<QRectF> cutii = CuvantPdf(fisier, QStringLiteral("CERTIFICAT"));
    ASSERT_EQ(cutii.size(), 1) << html.toStdString();

    // Device pixels count from the printable corner; the PDF's points from the sheet's.
    const double punctePePixel = 72.0 / rezolutie;
    const double xMin = cutii.first().left();
    const double yMin = cutii.first().top();
    const double yMax = cutii.first().bottom();
    EXPECT_NEAR(xMin, (1000 + geometrie.PhysicalOffsetX) * punctePePixel, 2.0);
    EXPECT_NEAR(yMin, (500 + geometrie.PhysicalOffsetY) * punctePePixel, 3.0);
    EXPECT_NEAR(yMax - yMin, 100 * punctePePixel, 3.0);
    const QRegularExpression pagina(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)")re"));
    const auto p = pagina.match(html);
    ASSERT_TRUE(p.hasMatch());
    EXPECT_NEAR(p.captured(1).toDouble(), 297 * 72 / 25.4, 1.0);
    EXPECT_NEAR(p.captured(2).toDouble(), 210 * 72 / 25.4, 1.0);
}

// A PDF takes its name only once its output has ended: an output left
// unfinished leaves an older file of that name as it was, and nothing beside it.
TEST(DispozitivQt, APdfTakesItsNameOnlyWhenComplete)
{
    QTemporaryDir dosar;
    const QString fisier = dosar.filePath(QStringLiteral("certificate.pdf"));
    const auto scrie = [](const QString &cale, const QByteArray &octeti) {
        QFile f(cale);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octeti);
    };
    const auto citeste = [](const QString &cale) {
        QFile f(cale);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto partiale = [&] {
        return QDir(dosar.path()).entryList({QStringLiteral("*.partial")}, QDir::Files | QDir::Hidden);
    };
    scrie(fisier, "vechi");
    const auto deseneaza = [](TDispozitivPdf &pdf) {
        pdf.IncepeDocument(QStringLiteral("Proba"));
        pdf.SelecteazaFont(TCerereFont{});
        pdf.DeseneazaText({100, 100}, QRect(0, 0, 2000, 200), QStringLiteral("NOU"));
    };

    for (const bool pastreaza : {false, true}) {
        auto pdf = std::make_unique<TDispozitivPdf>(fisier);
        pdf->PastreazaPaginile(pastreaza);
        deseneaza(*pdf);
        if (pastreaza) {
            pdf->TerminaDocument(); // the output stays open for further pages
            EXPECT_EQ(citeste(fisier), QByteArray("vechi"));
        }
        pdf.reset();
        EXPECT_EQ(citeste(fisier), QByteArray("vechi")) << pastreaza;
        EXPECT_TRUE(partiale().isEmpty()) << partiale().join(' ').toStdString();
    }

    auto pdf = std::make_unique<TDispozitivPdf>(fisier);
    pdf->PastreazaPaginile(true);
    deseneaza(*pdf);
    pdf->TerminaDocument();
    deseneaza(*pdf);
    pdf->TerminaDocument();
    pdf->InchideIesirea();
    EXPECT_TRUE(citeste(fisier).startsWith("%PDF"));
    EXPECT_EQ(CuvantPdf(fisier, QStringLiteral("NOU")).size(), 2);
    EXPECT_TRUE(partiale().isEmpty());
}
