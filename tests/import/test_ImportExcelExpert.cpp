// The import wizard, its field pages and the column picker, driven as a user would.
#include <gtest/gtest.h>

#include <QDir>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QStackedWidget>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "FoaieTest.h"
#include "candidates/UListaElevi.h"
#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "data/UTabeleCertificatAcordare.h"
#include "import/UExcelSelectieColoana.h"
#include "import/UImportExcelExpert.h"
#include "settings/StocareSetari.h"
#include "shell/UCertificatAcordareMain.h"
#include "support/BazaTest.h"

namespace {

QString Mesaj(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exceptie &e) {
        return e.Mesaj();
    }
    return QString();
}

QStringList Referinte(const TImportExcelExpert &w)
{
    QStringList r;
    for (const TQenExcelImportFrame *f : w.Campuri())
        r.append(f->Referinta().section(u'.', 2));
    return r;
}

class ImportExcelExpert : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        if (!::Inregistrari().Profil())
            InregistreazaCertificatAcordare(::Inregistrari());
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        DM = m_dm.get();
        MesajeTest().Reseteaza();
        InstaleazaStocareSetari(&m_setari);
        m_fisier = ScrieRegistru(m_foi.path(), QStringLiteral("elevi"), QStringLiteral("xlsx"),
                                 {{QStringLiteral("Elevi"),
                                   {{1, 0, "t", "Numele"},
                                    {1, 1, "t", "CNP"},
                                    {2, 0, "t", "Popescu Ana"},
                                    {2, 1, "n", 2850315123456.0},
                                    {3, 0, "t", "Ţurcanu Ştefan"},
                                    {3, 1, "n", 1790101123456.0}}}});
    }
    void TearDown() override
    {
        InstaleazaStocareSetari(nullptr);
        DM = nullptr;
        TBazaTest::TearDown();
    }
    int Numar(const QString &sql)
    {
        return Valoare(*m_dm, QStringLiteral("select count(*) as V from ") + sql).toInt();
    }

    // From the first page to the final one: the form checked, the sheet read,
    // the personal code in column B and the name from column A.
    void PanaLaFinal(TImportExcelExpert &w)
    {
        w.Inainte();
        w.findChild<QListWidget *>(QStringLiteral("LstFormulare"))->item(0)->setCheckState(Qt::Checked);
        w.Inainte();
        w.DeschideFisierul(m_fisier);
        w.findChild<QComboBox *>(QStringLiteral("CbFoi"))->setCurrentIndex(0);
        w.Inainte();
        w.findChild<QLineEdit *>(QStringLiteral("EdColoanaCnp"))->setText(QStringLiteral("B"));
        w.Inainte();
        for (TQenExcelImportFrame *f : w.Campuri()) {
            TSursaImport s;
            s.Coloana = QStringLiteral("A");
            s.Exclus = !f->Referinta().endsWith(QLatin1String(".C_NUME"));
            f->SetSursa(s);
        }
        while (w.Pagina() != TLogicaImportExcel::Final)
            w.Inainte();
    }

    QTemporaryDir m_foi;
    QString m_fisier;
    TStocareSetariMemorie m_setari;
};

