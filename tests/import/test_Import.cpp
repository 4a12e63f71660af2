// The import of kept rows into candidates, and where each field's value comes from.
#include <gtest/gtest.h>

#include "FoaieTest.h"
#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UImportElevi.h"
#include "data/UStocareValori.h"
#include "data/UTabelEntitate.h"
#include "import/UColoaneExcel.h"
#include "import/UImportExcel.h"
#include "import/ULogicaImportExcel.h"
#include "support/BazaTest.h"

namespace {

TReferintaCamp Camp(const char *cod)
{
    return {QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"), QLatin1String(cod)};
}

void AdaugaColoana(TListaColoaneExcel &lista, const QString &nume, const QStringList &texte)
{
    auto c = std::make_unique<TColoanaExcel>(nume);
    c->append(texte);
    lista.Add(std::move(c));
}

QString Mesaj(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exceptie &e) {
        return e.Mesaj();
    }
    return QString();
}

TEST(SursaImport, ValoareDupaFel)
{
    TListaColoaneExcel coloane;
    AdaugaColoana(
        coloane, QStringLiteral("A"),
        {QStringLiteral("Pop Ana Maria"), QStringLiteral("  Ion  "), QStringLiteral("Pop  Ana"), QString()});
    struct Caz
    {
        int fel;
        int rand;
        QString cnp;
        QString asteptat;
    };
    const QList<Caz> cazuri = {
        {TSursaImport::DinColoana, 0, {}, QStringLiteral("Pop Ana Maria")},
        {TSursaImport::PrimaParte, 0, {}, QStringLiteral("Pop")},
        {TSursaImport::ADouaParte, 0, {}, QStringLiteral("Ana Maria")},
        {TSursaImport::PrimaParte, 1, {}, QStringLiteral("Ion")},
        {TSursaImport::ADouaParte, 1, {}, QString()},
        {TSursaImport::ADouaParte, 2, {}, QStringLiteral("Ana")},
        {TSursaImport::DinColoana, 3, {}, QString()},
        {TSursaImport::Constanta, 0, {}, QStringLiteral(" Prof. ")},
        {TSursaImport::DupaCnp, 0, QStringLiteral("1800101123456"), QStringLiteral("profesor")},
        {TSursaImport::DupaCnp, 0, QStringLiteral("2800101123456"), QStringLiteral("profesoara")},
        {TSursaImport::DupaCnp, 0, QStringLiteral("5800101123456"), QStringLiteral("profesoara")},
        {TSursaImport::DupaCnp, 0, QString(), QStringLiteral("profesoara")},
        {-1, 0, {}, QString()},
    };
    for (const Caz &caz : cazuri) {
        TSursaImport s;
        s.Fel = caz.fel;
        s.Coloana = QStringLiteral("A");
        s.TextConstant = QStringLiteral(" Prof. ");
        s.Fete = QStringLiteral("profesoara");
        s.Baieti = QStringLiteral("profesor");
        EXPECT_EQ(SursaImport::Valoare(s, coloane, caz.rand, caz.cnp), caz.asteptat)
            << caz.fel << " " << caz.rand;
    }
    TSursaImport alta;
    alta.Coloana = QStringLiteral("Q");
    EXPECT_EQ(SursaImport::Valoare(alta, coloane, 0, QString()), QString());
}

// Page order: the forms page first, the first field page always, pages of
// unchecked forms passed over with their fields excluded.
TEST(LogicaImportExcel, OrdineaPaginilor)
{
    TLogicaImportExcel l({QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("B"),
                          QStringLiteral("A")});
    EXPECT_EQ(l.ListaFormulare(), (QStringList{QStringLiteral("B"), QStringLiteral("A")}));
    EXPECT_EQ(l.NumarPagini(), 10);
    l.Bifeaza({1});
    EXPECT_EQ(l.FormulareBifate(), QStringList{QStringLiteral("A")});
    QList<int> excluse;
    EXPECT_EQ(l.Inainte(TLogicaImportExcel::Introducere, excluse), TLogicaImportExcel::Formulare);
    EXPECT_EQ(l.Inainte(TLogicaImportExcel::Formulare, excluse), TLogicaImportExcel::Fisier);
    EXPECT_EQ(l.Inainte(TLogicaImportExcel::Fisier, excluse), TLogicaImportExcel::Cnp);
    EXPECT_EQ(l.Inainte(TLogicaImportExcel::Cnp, excluse), 5);
    EXPECT_EQ(l.Inainte(5, excluse), 6);
    EXPECT_TRUE(excluse.isEmpty());
    EXPECT_EQ(l.Inainte(6, excluse), 9);
    EXPECT_EQ(excluse, (QList<int>{2, 3}));
    EXPECT_EQ(l.Inainte(9, excluse), TLogicaImportExcel::Final);
    for (const auto &[din, spre] : {std::pair{0, 0}, {1, 4}, {2, 1}, {3, 2}, {4, 0}, {5, 4}, {9, 8}})
        EXPECT_EQ(TLogicaImportExcel::Inapoi(din), spre) << din;
    EXPECT_FALSE(TLogicaImportExcel::InapoiActiv(2));
    EXPECT_TRUE(TLogicaImportExcel::InapoiActiv(3));
    EXPECT_EQ(TLogicaImportExcel({}).Inainte(TLogicaImportExcel::Cnp, excluse), TLogicaImportExcel::Final);
}

TEST(ImportElevi, EtichetaFaraParanteze)
{
    EXPECT_EQ(ImportElevi::EtichetaFaraParanteze(QStringLiteral("[Candidat]Numele si prenumele{cotor}")),
              QStringLiteral("Numele si prenumele"));
    EXPECT_EQ(ImportElevi::EtichetaFaraParanteze(QStringLiteral("Media [a [b] c] finala {x}")),
              QStringLiteral("Media  finala "));
}

// A field whose write fails in one row.
class TCampCareCade : public ICampImport
{
public:
    explicit TCampCareCade(int rand) : m_rand(rand) {}
    void ScrieValoarea(int r, int, const QString &) override
    {
        if (r == m_rand)
            throw Exceptie(QStringLiteral("scriere esuata"));
    }

private:
    int m_rand;
};

class Import : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
    }
    void AdaugaCnpInProfil()
    {
        Executa(*m_dm, {QStringLiteral(
                           "insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                           "ETICHETA_EDITOR, TIP_DE_DATE, ASOCIAT_CU, ORDINE) values ('CertificatAcordare', "
                           "'FATA', 'C_CNP', '[Candidat]CNP', 'CNP', 'ELEVI', 1000)")});
    }
    int Numar(const QString &sql)
    {
        return Valoare(*m_dm, QStringLiteral("select count(*) as V from ") + sql).toInt();
    }
    QString Text(int id, const char *camp)
    {
        return Valoare(*m_dm,
                       QStringLiteral(
                           "select VALOARE_TEXT as V from \"DATE\" where ID_ELEVI = %1 and COD_CAMP = '%2'")
                           .arg(id)
                           .arg(QLatin1String(camp)))
            .toString();
    }
    TSursaImport Sursa(int fel, const QString &coloana = QStringLiteral("A"))
    {
        TSursaImport s;
        s.Fel = fel;
        s.Coloana = coloana;
        return s;
    }
};

