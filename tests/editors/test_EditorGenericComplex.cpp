#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

#include "BazaEditori.h"
#include "editors/UEditorCampCNP.h"
#include "editors/UEditorCampCF.h"
#include "editors/UEditorCampText.h"
#include "editors/UEditorGenericComplex.h"
#include "editors/UFrmGrup.h"
#include "comun/Exceptie.h"

namespace {

// One profile line of table CANDIDAT, which the certificate leaves empty.
struct Linie
{
    QString formular;
    QString camp;
    QString eticheta;
    QString tip = QStringLiteral("CF");
    QString similar = QString();
    QString onorez = QString();
    int latime = 0;
    QString rand = QString();
};

QStringList Etichete(const TEditorGenericComplex &complex)
{
    QStringList etichete;
    for (int i = 0; i < complex.Editori.Count(); ++i)
        etichete.append(complex.Editori.Items(i)->RzLabel1->text());
    return etichete;
}

// The group frame holding the editor, or nullptr.
TFrmGrup *Grupul(QWidget *editor)
{
    for (QWidget *w = editor->parentWidget(); w; w = w->parentWidget())
        if (auto *g = qobject_cast<TFrmGrup *>(w))
            return g;
    return nullptr;
}

} // namespace

class EditorGenericComplex : public BazaEditori
{
protected:
    void Profil(const QList<Linie> &linii)
    {
        QStringList comenzi{QStringLiteral("delete from PROFIL_DIPLOMA where ASOCIAT_CU = 'CANDIDAT'")};
        int ordine = 1;
        for (const Linie &l : linii)
            comenzi.append(
                QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, "
                               "ONOREZ_SIMILAR, ETICHETA_EDITOR, TIP_DE_DATE, ASOCIAT_CU, LATIME_SUGERATA, "
                               "COD_LINIE, ORDINE) values ('%1', 'FATA', '%2', '%3', '%4', '%5', '%6', "
                               "'CANDIDAT', %7, '%8', %9)")
                    .arg(l.formular, l.camp, l.similar, l.onorez, l.eticheta, l.tip)
                    .arg(l.latime)
                    .arg(l.rand)
                    .arg(ordine++));
        Executa(*m_dm, comenzi);
    }
};

TEST_F(EditorGenericComplex, TheInstitutionGetsOnePageWithoutATabAndItsGroups)
{
    TEditorGenericComplex complex;
    complex.Construieste(-1, 10, QStringLiteral("INSTITUTIA"));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    ASSERT_EQ(complex.PC->count(), 1);
    EXPECT_EQ(complex.PC->tabText(0), QStringLiteral(" Certificat\nAcordare"));
    complex.resize(478, 600);
    complex.show();
    EXPECT_FALSE(complex.PC->tabBar()->isVisible());

    // Lines that honour a sharing ("DA") have no editor.
    EXPECT_EQ(
        Etichete(complex),
        (QStringList{QStringLiteral("Institutia de invatamant"), QStringLiteral("Localitatea si judetul"),
                     QStringLiteral("Sesiunea"), QStringLiteral("Numar ordin"), QStringLiteral("Data ordin"),
                     QStringLiteral("Data vigoare"), QStringLiteral("Rector"),
                     QStringLiteral("Decan / Director"), QStringLiteral("Secretar sef")}));
    TFrmGrup *institutia = Grupul(complex.Editori.Items(0));
    TFrmGrup *conducerea = Grupul(complex.Editori.Items(6));
    ASSERT_TRUE(institutia && conducerea);
    EXPECT_EQ(institutia->NumeGrup, QStringLiteral("Institutia"));
    EXPECT_EQ(institutia->EtichetaGrup->text(), QStringLiteral("Institutia"));
    EXPECT_EQ(conducerea->NumeGrup, QStringLiteral("Conducerea institutiei"));
    EXPECT_EQ(Grupul(complex.Editori.Items(5)), institutia);
    EXPECT_EQ(institutia->height(), 6 * 36 + 18 + 16);
    EXPECT_EQ(conducerea->height(), 3 * 36 + 18 + 16);
    EXPECT_LT(institutia->y(), conducerea->y());
    // Editors stack in creation order, full width.
    EXPECT_LT(complex.Editori.Items(0)->y(), complex.Editori.Items(1)->y());
    EXPECT_EQ(complex.Editori.Items(0)->width(), institutia->PanelSuport->width());
    EXPECT_TRUE(complex.Editori.Items(0)->objectName().isEmpty());
}

