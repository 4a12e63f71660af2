// The print job's decisions, apart from any window.
#include <gtest/gtest.h>

#include <memory>

#include <QTemporaryDir>

#include "comun/Exceptie.h"
#include "forms/DocumentFormular.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/LucrareTiparire.h"
#include "printing/TiparirePdf.h"
#include "data/UJurnalTiparire.h"
#include "support/BazaTest.h"
#include "support/CitirePdf.h"

namespace {

using Tip = TDispozitivImprimantaInregistrare::TipOperatie;

TValoriSetariImprimanta Setari(quint8 feedMode, const QString &fata = QStringLiteral("*"),
                               const QString &verso = QStringLiteral("*"))
{
    TValoriSetariImprimanta s;
    s.FeedMode = feedMode;
    s.OglindescFata = fata;
    s.OglindescVerso = verso;
    return s;
}

// One zone with a font, 10 mm from the sheet's corners.
struct TPaginaProba
{
    TPaginaProba()
    {
        font.SetSize(4);
        zona->Set_Left(10);
        zona->Set_Top(10);
        zona->Set_Width(60);
        zona->Set_Height(6);
        zona->SetFont(&font);
        zona->SetText(QStringLiteral("POPESCU"));
    }
    TFontFormular font{nullptr, QStringLiteral("Mic")};
    TPaginaFormular pagina;
    TZonaText *zona = new TZonaText(&pagina, QStringLiteral("FormularTextArea1"));
};

} // namespace

TEST(LucrareTiparire, TheDefaultTurnOfASide)
{
    struct Caz
    {
        int side;
        quint8 feedMode;
        const char *ales;
        bool intoarsa;
    };
    const Caz cazuri[] = {
        // Never chosen: exactly one of "the back" and "the feed mode turns the page".
        {0, 1, "*", true},
        {0, 3, "*", true},
        {0, 2, "*", false},
        {0, 4, "*", false},
        {0, 0, "*", false},
        {1, 1, "*", false},
        {1, 2, "*", true},
        {1, 0, "*", true},
        // Chosen before: that choice.
        {0, 1, "N", false},
        {0, 2, "D", true},
        {1, 2, "N", false},
        {1, 1, "D", true},
    };
    for (const Caz &c : cazuri) {
        const QString ales = QLatin1String(c.ales);
        const TValoriSetariImprimanta s =
            c.side == 0 ? Setari(c.feedMode, ales) : Setari(c.feedMode, QStringLiteral("*"), ales);
        EXPECT_EQ(TLucrareTiparire::IntoarsaImplicit(s, c.side), c.intoarsa)
            << "side " << c.side << ", feed " << int(c.feedMode) << ", " << c.ales;
    }
}

TEST(LucrareTiparire, SheetTitleAndMarginsOfEachSide)
{
    const TSetariDispozitiv peisaj = TLucrareTiparire::Foaie(false);
    EXPECT_EQ(peisaj.Orientare, TSetariDispozitiv::Peisaj);
    EXPECT_EQ(peisaj.Hartie, TSetariDispozitiv::HartieA4);
    EXPECT_EQ(peisaj.Calitate, TSetariDispozitiv::CalitateInalta);
    EXPECT_EQ(peisaj.Culoare, TSetariDispozitiv::Monocrom);
    EXPECT_FALSE(peisaj.DimensiuneHartiePersonalizata);
    EXPECT_EQ(TLucrareTiparire::Foaie(true).Orientare, TSetariDispozitiv::Portret);
    EXPECT_EQ(TLucrareTiparire::Titlu(0), QStringLiteral("Diploma de examen national - fata"));
    EXPECT_EQ(TLucrareTiparire::Titlu(1), QStringLiteral("Diploma de examen national - verso"));

    TValoriSetariImprimanta s;
    s.FrontLeft = 2.5;
    s.FrontTop = -1;
    s.BackLeft = 3;
    s.BackTop = 4;
    const TLucrareTiparire lucrare(s);
    EXPECT_DOUBLE_EQ(lucrare.Margini(0).Stanga, 2.5);
    EXPECT_DOUBLE_EQ(lucrare.Margini(0).Sus, -1);
    EXPECT_DOUBLE_EQ(lucrare.Margini(1).Stanga, 3);
    EXPECT_DOUBLE_EQ(lucrare.Margini(1).Sus, 4);
}