TEST_F(Import, CertificatulAreZeceCampuriSiNiciunCnp)
{
    QStringList coduri;
    for (const TCampImport &c : ImportElevi::CampuriDeImportat(*m_dm))
        coduri.append(c.Camp.CodCamp + u'=' + c.Eticheta);
    EXPECT_EQ(coduri.size(), 10);
    EXPECT_EQ(coduri.value(3), QStringLiteral("C_NUME=Numele si prenumele"));
    QStringList doarCoduri;
    for (const QString &c : coduri)
        doarCoduri.append(c.section(u'=', 0, 0));
    EXPECT_EQ(doarCoduri,
              (QStringList{"C_GRADUL_DIDACTIC_L1", "C_GRADUL_DIDACTIC_L2", "C_ABREVIERE", "C_NUME",
                           "C_FUNCTIA_DIDACTICA", "C_SPECIALITATEA", "C_MEDIA_GENERALA_L1",
                           "C_MEDIA_GENERALA_L2", "D_GRADUL_DIDACTIC", "D_MEDIA_GENERALA"}));

    TListaColoaneExcel coloane;
    AdaugaColoana(coloane, QStringLiteral("A"), {QStringLiteral("1800101123456")});
    EXPECT_EQ(Mesaj([&] { ImportaRandurile(*m_dm, coloane, QStringLiteral("A"), {}, std::nullopt); }),
              QStringLiteral("NU exista CNP in profil diploma!"));
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 0);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where ID_ELEVI is not null")), 0);
}