TEST_F(EditorGenericComplex, PlacesPagesGroupsAndRowsAsTheProfileSays)
{
    const QString f = QStringLiteral("FormularUnu");
    Profil({
        {f,
         QStringLiteral("A"),
         QStringLiteral("[Grup]Abreviere{cotor}"),
         QStringLiteral("CF"),
         {},
         {},
         100,
         QStringLiteral("R1")},
        {f,
         QStringLiteral("B"),
         QStringLiteral("[Grup]Nume"),
         QStringLiteral("CF"),
         {},
         {},
         300,
         QStringLiteral("r1")},
        {f, QStringLiteral("C"), QStringLiteral("[grup]Alt grup"), QStringLiteral("TEXT")},
        {f, QStringLiteral("D"), QStringLiteral("Fara grup ")},
        {QStringLiteral("AltFormular"), QStringLiteral("E"), QStringLiteral("[Altul]Pe alta pagina")},
        {QStringLiteral("AltFormular"), QStringLiteral("E2"), QStringLiteral("[Grup]Grupul primei pagini")},
        {QStringLiteral("FORMULARUNU"), QStringLiteral("F"), QStringLiteral("Aceeasi pagina")},
        {f, QStringLiteral("G"), QStringLiteral("Impartit DA"), QStringLiteral("CF"), QStringLiteral("X.Y.A"),
         QStringLiteral("DA")},
        {f, QStringLiteral("H"), QStringLiteral("Impartit NU"), QStringLiteral("CF"), QStringLiteral("X.Y.A"),
         QStringLiteral("NU")},
        {f, QStringLiteral("I"), QStringLiteral("Impartit SELECTIV"), QStringLiteral("CF"),
         QStringLiteral("X.Y.A"), QStringLiteral("SELECTIV")},
        {f, QStringLiteral("J"), QStringLiteral("Impartit da"), QStringLiteral("CNP"),
         QStringLiteral("X.Y.A"), QStringLiteral("da")},
        {f, QStringLiteral("K"), QStringLiteral("Fara impartire DA"), QStringLiteral("SIRUES"), QString(),
         QStringLiteral("DA")},
    });
    TEditorGenericComplex complex;
    complex.Construieste(-1, 5, QStringLiteral("CANDIDAT"));
    EXPECT_EQ(Etichete(complex),
              (QStringList{QStringLiteral("Abreviere"), QStringLiteral("Nume"), QStringLiteral("Alt grup"),
                           QStringLiteral("Fara grup "), QStringLiteral("Pe alta pagina"),
                           QStringLiteral("Grupul primei pagini"), QStringLiteral("Aceeasi pagina"),
                           QStringLiteral("Impartit NU"), QStringLiteral("Impartit SELECTIV"),
                           QStringLiteral("Impartit da"), QStringLiteral("Fara impartire DA")}));
    EXPECT_NE(qobject_cast<TEditorCampText *>(complex.Editori.Items(2)), nullptr);
    EXPECT_NE(qobject_cast<TEditorCampCNP *>(complex.Editori.Items(9)), nullptr);

    // Two pages: "FORMULARUNU" reads as the same page as "FormularUnu".
    ASSERT_EQ(complex.PC->count(), 2);
    EXPECT_EQ(complex.PC->tabText(0), QStringLiteral(" Formular Unu"));
    EXPECT_EQ(complex.PC->tabText(1), QStringLiteral(" Alt Formular"));
    complex.resize(600, 600);
    complex.show();
    EXPECT_TRUE(complex.PC->tabBar()->isVisible());
    EXPECT_EQ(complex.PC->currentIndex(), 0);
    QWidget *pagina1 = complex.PC->widget(0)->findChild<QScrollArea *>()->widget();
    EXPECT_EQ(complex.Editori.Items(6)->parentWidget(), pagina1);
    EXPECT_TRUE(complex.PC->widget(1)->isAncestorOf(complex.Editori.Items(4)));

    // Row codes differing in case share a row; group names differing in case do not share a group.
    auto *rand = qobject_cast<TLinieGrupare *>(complex.Editori.Items(0)->parentWidget());
    ASSERT_NE(rand, nullptr);
    EXPECT_EQ(complex.Editori.Items(1)->parentWidget(), rand);
    EXPECT_EQ(rand->Editori.Count(), 2);
    EXPECT_EQ(Grupul(rand)->NumeGrup, QStringLiteral("Grup"));
    EXPECT_EQ(Grupul(complex.Editori.Items(2))->NumeGrup, QStringLiteral("grup"));
    EXPECT_EQ(Grupul(complex.Editori.Items(3)), nullptr);
    EXPECT_EQ(complex.Editori.Items(3)->parentWidget(), pagina1);
    // A group is found by its name whatever the page.
    EXPECT_EQ(Grupul(complex.Editori.Items(5)), Grupul(rand));
    EXPECT_EQ(complex.Editori.Items(0)->LatimeSugerata, 100);
    EXPECT_EQ(complex.Editori.Items(0)->width() * 3, complex.Editori.Items(1)->width());
    EXPECT_EQ(complex.Editori.Items(0)->width() + complex.Editori.Items(1)->width(), rand->width());
}

