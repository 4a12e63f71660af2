#include <optional>

#include <gtest/gtest.h>

#include "data/UProfilCertificatAcordare.h"
#include "data/UProfilStocat.h"
#include "support/BazaTest.h"

namespace {

const QString kFormular = QStringLiteral("CertificatAcordare");
const QString kPagina = QStringLiteral("FATA");

TReferintaCamp Camp(const char *cod)
{
    return {kFormular, kPagina, QLatin1String(cod)};
}

} // namespace

// The certificate's profile, written as at every start.
class ProfilStocatBaza : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
    }
};

TEST_F(ProfilStocatBaza, ListsEveryLineWithItsLabelModeAndTable)
{
    const std::vector<TLinieProfil> linii = ProfilStocat::Linii(*m_dm);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(int(linii.size()), TListaLiniiProfilCertificatAcordare().Count());
    const auto gasita = std::find_if(linii.begin(), linii.end(), [](const TLinieProfil &l) {
        return l.CodCamp == QLatin1String("D_ADRESA");
    });
    ASSERT_NE(gasita, linii.end());
    EXPECT_EQ(gasita->CodFormular, kFormular);
    EXPECT_EQ(gasita->CodPagina, kPagina);
    EXPECT_EQ(gasita->EtichetaEditor, QStringLiteral("[Institutia]Localitatea si judetul{certificat}"));
    EXPECT_EQ(gasita->OnorezSimilar, QStringLiteral("DA"));
    EXPECT_EQ(gasita->AsociatCu, QStringLiteral("INSTITUTIA"));
}

TEST_F(ProfilStocatBaza, ReadsAndWritesTheModeAndTableOfOneLine)
{
    struct Caz
    {
        const char *descriere;
        TReferintaCamp camp;
        TSetareLinieProfil scrisa;
        int schimbate;
        std::optional<QString> onorezCitit;
    };
    const Caz cazuri[] = {
        {"a line of the profile",
         Camp("D_NUME"),
         {QStringLiteral("NU"), QStringLiteral("ELEVI")},
         1,
         QStringLiteral("NU")},
        {"any mode is stored as given",
         Camp("D_ADRESA"),
         {QStringLiteral("SELECTIV"), QStringLiteral("CANDIDAT")},
         1,
         QStringLiteral("SELECTIV")},
        {"a line the profile does not have",
         Camp("NU_EXISTA"),
         {QStringLiteral("DA"), QStringLiteral("ELEVI")},
         0,
         std::nullopt},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.descriere);
        EXPECT_EQ(ProfilStocat::ScrieSetarea(*m_dm, c.camp, c.scrisa), c.schimbate);
        EXPECT_FALSE(m_dm->Tr.InTransaction()) << "a write of its own commits";
        const std::optional<TSetareLinieProfil> citita = ProfilStocat::CitesteSetarea(*m_dm, c.camp);
        ASSERT_EQ(citita.has_value(), c.onorezCitit.has_value());
        if (citita) {
            EXPECT_EQ(citita->OnorezSimilar, *c.onorezCitit);
            EXPECT_EQ(citita->AsociatCu, c.scrisa.AsociatCu);
        }
    }

    // Inside the caller's transaction the write is the caller's to keep.
    m_dm->Tr.StartTransaction();
    EXPECT_EQ(ProfilStocat::ScrieSetarea(*m_dm, Camp("D_NUME"), {QStringLiteral("DA"), QStringLiteral("X")}),
              1);
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    m_dm->Tr.Rollback();
    EXPECT_EQ(ProfilStocat::CitesteSetarea(*m_dm, Camp("D_NUME"))->AsociatCu, QStringLiteral("ELEVI"));
}

