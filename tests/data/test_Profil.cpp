#include <gtest/gtest.h>

#include <set>

#include "data/UInregistrari.h"
#include "data/UProfilCertificatAcordare.h"
#include "data/UProfilDiploma.h"
#include "data/UTabeleCertificatAcordare.h"
#include "comun/Exceptie.h"

namespace {

class TProfilFaraExpresii : public TClasaListaProfilDiploma
{
public:
    QString NumeClasa() const override { return QStringLiteral("TProfilFaraExpresii"); }
    QString NumeBazaDeDate() const override { return QStringLiteral("Test"); }
    std::unique_ptr<TListaLiniiProfilDiploma> Creeaza() const override
    {
        return std::make_unique<TListaLiniiProfilDiploma>();
    }
};

} // namespace

TEST(Inregistrari, ASecondRegistrationFailsAndNamesTheRegisteredClass)
{
    TInregistrari inregistrari;
    InregistreazaCertificatAcordare(inregistrari);
    const TProfilFaraExpresii alt;
    try {
        inregistrari.InregistreazaProfil(alt);
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(), QStringLiteral("Am inregistrat deja un profil de diploma: "
                                            "TListaLiniiProfilCertificatAcordare"));
    }
    try {
        inregistrari.InregistreazaTabele(TListaLiniiTabelCertificatAcordare::ClasaLista());
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(), QStringLiteral("Am inregistrat deja un profil de diploma: "
                                            "TListaLiniiTabelCertificatAcordare"));
    }
    EXPECT_EQ(inregistrari.Profil(), &TListaLiniiProfilCertificatAcordare::ClasaLista());
}

TEST(Inregistrari, TheBaseClassAsksForTheDisplayExpressions)
{
    const TProfilFaraExpresii clasa;
    try {
        clasa.ListaCampuriElev();
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(), QStringLiteral("Nu ai definit TProfilFaraExpresii.ListaCampuriElev; Lista trebuie sa "
                                            "fie de tipul \"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\""));
    }
    EXPECT_THROW(clasa.ListaCampuriGeneric(), Exceptie);
}

TEST(ParseazaEticheta, SplitsGroupLabelAndSection)
{
    struct Caz
    {
        QString eticheta, grup, text, sectiune;
    };
    const Caz cazuri[] = {
        {QStringLiteral("[Candidat]Abreviere{cotor}"), QStringLiteral("Candidat"), QStringLiteral("Abreviere"),
         QStringLiteral("cotor")},
        {QStringLiteral("[Conducerea institutiei]Decan / Director{certificat}"),
         QStringLiteral("Conducerea institutiei"), QStringLiteral("Decan / Director"), QStringLiteral("certificat")},
        {QStringLiteral("Doar eticheta"), QString(), QStringLiteral("Doar eticheta"), QString()},
        {QStringLiteral("A[G1]B[G2]C{sec}dupa"), QStringLiteral("G1G2"), QStringLiteral("ABC"), QStringLiteral("sec")},
        {QStringLiteral("[a{b}c]x{s[t]}y"), QStringLiteral("a{b}c"), QStringLiteral("x"), QStringLiteral("s[t]")},
        {QString(), QString(), QString(), QString()},
    };
    for (const Caz &c : cazuri) {
        const TEtichetaEditor e = ParseazaEticheta(c.eticheta);
        EXPECT_EQ(e.Grup, c.grup) << c.eticheta.toStdString();
        EXPECT_EQ(e.Eticheta, c.text) << c.eticheta.toStdString();
        EXPECT_EQ(e.Sectiune, c.sectiune) << c.eticheta.toStdString();
    }
}

TEST(ProfilCertificat, HasItsThirtySevenLinesInOrderWithOneStepSharing)
{
    const auto &clasa = TListaLiniiProfilCertificatAcordare::ClasaLista();
    EXPECT_EQ(clasa.NumeBazaDeDate(), QStringLiteral("CertificatAcordare2006"));
    EXPECT_EQ(clasa.ListaCampuriElev(), QStringLiteral("{CertificatAcordare.FATA.C_NUME}"));
    const auto lista = clasa.Creeaza();
    ASSERT_EQ(lista->Count(), 37);

    std::set<QString> coduri, fara;
    for (int i = 0; i < lista->Count(); ++i) {
        const TLinieProfilDiploma &l = lista->Linie(i);
        EXPECT_EQ(l.Ordine, i + 1);
        EXPECT_EQ(l.CodFormular, QStringLiteral("CertificatAcordare"));
        EXPECT_EQ(l.CodPagina, QStringLiteral("FATA"));
        EXPECT_EQ(l.Vizibil, QStringLiteral("DA"));
        EXPECT_TRUE(l.OnorezSimilar.isEmpty() && l.Formula.isEmpty() && l.Grup.isEmpty());
        coduri.insert(l.CodCamp);
        if (l.SimilarCu.isEmpty())
            fara.insert(QStringLiteral("CertificatAcordare.FATA.") + l.CodCamp);
    }
    EXPECT_EQ(coduri.size(), 37u);
    for (int i = 0; i < lista->Count(); ++i) {
        const QString &s = lista->Linie(i).SimilarCu;
        if (!s.isEmpty()) {
            EXPECT_TRUE(fara.count(s)) << s.toStdString() << " must name a line that shares nothing";
        }
    }
    const TLinieProfilDiploma &abreviere = lista->Linie(22);
    EXPECT_EQ(abreviere.CodCamp, QStringLiteral("D_ABREVIERE"));
    EXPECT_EQ(abreviere.SimilarCu, QStringLiteral("CertificatAcordare.FATA.C_ABREVIERE"));
    EXPECT_EQ(abreviere.LatimeSugerata, 96);
    EXPECT_EQ(abreviere.CodLinie, QStringLiteral("L1"));
    EXPECT_EQ(lista->Linie(29).TipDeDate, QStringLiteral("NOTA"));
    EXPECT_EQ(lista->Linie(21).EtichetaEditor,
              QStringLiteral("[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I "
                             "(certficat, o linie){cotor}"));
}