TEST(LinieGrupare, SharesItsWidthInProportionAtLeast16Pixels)
{
    struct Caz
    {
        QList<int> sugerate;
        int latimeRand;
        QList<int> latimi;
    };
    const Caz cazuri[] = {
        {{100, 300}, 400, {100, 300}},  {{100, 300}, 40, {16, 30}}, {{96, 256}, 352, {96, 256}},
        {{1, 1, 1}, 100, {33, 33, 33}}, {{0, 0}, 300, {150, 150}},  {{0, 0}, 20, {16, 16}},
        {{0, 200}, 200, {16, 200}},
    };
    for (const Caz &c : cazuri) {
        TLinieGrupare rand;
        rand.resize(c.latimeRand, 36);
        for (int s : c.sugerate) {
            auto *e = new TEditorCampCF;
            e->LatimeSugerata = s;
            rand.Adauga(e);
        }
        QList<int> latimi;
        int x = 0;
        for (int i = 0; i < rand.Editori.Count(); ++i) {
            latimi.append(rand.Editori.Items(i)->width());
            EXPECT_EQ(rand.Editori.Items(i)->x(), x);
            x += latimi.last();
        }
        EXPECT_EQ(latimi, c.latimi) << c.latimeRand;
        // The widths follow the row when it is resized.
        rand.resize(c.latimeRand * 2, 36);
        EXPECT_GE(rand.Editori.Items(0)->width(), c.latimi.first());
    }
}

TEST_F(EditorGenericComplex, AnUnknownDataTypeStopsTheBuildCleanly)
{
    for (const QString &tip :
         {QStringLiteral("text"), QStringLiteral("CF "), QStringLiteral("NOTA SAU CALIFICATIV")}) {
        Profil({{QStringLiteral("F"), QStringLiteral("A"), QStringLiteral("Bun")},
                {QStringLiteral("F"), QStringLiteral("B"), QStringLiteral("Rau"), tip}});
        TEditorGenericComplex complex;
        try {
            complex.Construieste(-1, 5, QStringLiteral("CANDIDAT"));
            ADD_FAILURE() << "no error for " << tip.toStdString();
        } catch (const Exceptie &e) {
            EXPECT_EQ(e.Mesaj(), QStringLiteral("Nu stiu afisa tipul de date ") + tip);
        }
        EXPECT_FALSE(m_dm->Tr.InTransaction());
        EXPECT_FALSE(m_dm->Q6.Active() || m_dm->Q1.Active());
        EXPECT_EQ(complex.Editori.Count(), 1);
    }
}