// The certificate's profile: ten field pages in order, one form, and an
// import that stops at once for want of a personal code field.
TEST_F(ImportExcelExpert, PaginileCertificatuluiSiLipsaCnp)
{
    TImportExcelExpert w(*m_dm);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Import de date din Excel"));
    EXPECT_EQ(Referinte(w),
              (QStringList{"C_GRADUL_DIDACTIC_L1", "C_GRADUL_DIDACTIC_L2", "C_ABREVIERE", "C_NUME",
                           "C_FUNCTIA_DIDACTICA", "C_SPECIALITATEA", "C_MEDIA_GENERALA_L1",
                           "C_MEDIA_GENERALA_L2", "D_GRADUL_DIDACTIC", "D_MEDIA_GENERALA"}));
    auto *formulare = w.findChild<QListWidget *>(QStringLiteral("LstFormulare"));
    ASSERT_EQ(formulare->count(), 1);
    EXPECT_EQ(formulare->item(0)->text(), TDM::SeparaCuvinte(QStringLiteral("CertificatAcordare")));
    auto *inapoi = w.findChild<QPushButton *>(QStringLiteral("BtnInapoi"));
    EXPECT_FALSE(inapoi->isEnabled());

    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Formulare);
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Formulare);
    formulare->item(0)->setCheckState(Qt::Checked);
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Fisier);
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Fisier);
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              (QStringList{
                  QStringLiteral("Va rugam bifati cel putin un formular"),
                  QStringLiteral("Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe care se "
                                 "va face importul")}));
    // A damaged file: its error, and the page stays without sheets.
    const QString stricat = m_foi.filePath(QStringLiteral("stricat.xlsx"));
    {
        QFile f(stricat);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("PK\x03\x04 nu este o arhiva");
    }
    EXPECT_TRUE(
        Mesaj([&] { w.DeschideFisierul(stricat); }).startsWith(QStringLiteral("Nu pot citi fisierul")));
    auto *foi = w.findChild<QComboBox *>(QStringLiteral("CbFoi"));
    EXPECT_FALSE(foi->isEnabled());
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Fisier);
    w.DeschideFisierul(m_fisier);
    EXPECT_EQ(foi->count(), 1);
    EXPECT_EQ(foi->currentIndex(), -1);
    foi->setCurrentIndex(0);
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Cnp);
    EXPECT_EQ(w.ListaColoane().Count(), 2);
    EXPECT_EQ(w.ListaColoane().NumarRanduri(), 2);
    ASSERT_NE(w.SelectorColoana(), nullptr);
    EXPECT_EQ(Mesaj([&] { w.Inainte(); }),
              QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP"));
    w.findChild<QLineEdit *>(QStringLiteral("EdColoanaCnp"))->setText(QStringLiteral("B"));
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::PrimulCamp);
    EXPECT_TRUE(inapoi->isEnabled());
    EXPECT_EQ(Mesaj([&] { w.Inainte(); }),
              QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
    w.Inapoi();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Formulare);
    w.Inainte();
    EXPECT_EQ(w.Pagina(), TLogicaImportExcel::Fisier);

    TImportExcelExpert w2(*m_dm);
    PanaLaFinal(w2);
    EXPECT_EQ(Mesaj([&] { w2.Inainte(); }), QStringLiteral("NU exista CNP in profil diploma!"));
    EXPECT_EQ(w2.Pagina(), TLogicaImportExcel::Final);
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 0);
}

// From the menu of the main window to the candidate list showing the
// imported candidates, linked to the only institution.
TEST_F(ImportExcelExpert, DinMeniuPanaInListaCandidatilor)
{
    Executa(*m_dm, {QStringLiteral(
                        "insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, "
                        "TIP_DE_DATE, ASOCIAT_CU, ORDINE) values ('CertificatAcordare', 'FATA', 'C_CNP', "
                        "'[Candidat]CNP', 'CNP', 'ELEVI', 1000)"),
                    QStringLiteral("insert into INSTITUTIA values (7)"),
                    QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                                   "VALOARE_NUM, ID_INSTITUTIA) values ('CertificatAcordare', 'FATA', "
                                   "'C_INSTITUTIA_INVATAMANT', 'Liceul Nr. 1', 0, 7)")});
    TCertificatAcordareMain fereastra;
    ASSERT_EQ(fereastra.ListaElevi()->Linii().size(), 0u);
    bool condus = false;
    QTimer::singleShot(0, [&] {
        auto *w = qobject_cast<TImportExcelExpert *>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->findChild<QComboBox *>(QStringLiteral("CbInstitutia"))->currentText(),
                  QStringLiteral("Liceul Nr. 1"));
        PanaLaFinal(*w);
        w->findChild<QPushButton *>(QStringLiteral("BtnInainte"))->click();
        condus = true;
    });
    fereastra.ImportdinExcel1->trigger();
    EXPECT_TRUE(condus);
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Am finalizat preluarea din Excel cu succes")});
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
    QStringList nume;
    for (const TLinieInregistrare &l : fereastra.ListaElevi()->Linii())
        nume.append(l.Denumire);
    EXPECT_EQ(nume, (QStringList{QStringLiteral("Popescu Ana"), QStringLiteral("Ţurcanu Ştefan")}));
    // What came in is in a copy of the database too.
    const QStringList copii = QDir(m_locatii.CaleDate(QStringLiteral("DB/copii")))
                                  .entryList({QStringLiteral("*.FDB")}, QDir::Files);
    EXPECT_EQ(copii.size(), 1) << copii.join(QLatin1Char(' ')).toStdString();
    for (const TLinieInregistrare &l : fereastra.ListaElevi()->Linii())
        EXPECT_EQ(m_dm->ValoareCamp(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
                                    QStringLiteral("C_INSTITUTIA_INVATAMANT"), l.Id),
                  QStringLiteral("Liceul Nr. 1"));

    // The next wizard starts from these choices.
    TImportExcelExpert urmatorul(*m_dm);
    EXPECT_EQ(urmatorul.findChild<QLineEdit *>(QStringLiteral("EdColoanaCnp"))->text(), QStringLiteral("B"));
    for (const TQenExcelImportFrame *f : urmatorul.Campuri()) {
        const bool nume = f->Referinta().endsWith(QLatin1String(".C_NUME"));
        EXPECT_EQ(f->Sursa().Exclus, !nume) << f->Referinta().toStdString();
        EXPECT_EQ(f->Sursa().Coloana, QStringLiteral("A"));
    }
}