// A page is always one document, begun and ended; its zones print only on the
// front and once the feed mode is known (or when the wizard is not asked for).
TEST(LucrareTiparire, WhenAPagePrintsItsZones)
{
    struct Caz
    {
        quint8 feedMode;
        bool cereExpertul;
        int side;
        int texte;
    };
    const Caz cazuri[] = {{1, true, 0, 1}, {4, true, 0, 1},  {0, true, 0, 0}, {5, true, 0, 0},
                          {2, true, 1, 0}, {0, false, 0, 1}, {7, false, 0, 1}};
    for (const Caz &c : cazuri) {
        TPaginaProba p;
        TDispozitivImprimantaInregistrare d;
        TLucrareTiparire(Setari(c.feedMode), c.cereExpertul).TiparestePagina(d, p.pagina, c.side, false, {});
        EXPECT_EQ(d.OperatiiDeTip(Tip::DeseneazaText).size(), c.texte) << int(c.feedMode) << " " << c.side;
        ASSERT_EQ(d.OperatiiDeTip(Tip::IncepeDocument).size(), 1);
        EXPECT_EQ(d.OperatiiDeTip(Tip::IncepeDocument).first().Text, TLucrareTiparire::Titlu(c.side));
        EXPECT_EQ(d.OperatiiDeTip(Tip::TerminaDocument).size(), 1);
    }

    // Margins shift the zone; a failing page still ends the document and the error is raised.
    TPaginaProba p;
    TDispozitivImprimantaInregistrare d;
    TLucrareTiparire(Setari(2)).TiparestePagina(d, p.pagina, 0, false, {2.5, -1});
    EXPECT_EQ(d.OperatiiDeTip(Tip::DeseneazaText).value(0).Dreptunghi,
              DreptunghiTiparire(d.Geometrie, 12.5, 9, 60, 6));
    TDispozitivImprimantaInregistrare esec;
    esec.EroareLaDesen = QStringLiteral("Imprimanta nu raspunde");
    EXPECT_THROW(TLucrareTiparire(Setari(2)).TiparestePagina(esec, p.pagina, 0, false, {}), Exceptie);
    EXPECT_FALSE(esec.DocumentDeschis());
}

// A proof prints the texts exactly as the real print, then a thin outline of
// every zone, the card's rulers and its corner crosses, turned with the page;
// it prints even before the wizard has run.
TEST(LucrareTiparire, AProofPrintsTheRealTextsAndOutlinesEveryZoneAtItsMillimetres)
{
    for (const bool intoarsa : {false, true}) {
        SCOPED_TRACE(intoarsa);
        TPaginaProba p;
        p.pagina.SetLatime(100);
        p.pagina.SetInaltime(50);
        TDispozitivImprimantaInregistrare real;
        TDispozitivImprimantaInregistrare proba;
        TLucrareTiparire(Setari(2)).TiparestePagina(real, p.pagina, 0, intoarsa, {2.5, -1});
        TLucrareTiparire(Setari(0)).TiparesteProba(proba, p.pagina, 0, intoarsa, {2.5, -1});

        const auto texteReale = real.OperatiiDeTip(Tip::DeseneazaText);
        const auto texteProba = proba.OperatiiDeTip(Tip::DeseneazaText);
        ASSERT_EQ(texteProba.size(), 1);
        ASSERT_EQ(texteReale.size(), 1);
        EXPECT_EQ(texteProba[0].Punct, texteReale[0].Punct);
        EXPECT_EQ(texteProba[0].Dreptunghi, texteReale[0].Dreptunghi);
        EXPECT_EQ(proba.OperatiiDeTip(Tip::IncepeDocument).value(0).Text,
                  TLucrareTiparire::Titlu(0) + " - proba");
        EXPECT_EQ(proba.OperatiiDeTip(Tip::TerminaDocument).size(), 1);

        // 4 sides of the zone, 101 + 51 ruler ticks, 2 lines at each of the 4 corners.
        const auto linii = proba.OperatiiDeTip(Tip::DeseneazaLinie);
        ASSERT_EQ(linii.size(), 4 + 101 + 51 + 8);
        // The zone's outline is the box its text is clipped to.
        QRect contur;
        for (int i = 0; i < 4; ++i)
            contur |= QRect(linii[i].Punct, linii[i].Punct2).normalized();
        EXPECT_EQ(contur, texteReale[0].Dreptunghi.normalized());
        // The card's corner at the margins: upright at the top left, turned at the bottom right.
        const TCapabilitatiDispozitiv c = proba.Capabilitati();
        const QPoint colt = DreptunghiTiparire(c, 2.5, -1, 0, 0).topLeft();
        const QPoint asteptat = intoarsa ? QPoint(c.PhysicalWidth - colt.x() - 2 * c.PhysicalOffsetX,
                                                  c.PhysicalHeight - colt.y() - 2 * c.PhysicalOffsetY)
                                         : colt;
        EXPECT_EQ(linii[4].Punct, asteptat);
    }
}

