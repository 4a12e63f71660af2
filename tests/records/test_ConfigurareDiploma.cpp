#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "data/UTabeleCertificatAcordare.h"
#include "editors/UEditorGenericComplex.h"
#include "records/UConfigurareDiploma.h"
#include "records/UModificaLinieProfil.h"
#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

const QString kFormular = QStringLiteral("CertificatAcordare");
const QString kPagina = QStringLiteral("FATA");

// Runs the action on the line dialog once it is shown modally, then closes
// it with "Renunt" if the action left it open. Watches only while it lives.
class TLaDeschidere
{
public:
    explicit TLaDeschidere(std::function<void(TModificaLinieProfil &)> actiune)
    {
        m_ceas.setInterval(5);
        QObject::connect(&m_ceas, &QTimer::timeout, [this, actiune] {
            auto *dialog = qobject_cast<TModificaLinieProfil *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_ceas.stop();
            m_deschis = true;
            actiune(*dialog);
            if (dialog->isVisible())
                dialog->RzBitBtn2->click();
        });
        m_ceas.start();
    }
    bool Deschis() const { return m_deschis; }

private:
    QTimer m_ceas;
    bool m_deschis = false;
};

QTreeWidgetItem *Nod(const TConfigurareDiploma &fereastra, const QString &codCamp)
{
    for (int i = 0; i < fereastra.VT->topLevelItemCount(); ++i) {
        QTreeWidgetItem *nod = fereastra.VT->topLevelItem(i);
        if (fereastra.Linii().at(size_t(nod->data(0, Qt::UserRole).toInt())).CodCamp == codCamp)
            return nod;
    }
    return nullptr;
}

} // namespace

// A fresh database brought up by the program, with candidate 1 named
// "Popescu Ana" on the stub and no own name on the certificate part.
class ConfigurareDiploma : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        Executa(*m_dm,
                {QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                 QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                                "VALOARE_NUM, ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', "
                                "'Popescu Ana', 0, 1)")});
        DM = m_dm.get();
    }
    void TearDown() override
    {
        DM = nullptr;
        TBazaTest::TearDown();
    }

    void Reporneste()
    {
        DM = nullptr;
        TBazaTest::Reporneste();
        ASSERT_TRUE(m_dm->Pregatit());
        DM = m_dm.get();
    }

    QString Coloana(const QString &coloana, const QString &codCamp)
    {
        return Valoare(*m_dm, QStringLiteral("select %1 as V from PROFIL_DIPLOMA where COD_CAMP = '%2'")
                                  .arg(coloana, codCamp))
            .toString();
    }
    void Pune(const QString &coloana, const QString &codCamp, const QString &valoare)
    {
        Executa(*m_dm, {QStringLiteral("update PROFIL_DIPLOMA set %1 = '%2' where COD_CAMP = '%3'")
                            .arg(coloana, valoare, codCamp)});
    }
    // Whether the candidate's composite editor has an editor for the field.
    // Only which lines get an editor matters here: grade lines are built as
    // text lines, so that the check does not depend on the grade editor.
    bool AreEditor(const QString &codCamp)
    {
        Executa(*m_dm, {QStringLiteral(
                           "update PROFIL_DIPLOMA set TIP_DE_DATE = 'TEXT' where TIP_DE_DATE = 'NOTA'")});
        TEditorGenericComplex editor;
        editor.Construieste(-1, -1, QStringLiteral("ELEVI"));
        for (int i = 0; i < editor.Editori.Count(); ++i)
            if (editor.Editori[i]->CodCamp == codCamp)
                return true;
        return false;
    }
    QString ValoareCamp(const QString &codCamp) { return m_dm->ValoareCamp(kFormular, kPagina, codCamp, 1); }
};