TEST_F(ProfilStocatBaza, TheEditorsLinesOfATableKeepNullApartFromEmptyAndComeInProfileOrder)
{
    // A profile edited by hand may hold NULL where the program writes empty texts.
    Executa(*m_dm, {QStringLiteral("alter table PROFIL_DIPLOMA alter SIMILAR_CU drop not null, "
                                   "alter ONOREZ_SIMILAR drop not null")});
    Executa(*m_dm,
            {QStringLiteral("update PROFIL_DIPLOMA set SIMILAR_CU = null, ONOREZ_SIMILAR = null, "
                            "LATIME_SUGERATA = null, COD_LINIE = null where COD_CAMP = 'C_ADRESA'"),
             QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = '' where COD_CAMP = 'C_SESIUNEA'")});
    const std::vector<TLinieProfilEditor> linii =
        ProfilStocat::LiniiTabel(*m_dm, QStringLiteral("INSTITUTIA"));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_FALSE(m_dm->Q6.Active());

    QStringList coduri;
    for (const TLinieProfilEditor &l : linii)
        coduri.append(l.Camp.CodCamp);
    const QList<TReferintaCamp> campuri = ProfilStocat::CampuriTabel(*m_dm, QStringLiteral("INSTITUTIA"));
    QStringList coduriCampuri;
    for (const TReferintaCamp &c : campuri)
        coduriCampuri.append(c.CodCamp);
    EXPECT_EQ(coduri, coduriCampuri);
    ASSERT_EQ(coduri.size(), 20);
    EXPECT_EQ(coduri.first(), QStringLiteral("C_INSTITUTIA_INVATAMANT"));
    EXPECT_EQ(coduri.last(), QStringLiteral("D_SECRETAR_SEF"));

    struct Caz
    {
        QString cod;
        std::optional<QString> similarCu;
        std::optional<QString> onorez;
        int latime;
    };
    const Caz cazuri[] = {
        {QStringLiteral("C_ADRESA"), std::nullopt, std::nullopt, 0},
        {QStringLiteral("C_SESIUNEA"), QString(), QString(), 0},
        {QStringLiteral("D_ADRESA"), QStringLiteral("CertificatAcordare.FATA.C_ADRESA"), QStringLiteral("DA"),
         0},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.cod.toStdString());
        const TLinieProfilEditor &l = linii.at(size_t(coduri.indexOf(c.cod)));
        EXPECT_EQ(l.Camp.CodFormular, kFormular);
        EXPECT_EQ(l.SimilarCu, c.similarCu);
        EXPECT_EQ(l.OnorezSimilar, c.onorez);
        EXPECT_EQ(l.LatimeSugerata, c.latime);
        EXPECT_EQ(l.CodLinie, QString());
        EXPECT_EQ(l.TipDeDate, QStringLiteral("TEXT"));
    }

    const std::vector<TLinieProfilEditor> elevi = ProfilStocat::LiniiTabel(*m_dm, QStringLiteral("ELEVI"));
    const auto nume = std::find_if(elevi.begin(), elevi.end(),
                                   [](const TLinieProfilEditor &l) { return l.Camp.CodCamp == "C_NUME"; });
    ASSERT_NE(nume, elevi.end());
    EXPECT_EQ(nume->LatimeSugerata, 256);
    EXPECT_EQ(nume->CodLinie, QStringLiteral("L1"));
    EXPECT_EQ(nume->EtichetaEditor, QStringLiteral("[Candidat]Numele si prenumele{cotor}"));
    EXPECT_TRUE(ProfilStocat::LiniiTabel(*m_dm, QStringLiteral("FARA_LINII")).empty());
}

TEST_F(ProfilStocatBaza, TheDataTypeOfAFieldInsideOrOutsideATransaction)
{
    struct Caz
    {
        TReferintaCamp camp;
        std::optional<QString> tip;
    };
    const Caz cazuri[] = {
        {Camp("C_NUME"), QStringLiteral("TEXT")},
        {Camp("C_MEDIA_GENERALA_L1"), QStringLiteral("NOTA")},
        {Camp("NU_EXISTA"), std::nullopt},
        {{kFormular, QStringLiteral("VERSO"), QStringLiteral("C_NUME")}, std::nullopt},
    };
    for (const bool inTranzactie : {false, true}) {
        if (inTranzactie)
            m_dm->Tr.StartTransaction();
        for (const Caz &c : cazuri) {
            SCOPED_TRACE(c.camp.CodCamp.toStdString());
            EXPECT_EQ(ProfilStocat::TipDeDate(*m_dm, c.camp), c.tip);
            EXPECT_EQ(m_dm->Tr.InTransaction(), inTranzactie);
            EXPECT_FALSE(m_dm->Q1.Active());
        }
        if (inTranzactie)
            m_dm->Tr.Rollback();
    }
}

TEST_F(ProfilStocatBaza, TheEntityTablesByName)
{
    EXPECT_EQ(ProfilStocat::NumeTabele(*m_dm),
              (QStringList{QStringLiteral("CANDIDAT"), QStringLiteral("INSTITUTIA")}));
    Executa(*m_dm,
            {QStringLiteral("insert into TABELE (NUME_TABEL, EXP_DENUMIRE) values ('BIBLIOTECA', '')")});
    EXPECT_EQ(ProfilStocat::NumeTabele(*m_dm),
              (QStringList{QStringLiteral("BIBLIOTECA"), QStringLiteral("CANDIDAT"),
                           QStringLiteral("INSTITUTIA")}));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
}