TEST(LucrareTiparire, TheWizardsPrinterIsSelectedWhenStillInstalled)
{
    TDispozitivImprimantaInregistrare d;
    d.ListaImprimante = {QStringLiteral("PDF"), QStringLiteral("Laser 1")};
    TValoriSetariImprimanta s;
    s.PrinterName = QStringLiteral("Laser 1");
    TLucrareTiparire::SelecteazaImprimantaSalvata(d, s);
    EXPECT_EQ(d.Curenta, 0) << "the wizard never ran";
    s.Configured = true;
    TLucrareTiparire::SelecteazaImprimantaSalvata(d, s);
    EXPECT_EQ(d.Curenta, 1);
    s.PrinterName = QStringLiteral("Alta");
    d.Curenta = 0;
    TLucrareTiparire::SelecteazaImprimantaSalvata(d, s);
    EXPECT_EQ(d.Curenta, 0);
}

// The command line's print, run here in a process that has no widgets at all.
class TiparirePdf : public TBazaTest
{
};

TEST_F(TiparirePdf, WritesOnePagePerCandidateWithoutAnyWindow)
{
    const std::unique_ptr<TDM> dm = Porneste();
    ASSERT_TRUE(dm->Pregatit());
    const QString rand =
        QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                       "ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', '%1', %2)");
    Executa(*dm,
            {QStringLiteral("insert into ELEVI values (1)"), QStringLiteral("insert into ELEVI values (2)"),
             rand.arg(QStringLiteral("POPESCU")).arg(1), rand.arg(QStringLiteral("IONESCU")).arg(2)});
    QTemporaryDir dosar;

    TCerereTiparirePdf cerere;
    cerere.Fisier = dosar.filePath(QStringLiteral("toti.pdf"));
    cerere.Stanga = 0;
    cerere.Sus = 0;
    cerere.Intoarsa = false;
    EXPECT_EQ(TiparesteCertificatePdf(*dm, cerere), 2);
    // The name on the stub and on the certificate, each candidate on a page of its own.
    EXPECT_EQ(CuvantPdf(cerere.Fisier, QStringLiteral("POPESCU")).size(), 2);
    EXPECT_EQ(CuvantPdf(cerere.Fisier, QStringLiteral("IONESCU")).size(), 2);
    const QRectF nume = CuvantPdf(cerere.Fisier, QStringLiteral("POPESCU")).first();
    EXPECT_NEAR(nume.center().x() * kMmPePunctPdf, 25.67 + 35.36 / 2, 0.3);

    // A name too long for the stub is reported and still printed.
    const QString lung = QStringLiteral("MARIAMAGDALENA POPESCUIONESCU CONSTANTINESCU ANABELA");
    Executa(*dm, {QStringLiteral("update \"DATE\" set VALOARE_TEXT = '%1' where ID_ELEVI = 2").arg(lung)});
    QStringList avertismente;
    cerere.Avertisment = [&avertismente](const QString &a) { avertismente.append(a); };
    EXPECT_EQ(TiparesteCertificatePdf(*dm, cerere), 2);
    ASSERT_EQ(avertismente.size(), 1);
    EXPECT_TRUE(avertismente[0].startsWith(
        QStringLiteral("Candidatul 2: FormularTextArea1 (Numele si prenumele): \"") + lung))
        << avertismente[0].toStdString();
    EXPECT_EQ(CuvantPdf(cerere.Fisier, QStringLiteral("MARIAMAGDALENA")).size(), 2);

    // Both prints are in the log, the second as a reprint, with the file as the printer.
    const std::vector<TTiparireJurnal> istoric = JurnalTiparire::Istoric(*dm, 1);
    ASSERT_EQ(istoric.size(), 2u);
    EXPECT_FALSE(istoric[0].Retiparire);
    EXPECT_TRUE(istoric[1].Retiparire);
    EXPECT_EQ(istoric[1].Nume, QStringLiteral("POPESCU"));
    EXPECT_EQ(istoric[1].Imprimanta, QDir::toNativeSeparators(cerere.Fisier));
    cerere.Jurnal = false;
    EXPECT_EQ(TiparesteCertificatePdf(*dm, cerere), 2);
    EXPECT_EQ(JurnalTiparire::Istoric(*dm, 1).size(), 2u) << "a print without the log";

    // A proof puts the texts where the real print does, and is never logged.
    const QList<QRectF> real = CuvantPdf(cerere.Fisier, QStringLiteral("POPESCU"));
    cerere.Jurnal = true;
    cerere.Proba = true;
    EXPECT_EQ(TiparesteCertificatePdf(*dm, cerere), 2);
    EXPECT_EQ(CuvantPdf(cerere.Fisier, QStringLiteral("POPESCU")), real);
    EXPECT_EQ(JurnalTiparire::Istoric(*dm, 1).size(), 2u) << "a proof is not a print";
    cerere.Proba = false;

    cerere.Elevi = {9};
    try {
        TiparesteCertificatePdf(*dm, cerere);
        ADD_FAILURE() << "an unknown candidate";
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(), QStringLiteral("Candidatul cu numarul 9 nu exista."));
    }
    EXPECT_FALSE(dm->Tr.InTransaction());
}