TEST_F(ConfigurareDiploma, ListsEveryProfileLineWithItsLabelModeAndTable)
{
    Pune(QStringLiteral("ONOREZ_SIMILAR"), QStringLiteral("D_ABREVIERE"), QStringLiteral("OPTIONAL"));
    TConfigurareDiploma fereastra;
    EXPECT_EQ(fereastra.windowTitle(), QStringLiteral("Configurare Diploma"));
    EXPECT_EQ(fereastra.RzBitBtn3->text(), QStringLiteral("Modifica"));
    ASSERT_EQ(fereastra.VT->columnCount(), 3);
    EXPECT_EQ(fereastra.VT->headerItem()->text(0), QStringLiteral("Eticheta editor"));
    EXPECT_EQ(fereastra.VT->headerItem()->text(1), QStringLiteral("Onorez similar"));
    EXPECT_EQ(fereastra.VT->headerItem()->text(2), QStringLiteral("Asociat cu"));
    EXPECT_TRUE(fereastra.VT->header()->sectionsMovable());

    const int randuri = Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA")).toInt();
    EXPECT_EQ(randuri, 37);
    EXPECT_EQ(fereastra.VT->topLevelItemCount(), randuri);
    EXPECT_EQ(int(fereastra.Linii().size()), randuri);
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    QTreeWidgetItem *nume = Nod(fereastra, QStringLiteral("D_NUME"));
    ASSERT_NE(nume, nullptr);
    EXPECT_EQ(nume->text(0), QStringLiteral("[Candidat]Numele si prenumele{certificat}"));
    EXPECT_EQ(nume->text(1), QStringLiteral("DA"));
    EXPECT_EQ(nume->text(2), QStringLiteral("ELEVI"));
    QTreeWidgetItem *abreviere = Nod(fereastra, QStringLiteral("D_ABREVIERE"));
    ASSERT_NE(abreviere, nullptr);
    EXPECT_EQ(abreviere->text(1), QStringLiteral("OPTIONAL"));
    QTreeWidgetItem *adresa = Nod(fereastra, QStringLiteral("C_ADRESA"));
    ASSERT_NE(adresa, nullptr);
    EXPECT_EQ(adresa->text(2), QStringLiteral("INSTITUTIA"));
    const TLinieProfil &linie = fereastra.Linii().at(size_t(adresa->data(0, Qt::UserRole).toInt()));
    EXPECT_EQ(linie.CodFormular, kFormular);
    EXPECT_EQ(linie.CodPagina, kPagina);
}

TEST_F(ConfigurareDiploma, ModificaWithNothingSelectedOnlyAsksForALine)
{
    TConfigurareDiploma fereastra;
    TLaDeschidere laDeschidere([](TModificaLinieProfil &) {});
    fereastra.RzBitBtn3->click();
    EXPECT_FALSE(laDeschidere.Deschis());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Va rog selectati o linie pentru a o modifica!")});
}

TEST_F(ConfigurareDiploma, TheLineDialogShowsTheStoredModeAsOneOfItsThreeItems)
{
    struct Caz
    {
        QString stocat;
        int index;
    };
    const Caz cazuri[] = {
        {QStringLiteral("DA"), 0},
        {QStringLiteral("SELECTIV"), 1},
        {QStringLiteral("NU"), 2},
        {QStringLiteral("OPTIONAL"), 2},
        {QString(), 2},
        {QStringLiteral("da"), 2},
    };
    const QString camp = QStringLiteral("D_SESIUNEA");
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.stocat.toStdString());
        Pune(QStringLiteral("ONOREZ_SIMILAR"), camp, c.stocat);
        TModificaLinieProfil dialog;
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Modifica linie profil"));
        ASSERT_EQ(dialog.RzComboBox1->count(), 3);
        EXPECT_EQ(dialog.RzComboBox1->itemText(0), QStringLiteral("DA"));
        EXPECT_EQ(dialog.RzComboBox1->itemText(1), QStringLiteral("SELECTIV"));
        EXPECT_EQ(dialog.RzComboBox1->itemText(2), QStringLiteral("NU"));
        EXPECT_FALSE(dialog.RzComboBox1->isEditable());
        dialog.IncarcaLinia(kFormular, kPagina, camp);
        EXPECT_EQ(dialog.RzComboBox1->currentIndex(), c.index);
        EXPECT_EQ(dialog.RzEdit2->text(), QStringLiteral("INSTITUTIA"));
        EXPECT_FALSE(m_dm->Tr.InTransaction());
    }
    // Saving "NU" over "OPTIONAL" replaces it.
    Pune(QStringLiteral("ONOREZ_SIMILAR"), camp, QStringLiteral("OPTIONAL"));
    TModificaLinieProfil dialog;
    dialog.IncarcaLinia(kFormular, kPagina, camp);
    dialog.RzBitBtn1Click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), camp), QStringLiteral("NU"));
}