// New candidates get every value row of the profile, their code and the
// mapped values; a second row with the same code overwrites the first's.
TEST_F(Import, CandidatNouSiCnpRepetat)
{
    AdaugaCnpInProfil();
    TListaColoaneExcel coloane;
    AdaugaColoana(
        coloane, QStringLiteral("A"),
        {QStringLiteral("Popescu Ana"), QStringLiteral("Ionescu Ion"), QStringLiteral("Popescu Ana Maria")});
    AdaugaColoana(
        coloane, QStringLiteral("B"),
        {QStringLiteral("2850315123456"), QStringLiteral("1790101123456"), QStringLiteral("2850315123456")});
    TSursaImport constanta = Sursa(TSursaImport::Constanta);
    constanta.TextConstant = QStringLiteral("Prof.");
    TSursaImport dupaCnp = Sursa(TSursaImport::DupaCnp);
    dupaCnp.Fete = QStringLiteral("profesoara");
    dupaCnp.Baieti = QStringLiteral("profesor");
    TSursaImport exclus = Sursa(TSursaImport::DinColoana);
    exclus.Exclus = true;
    TCampDinSursa nume(*m_dm, coloane, Camp("C_NUME"), Sursa(TSursaImport::DinColoana));
    TCampDinSursa prenume(*m_dm, coloane, Camp("C_GRADUL_DIDACTIC_L1"), Sursa(TSursaImport::ADouaParte));
    TCampDinSursa abreviere(*m_dm, coloane, Camp("C_ABREVIERE"), constanta);
    TCampDinSursa functia(*m_dm, coloane, Camp("C_FUNCTIA_DIDACTICA"), dupaCnp);
    TCampDinSursa specialitatea(*m_dm, coloane, Camp("C_SPECIALITATEA"), exclus);

    const TRezultatImport r =
        ImportaRandurile(*m_dm, coloane, QStringLiteral("B"),
                         {&nume, &prenume, &abreviere, &functia, &specialitatea}, std::nullopt);
    EXPECT_EQ(r.Importate, 3);
    EXPECT_FALSE(r.Oprit);
    EXPECT_EQ(MesajFinal(r), QStringLiteral("Am finalizat preluarea din Excel cu succes"));
    ASSERT_EQ(Numar(QStringLiteral("ELEVI")), 2);
    const int campuri = Numar(QStringLiteral("PROFIL_DIPLOMA where ASOCIAT_CU = 'ELEVI'"));
    const QList<int> iduri = IduriElevi(*m_dm);
    for (const int id : iduri) {
        EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where ID_ELEVI = %1").arg(id)), campuri);
        EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where ID_ELEVI = %1 and VALOARE_NUM <> 0").arg(id)), 0);
        EXPECT_EQ(Text(id, "C_SPECIALITATEA"), QString());
        EXPECT_EQ(Text(id, "C_ABREVIERE"), QStringLiteral("Prof."));
    }
    EXPECT_EQ(Text(iduri[0], "C_CNP"), QStringLiteral("2850315123456"));
    EXPECT_EQ(Text(iduri[0], "C_NUME"), QStringLiteral("Popescu Ana Maria"));
    EXPECT_EQ(Text(iduri[0], "C_GRADUL_DIDACTIC_L1"), QStringLiteral("Ana Maria"));
    EXPECT_EQ(Text(iduri[0], "C_FUNCTIA_DIDACTICA"), QStringLiteral("profesoara"));
    EXPECT_EQ(Text(iduri[1], "C_NUME"), QStringLiteral("Ionescu Ion"));
    EXPECT_EQ(Text(iduri[1], "C_FUNCTIA_DIDACTICA"), QStringLiteral("profesor"));

    // Excluded fields keep what the user typed; an empty cell clears a mapped one.
    {
        TGardaTranzactie garda(*m_dm);
        ImportElevi::ScrieValoarea(*m_dm, iduri[1], Camp("C_SPECIALITATEA"), QStringLiteral("matematica"));
        garda.Commit();
    }
    (*coloane.Coloana(QStringLiteral("A")))[1].clear();
    ImportaRandurile(*m_dm, coloane, QStringLiteral("B"), {&nume, &specialitatea}, std::nullopt);
    EXPECT_EQ(Text(iduri[1], "C_SPECIALITATEA"), QStringLiteral("matematica"));
    EXPECT_EQ(Text(iduri[1], "C_NUME"), QString());
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 2);
}

