// The printable document without any window: what the command line prints
// and what the preview's widgets show.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include <QTemporaryDir>

#include "forms/DocumentCertificatAcordare.h"
#include "forms/DocumentFormular.h"
#include "forms/ParticularizareTextArea.h"
#include "printing/DispozitivImprimanta.h"

namespace {

using Tip = TDispozitivImprimantaInregistrare::TipOperatie;

TEST(DocumentCertificatAcordare, HoldsThePageWithItsThirtySevenBoundZonesAndTwelveFonts)
{
    const std::unique_ptr<TDocumentFormular> document = CreeazaDocumentCertificatAcordare();
    EXPECT_EQ(document->objectName(), QStringLiteral("PrintCertificatAcordare"));
    EXPECT_EQ(document->findChildren<TFontFormular *>().size(), 12);
    ASSERT_EQ(document->Pagini().size(), 1);
    const TPaginaFormular &pagina = *document->Pagina(0);
    EXPECT_DOUBLE_EQ(pagina.Latime(), 285.66);
    EXPECT_DOUBLE_EQ(pagina.Inaltime(), 208.79);
    EXPECT_EQ(pagina.Fundal(), QStringLiteral("CertificatAcordare.jpg"));

    const QList<TZonaText *> zone = pagina.TextAreas();
    ASSERT_EQ(zone.size(), 37);
    std::set<QString> campuri;
    for (const TZonaText *z : zone) {
        EXPECT_TRUE(z->Denumire1().startsWith(QStringLiteral("CertificatAcordare.FATA.")));
        EXPECT_NE(z->Font(), nullptr) << z->objectName().toStdString();
        EXPECT_TRUE(z->Visible());
        campuri.insert(z->Denumire1());
    }
    EXPECT_EQ(campuri.size(), 37u);
    const TZonaText *nume = pagina.FindTextArea(1);
    ASSERT_NE(nume, nullptr);
    EXPECT_EQ(nume->Denumire1(), QStringLiteral("CertificatAcordare.FATA.C_NUME"));
    EXPECT_DOUBLE_EQ(nume->_Top(), 64.80);
    EXPECT_EQ(nume->Font(), document->Font(QStringLiteral("Stanga_nume_mic")));
    EXPECT_EQ(pagina.FindTextArea(21)->Denumire3(), QStringLiteral("NOTA_DIPLOMA"));
    EXPECT_EQ(pagina.MaxTextAreaNumber(), 182);
    EXPECT_EQ(pagina.FindTextArea(183), nullptr);
}

// Customisations are the document's: keyed by its name, their fonts chosen among its fonts.
TEST(DocumentCertificatAcordare, CustomisationsAreKeyedByTheDocumentsNameAndPrinted)
{
    QTemporaryDir dosar;
    TListaParticularizareTextArea lista(dosar.filePath(QStringLiteral("licenta.lic")));
    InstaleazaListaParticularizari(&lista);
    const std::unique_ptr<TDocumentFormular> document = CreeazaDocumentCertificatAcordare();
    TPaginaFormular &pagina = *document->Pagina(0);
    TZonaText *nume = pagina.FindTextArea(1);
    nume->SetText(QStringLiteral("Popescu Ana"));

    TParticularizareTextArea *p =
        lista.Find(QStringLiteral("PrintCertificatAcordare"), nume->objectName(), true);
    p->TextInlocuitor = QStringLiteral("Ionescu Dan");
    p->NumeFont = QStringLiteral("dreapta_nume");
    p->DeplasareOrizontala = 1;
    ASSERT_EQ(nume->Particularizare(false), p);
    EXPECT_EQ(p->Font.data(), document->Font(QStringLiteral("dreapta_nume")));
    EXPECT_EQ(lista.Find(QStringLiteral("Alt document"), nume->objectName(), false), nullptr);

    TDispozitivImprimantaInregistrare d;
    d.IncepeDocument(QStringLiteral("Proba"));
    pagina.PrintAll(d, false, DirectorModificari(), 2.0, 0.0);
    d.TerminaDocument();
    QStringList texte;
    for (const auto &o : d.OperatiiDeTip(Tip::DeseneazaText))
        texte.append(o.Text);
    EXPECT_TRUE(texte.contains(QStringLiteral("Ionescu Dan")));
    EXPECT_FALSE(texte.contains(QStringLiteral("Popescu Ana")));
    // Printed at its millimetres, shifted by the margin and the half-millimetre nudge.
    const TCapabilitatiDispozitiv &c = d.Geometrie;
    const auto desen = d.OperatiiDeTip(Tip::DeseneazaText);
    const auto it = std::find_if(desen.cbegin(), desen.cend(),
                                 [](const auto &o) { return o.Text == QStringLiteral("Ionescu Dan"); });
    ASSERT_NE(it, desen.cend());
    EXPECT_EQ(it->Dreptunghi, DreptunghiTiparire(c, 25.67 + 2.0 + 0.5, 64.80, 35.36, 4.40));
    InstaleazaListaParticularizari(nullptr);
}

// The views hear of what filling does to a zone: its text and visibility at
// once, its millimetres when the zone says it moved.
TEST(ZonaText, TellsItsViewsOfChangesAndKeepsItsFirstPlace)
{
    TPaginaFormular pagina;
    TZonaText zona(&pagina, QStringLiteral("FormularTextArea4"));
    int schimbari = 0;
    int repozitionari = 0;
    QObject::connect(&zona, &TZonaText::Schimbata, [&] { ++schimbari; });
    QObject::connect(&zona, &TZonaText::Repozitionata, [&] { ++repozitionari; });
    zona.SetText(QStringLiteral("9,63"));
    zona.SetVisible(false);
    EXPECT_EQ(schimbari, 2);
    zona.Set_Top(12.5);
    EXPECT_EQ(repozitionari, 0) << "millimetres alone move no view";
    zona.ZoomChanged();
    EXPECT_EQ(repozitionari, 1);

    zona.MemoreazaSavedTop();
    zona.Set_Top(20);
    zona.MemoreazaSavedTop();
    EXPECT_DOUBLE_EQ(zona.SavedTop(), 12.5) << "only the first place is remembered";
    EXPECT_EQ(pagina.FindTextArea(4), &zona);
    EXPECT_EQ(pagina.MaxTextAreaNumber(), 4);

    // A font going away leaves the zone without one.
    auto font = std::make_unique<TFontFormular>(nullptr, QStringLiteral("Mic"));
    zona.SetFont(font.get());
    EXPECT_EQ(font->TextAreas().size(), 1);
    font.reset();
    EXPECT_EQ(zona.Font(), nullptr);
}

} // namespace