TEST_F(ConfigurareDiploma, NuOnTheCertificatesNameGivesItsOwnEditorAndValueAndSurvivesARestart)
{
    const QString dNume = QStringLiteral("D_NUME");
    EXPECT_FALSE(AreEditor(dNume));
    EXPECT_EQ(ValoareCamp(dNume), QStringLiteral("Popescu Ana"));

    TConfigurareDiploma fereastra;
    QTreeWidgetItem *nod = Nod(fereastra, dNume);
    ASSERT_NE(nod, nullptr);
    nod->setSelected(true);
    TLaDeschidere laDeschidere([](TModificaLinieProfil &d) {
        EXPECT_EQ(d.CodCamp(), QStringLiteral("D_NUME"));
        EXPECT_EQ(d.RzComboBox1->currentIndex(), 0);
        d.RzComboBox1->setCurrentIndex(2);
        d.RzBitBtn1->click();
    });
    fereastra.RzBitBtn3->click();

    // The list shows the new mode at once and keeps the line selected.
    nod = Nod(fereastra, dNume);
    ASSERT_NE(nod, nullptr);
    EXPECT_EQ(nod->text(1), QStringLiteral("NU"));
    EXPECT_TRUE(nod->isSelected());
    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), dNume), QStringLiteral("NU"));
    EXPECT_TRUE(AreEditor(dNume));
    EXPECT_EQ(ValoareCamp(dNume), QString());
    EXPECT_EQ(ValoareCamp(QStringLiteral("C_NUME")), QStringLiteral("Popescu Ana"));
    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), QStringLiteral("C_NUME")), QStringLiteral("DA"));
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    Reporneste();
    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), dNume), QStringLiteral("NU"));
    EXPECT_TRUE(AreEditor(dNume));
    EXPECT_EQ(ValoareCamp(dNume), QString());
}

TEST_F(ConfigurareDiploma, AChangedTableShowsAtOnceAndComesBackFromCodeAfterARestart)
{
    const QString camp = QStringLiteral("D_GRADUL_DIDACTIC");
    TConfigurareDiploma fereastra;
    QTreeWidgetItem *nod = Nod(fereastra, camp);
    ASSERT_NE(nod, nullptr);
    nod->setSelected(true);
    TLaDeschidere laDeschidere([](TModificaLinieProfil &d) {
        EXPECT_EQ(d.RzEdit2->text(), QStringLiteral("ELEVI"));
        d.RzComboBox1->setCurrentIndex(1);
        d.RzEdit2->setText(QStringLiteral("INSTITUTIA"));
        d.RzBitBtn1->click();
    });
    fereastra.RzBitBtn3->click();

    EXPECT_EQ(Nod(fereastra, camp)->text(2), QStringLiteral("INSTITUTIA"));
    EXPECT_EQ(Coloana(QStringLiteral("ASOCIAT_CU"), camp), QStringLiteral("INSTITUTIA"));
    EXPECT_FALSE(AreEditor(camp));

    Reporneste();
    EXPECT_EQ(Coloana(QStringLiteral("ASOCIAT_CU"), camp), QStringLiteral("ELEVI"));
    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), camp), QStringLiteral("SELECTIV"));
    TConfigurareDiploma dupa;
    EXPECT_EQ(Nod(dupa, camp)->text(2), QStringLiteral("ELEVI"));
}