class TServiciiTest : public IServiciiImport
{
public:
    TDM &Dm() override { throw Exceptie(QStringLiteral("fara baza de date")); }
    const TListaColoaneExcel &ListaColoane() const override { return coloane; }
    std::optional<QString> AlegeColoana() override { return QStringLiteral("C"); }
    TListaColoaneExcel coloane;
};

// The drop-down shows the page of its source; the box hides them and
// excludes the field; the page check asks for a column only where one is used.
TEST(QenExcelImportFrame, SursaPaginaSiVerificare)
{
    TServiciiTest servicii;
    TQenExcelImportFrame frame(servicii);
    frame.Pregateste(QStringLiteral("CertificatAcordare.FATA.C_NUME"), QStringLiteral("Numele si prenumele"));
    EXPECT_EQ(frame.CodFormular(), QStringLiteral("CertificatAcordare"));
    EXPECT_EQ(frame.findChild<QLabel *>(QStringLiteral("LblReferinta"))->text(),
              TDM::SeparaCuvinte(QStringLiteral("CertificatAcordare.FATA.C_NUME")));
    auto *sursa = frame.findChild<QComboBox *>(QStringLiteral("CbSursa"));
    auto *pagini = frame.findChild<QStackedWidget *>(QStringLiteral("PaginiSursa"));
    for (const auto &[item, pagina] : {std::pair{1, 1}, {2, 2}, {3, 0}, {4, 0}, {0, 0}}) {
        sursa->setCurrentIndex(item);
        EXPECT_EQ(pagini->currentIndex(), pagina) << item;
    }
    EXPECT_EQ(Mesaj([&] { frame.PaginaOkClick(); }),
              QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
    sursa->setCurrentIndex(1);
    EXPECT_EQ(Mesaj([&] { frame.PaginaOkClick(); }), QString());
    sursa->setCurrentIndex(3);
    frame.findChild<QToolButton *>(QStringLiteral("BtnColoana"))->click();
    EXPECT_EQ(frame.Sursa().Coloana, QStringLiteral("C"));
    EXPECT_EQ(Mesaj([&] { frame.PaginaOkClick(); }), QString());

    frame.show();
    frame.Exclude();
    EXPECT_TRUE(frame.Sursa().Exclus);
    EXPECT_FALSE(pagini->isVisible());
    EXPECT_FALSE(sursa->isEnabled());
    // Excluded, it writes nothing: not even the database is asked for.
    EXPECT_EQ(Mesaj([&] { frame.ScrieValoarea(0, 1, QString()); }), QString());
    frame.findChild<QCheckBox *>(QStringLiteral("NuImport"))->setChecked(false);
    EXPECT_TRUE(pagini->isVisible());
    EXPECT_EQ(Mesaj([&] { frame.ScrieValoarea(0, 1, QString()); }), QStringLiteral("fara baza de date"));
}

TEST(ExcelSelectieColoana, LatimiSelectieSiButoane)
{
    TListaColoaneExcel coloane;
    for (const QString &nume : {QStringLiteral("A"), QStringLiteral("B")}) {
        auto c = std::make_unique<TColoanaExcel>(nume);
        c->append(nume == QLatin1String("A") ? QString(200, u'W') : QStringLiteral("x"));
        coloane.Add(std::move(c));
    }
    TExcelSelectieColoana picker;
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Selectie coloana EXCEL"));
    picker.IncarcaColoanele(&coloane);
    TQenVirtualGrid *grila = picker.Grila();
    ASSERT_EQ(grila->Coloane().Count(), 2);
    EXPECT_EQ(grila->Coloane().Items(0)->Width(), 312);
    EXPECT_LT(grila->Coloane().Items(1)->Width(), 40);
    EXPECT_EQ(grila->Coloane().Items(1)->NumeColoana(), QStringLiteral("B"));
    EXPECT_EQ(grila->Linii().Count(), 1);
    EXPECT_EQ(grila->TextCelula(1, grila->Linii().Items(0)), QStringLiteral("x"));

    picker.show();
    picker.findChild<QPushButton *>(QStringLiteral("BtnOk"))->click();
    EXPECT_TRUE(picker.isVisible());
    picker.SelecteazaColoana(1);
    EXPECT_EQ(picker.ColoanaSelectata(), QStringLiteral("B"));
    EXPECT_EQ(picker.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Ati selectat coloana B"));
    TQenFont font;
    QColor fundal;
    grila->OnFormatCell(grila->Linii().Items(0), 1, font, fundal);
    EXPECT_EQ(fundal, picker.palette().color(QPalette::Highlight));
    grila->OnFormatCell(grila->Linii().Items(0), 0, font, fundal);
    EXPECT_EQ(fundal, picker.palette().color(QPalette::Base));
    picker.findChild<QPushButton *>(QStringLiteral("BtnOk"))->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

} // namespace