// A failing row is rolled back and ends the import; the rows before stay.
// Stopping between rows keeps the rows done.
TEST_F(Import, EsecSiOprireIntreRanduri)
{
    AdaugaCnpInProfil();
    TListaColoaneExcel coloane;
    AdaugaColoana(
        coloane, QStringLiteral("A"),
        {QStringLiteral("1800101123451"), QStringLiteral("1800101123452"), QStringLiteral("1800101123453")});
    TCampCareCade cade(1);
    EXPECT_EQ(Mesaj([&] { ImportaRandurile(*m_dm, coloane, QStringLiteral("A"), {&cade}, std::nullopt); }),
              QStringLiteral("scriere esuata"));
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 1);
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    EXPECT_EQ(Mesaj([&] { ImportaRandurile(*m_dm, coloane, QStringLiteral("C"), {}, std::nullopt); }),
              QStringLiteral("UPS: nu pot identifica CNP-ul"));

    const TRezultatImport r =
        ImportaRandurile(*m_dm, coloane, QStringLiteral("A"), {}, std::nullopt, [](int rand, int n) {
            EXPECT_EQ(n, 3);
            return rand < 2;
        });
    EXPECT_TRUE(r.Oprit);
    EXPECT_EQ(r.Importate, 2);
    EXPECT_EQ(MesajFinal(r), QStringLiteral("Am oprit preluarea din Excel: am preluat 2 din 3 randuri."));
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 2);
}

// Rows kept for a 13-digit value elsewhere but without a code in the chosen
// column would all land on one candidate: they are left out and counted.
TEST_F(Import, RanduriFaraCnpNuSePreiau)
{
    AdaugaCnpInProfil();
    TListaColoaneExcel coloane;
    AdaugaColoana(coloane, QStringLiteral("A"),
                  {QStringLiteral("Ana"), QStringLiteral("Ion"), QStringLiteral("Dan")});
    AdaugaColoana(coloane, QStringLiteral("B"), {QString(), QStringLiteral("1800101123451"), QString()});
    TCampDinSursa nume(*m_dm, coloane, Camp("C_NUME"), Sursa(TSursaImport::DinColoana));
    const TRezultatImport r = ImportaRandurile(*m_dm, coloane, QStringLiteral("B"), {&nume}, std::nullopt);
    EXPECT_EQ(r.Importate, 1);
    EXPECT_EQ(r.FaraCnp, 2);
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 1);
    EXPECT_EQ(MesajFinal(r),
              QStringLiteral("Am finalizat preluarea din Excel cu succes\n2 randuri fara CNP in "
                             "coloana aleasa nu au fost preluate."));
}

// A new candidate is linked to the chosen institution: its certificate shows
// the institution's data. An existing one keeps its link.
TEST_F(Import, CandidatNouLegatDeInstitutie)
{
    AdaugaCnpInProfil();
    TTabelEntitate institutia(*m_dm, QStringLiteral("INSTITUTIA"));
    int idInstitutie = 0;
    {
        TGardaTranzactie garda(*m_dm);
        idInstitutie = institutia.IdNou();
        institutia.Insereaza(idInstitutie);
        StocareValori::Scrie(*m_dm, Camp("C_INSTITUTIA_INVATAMANT"), QStringLiteral("INSTITUTIA"),
                             idInstitutie, QStringLiteral("Liceul Ştefan cel Mare"));
        garda.Commit();
    }
    TListaColoaneExcel coloane;
    AdaugaColoana(coloane, QStringLiteral("A"), {QStringLiteral("1800101123451")});
    ImportaRandurile(*m_dm, coloane, QStringLiteral("A"), {}, idInstitutie);
    const int id = IduriElevi(*m_dm).value(0);
    EXPECT_EQ(m_dm->ValoareCamp(Camp("C_INSTITUTIA_INVATAMANT"), id),
              QStringLiteral("Liceul Ştefan cel Mare"));
}

} // namespace