TEST_F(ConfigurareDiploma, CancellingChangesNothingAndDoesNotReloadTheList)
{
    const QString camp = QStringLiteral("D_NUME");
    TConfigurareDiploma fereastra;
    Nod(fereastra, camp)->setSelected(true);
    TLaDeschidere laDeschidere([&](TModificaLinieProfil &d) {
        d.RzComboBox1->setCurrentIndex(2);
        d.RzEdit2->setText(QStringLiteral("INSTITUTIA"));
        // Changed behind the list's back: a reload would show it.
        Pune(QStringLiteral("ONOREZ_SIMILAR"), QStringLiteral("C_ADRESA"), QStringLiteral("SELECTIV"));
        d.RzBitBtn2->click();
    });
    fereastra.RzBitBtn3->click();

    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), camp), QStringLiteral("DA"));
    EXPECT_EQ(Coloana(QStringLiteral("ASOCIAT_CU"), camp), QStringLiteral("ELEVI"));
    EXPECT_EQ(Nod(fereastra, QStringLiteral("C_ADRESA"))->text(1), QStringLiteral("DA"));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
}

TEST_F(ConfigurareDiploma, OnlyAKnownTableIsSavedAsTheLinesTable)
{
    const QString camp = QStringLiteral("D_NUME");
    TModificaLinieProfil dialog;
    dialog.show();
    dialog.IncarcaLinia(kFormular, kPagina, camp);
    for (const QString &gresit :
         {QStringLiteral("ELEVI) or (1=1"), QStringLiteral("institutia"), QString()}) {
        SCOPED_TRACE(gresit.toStdString());
        MesajeTest().Reseteaza();
        dialog.RzComboBox1->setCurrentIndex(2);
        dialog.RzEdit2->setText(gresit);
        dialog.RzBitBtn1->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        ASSERT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare).size(), 1);
        EXPECT_TRUE(MesajeTest()
                        .Texte(TMesajeTest::Tip::Avertizare)
                        .first()
                        .contains(QStringLiteral("ELEVI, CANDIDAT, INSTITUTIA")));
        EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), camp), QStringLiteral("DA"));
        EXPECT_EQ(Coloana(QStringLiteral("ASOCIAT_CU"), camp), QStringLiteral("ELEVI"));
        EXPECT_FALSE(m_dm->Tr.InTransaction());
    }
    dialog.RzEdit2->setText(QStringLiteral("CANDIDAT"));
    dialog.RzBitBtn1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Coloana(QStringLiteral("ASOCIAT_CU"), camp), QStringLiteral("CANDIDAT"));

    // A table stored before, even an unknown one, is saved back as it was.
    Pune(QStringLiteral("ASOCIAT_CU"), camp, QStringLiteral("VECHI"));
    TModificaLinieProfil alt;
    alt.IncarcaLinia(kFormular, kPagina, camp);
    alt.RzComboBox1->setCurrentIndex(1);
    alt.RzBitBtn1Click();
    EXPECT_EQ(alt.result(), QDialog::Accepted);
    EXPECT_EQ(Coloana(QStringLiteral("ONOREZ_SIMILAR"), camp), QStringLiteral("SELECTIV"));
    EXPECT_EQ(Coloana(QStringLiteral("ASOCIAT_CU"), camp), QStringLiteral("VECHI"));
}

TEST_F(ConfigurareDiploma, ALineThatIsGoneIsReportedAndTheDialogStaysOpen)
{
    TModificaLinieProfil lipsa;
    EXPECT_THROW(lipsa.IncarcaLinia(kFormular, kPagina, QStringLiteral("NU_EXISTA")), Exceptie);
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    const QString camp = QStringLiteral("D_NUME");
    TModificaLinieProfil dialog;
    dialog.show();
    dialog.IncarcaLinia(kFormular, kPagina, camp);
    Executa(*m_dm, {QStringLiteral("delete from PROFIL_DIPLOMA where COD_CAMP = 'D_NUME'")});
    dialog.RzComboBox1->setCurrentIndex(2);
    dialog.RzBitBtn1->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    EXPECT_TRUE(
        MesajeTest().Texte(TMesajeTest::Tip::Eroare).first().contains(QStringLiteral("nu mai exista")));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA")).toInt(), 36);
}