TEST_F(EditorGenericComplex, ValidatesInOrderAndSavesOnlyInsideATransaction)
{
    const QString f = QStringLiteral("F");
    Profil({{f, QStringLiteral("A"), QStringLiteral("Cod 1"), QStringLiteral("CNP")},
            {f, QStringLiteral("B"), QStringLiteral("Cod 2"), QStringLiteral("CNP")},
            {f, QStringLiteral("C"), QStringLiteral("Sirues"), QStringLiteral("SIRUES")}});
    TEditorGenericComplex complex;
    complex.Construieste(-1, -1, QStringLiteral("CANDIDAT"));
    ASSERT_EQ(complex.Editori.Count(), 3);
    EXPECT_TRUE(complex.PC->tabBar()->isHidden());

    // Both codes are invalid (empty): answering No to the first stops there.
    EXPECT_FALSE(complex.PotSalva());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare).size(), 1);
    MesajeTest().Reseteaza();
    MesajeTest().Raspunde(true);
    MesajeTest().Raspunde(true);
    EXPECT_TRUE(complex.PotSalva());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare).size(), 2);

    qobject_cast<TEditorCampCNP *>(complex.Editori.Items(0))->RzEdit1->setText(QStringLiteral(" 123 "));
    try {
        complex.Salveaza(-1, 5, QStringLiteral("CANDIDAT"));
        ADD_FAILURE() << "saved without a transaction";
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(), QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    }
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\"")).toInt(), 0);

    m_dm->Tr.StartTransaction();
    complex.Salveaza(-1, 5, QStringLiteral("CANDIDAT"));
    m_dm->Tr.Commit();
    EXPECT_EQ(
        Randuri(QStringLiteral("select COD_CAMP, VALOARE_TEXT, ID_CANDIDAT from \"DATE\" order by COD_CAMP")),
        (QList<QStringList>{{QStringLiteral("A"), QStringLiteral("123"), QStringLiteral("5")},
                            {QStringLiteral("B"), QString(), QStringLiteral("5")},
                            {QStringLiteral("C"), QString(), QStringLiteral("5")}}));
}

TEST_F(EditorGenericComplex, ATableWithoutLinesHasNoPagesAndSavesNothing)
{
    Profil({});
    TEditorGenericComplex complex;
    complex.Construieste(-1, 5, QStringLiteral("CANDIDAT"));
    EXPECT_EQ(complex.PC->count(), 0);
    EXPECT_EQ(complex.Editori.Count(), 0);
    EXPECT_TRUE(complex.PotSalva());
    m_dm->Tr.StartTransaction();
    complex.Salveaza(-1, 5, QStringLiteral("CANDIDAT"));
    complex.DupaAfisare();
    m_dm->Tr.Commit();
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\"")).toInt(), 0);
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
}

TEST(EditorGenericComplex_Titlu, WrapsThePageCaptionAfterTenCharacters)
{
    EXPECT_EQ(TEditorGenericComplex::TitluPagina(QStringLiteral("CertificatAcordare")),
              QStringLiteral(" Certificat\nAcordare"));
    EXPECT_EQ(TEditorGenericComplex::TitluPagina(QStringLiteral("UnDoiTreiPatruCinci")),
              QStringLiteral(" Un Doi Trei\nPatru\nCinci"));
    EXPECT_EQ(TEditorGenericComplex::CheiePagina(QStringLiteral(" Certificat\nAcordare 2")),
              QStringLiteral("certificatacordare"));
}
