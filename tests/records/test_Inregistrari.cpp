#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "data/UTabeleCertificatAcordare.h"
#include "editors/UEditorCampText.h"
#include "editors/UEditorGenericComplex.h"
#include "records/UAdaugaElev.h"
#include "records/UEditeaza.h"
#include "records/UListaGenerica.h"
#include "support/BazaTest.h"

namespace {

// Types into the editor of a field, as the user would.
void Scrie(QWidget &dialog, const QString &camp, const QString &text)
{
    for (TEditorGeneric *e : dialog.findChildren<TEditorGeneric *>()) {
        if (e->CodCamp != camp)
            continue;
        auto *editor = qobject_cast<TEditorCampText *>(e);
        ASSERT_NE(editor, nullptr) << camp.toStdString();
        editor->RzComboBox1->setEditText(text);
        return;
    }
    FAIL() << "no editor for " << camp.toStdString();
}

QString Institutie(int id, const QString &nume)
{
    return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                          "ID_INSTITUTIA) values ('CertificatAcordare', 'FATA', 'C_INSTITUTIA_INVATAMANT', '%1', 0, %2)")
        .arg(nume)
        .arg(id);
}

} // namespace

class Inregistrari : public TBazaTest
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
    }
    void TearDown() override
    {
        DM = nullptr;
        TBazaTest::TearDown();
    }
    int Numar(const QString &sql) { return Valoare(*m_dm, QStringLiteral("select count(*) as V from ") + sql).toInt(); }
};

TEST_F(Inregistrari, InstitutionListShowsEachRecordsOwnNameAndDeletesWithItsValues)
{
    Executa(*m_dm, {QStringLiteral("insert into INSTITUTIA values (4)"), QStringLiteral("insert into INSTITUTIA values (9)"),
                    Institutie(4, QStringLiteral("Liceul Teoretic Nr. 1")), Institutie(9, QStringLiteral("Universitatea de Vest"))});
    TListaGenerica lista;
    lista.Tabel = QStringLiteral("INSTITUTIA");
    lista.IncarcaLista();
    ASSERT_EQ(lista.VT->topLevelItemCount(), 2);
    EXPECT_EQ(lista.VT->topLevelItem(0)->text(0), QStringLiteral("Liceul Teoretic Nr. 1"));
    EXPECT_EQ(lista.VT->topLevelItem(1)->text(0), QStringLiteral("Universitatea de Vest"));

    lista.RzBitBtn2->click();
    lista.RzBitBtn3->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              (QStringList{QStringLiteral("Va rog selectati o linie!"), QStringLiteral("Va rog selectati un elev!")}));

    lista.VT->topLevelItem(0)->setSelected(true);
    MesajeTest().Raspunde(false);
    lista.RzBitBtn3->click();
    EXPECT_EQ(Numar(QStringLiteral("INSTITUTIA")), 2);
    MesajeTest().Raspunde(true);
    lista.RzBitBtn3->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare).last(), QStringLiteral("Doriti sa stergeti linia: "));
    EXPECT_EQ(Numar(QStringLiteral("INSTITUTIA")), 1);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where ID_INSTITUTIA = 4")), 0);
    ASSERT_EQ(lista.VT->topLevelItemCount(), 1);
}

TEST_F(Inregistrari, AddingAnInstitutionSavesOneRowPerEditorAndCancelWritesNothing)
{
    {
        TEditeaza dialog;
        dialog.Tabel = QStringLiteral("INSTITUTIA");
        dialog.PregatesteAdaugare();
        dialog.show();
        dialog.RzBitBtn2->click();
    }
    EXPECT_EQ(Numar(QStringLiteral("INSTITUTIA")), 0);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), 0);

    TEditeaza dialog;
    dialog.Tabel = QStringLiteral("INSTITUTIA");
    dialog.PregatesteAdaugare();
    Scrie(dialog, QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Şcoala Gimnazială „Ion Creangă”"));
    dialog.show();
    dialog.RzBitBtn1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Numar(QStringLiteral("INSTITUTIA")), 1);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), dialog.Editor->Editori.Count());
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select VALOARE_TEXT as V from \"DATE\" where COD_CAMP = 'C_INSTITUTIA_INVATAMANT'")),
              QStringLiteral("Şcoala Gimnazială „Ion Creangă”"));
}

TEST_F(Inregistrari, ACandidateIsLinkedToTheChosenInstitutionAndItsCertificateShowsIt)
{
    Executa(*m_dm, {QStringLiteral("insert into INSTITUTIA values (4)"), Institutie(4, QStringLiteral("Liceul Nr. 1"))});
    TAdaugaElev dialog;
    dialog.PregatesteAdaugare();
    QComboBox *institutia = dialog.Legatura(QStringLiteral("INSTITUTIA"));
    ASSERT_NE(institutia, nullptr);
    EXPECT_EQ(institutia->currentText(), QStringLiteral("Liceul Nr. 1")) << "the only institution is preselected";
    Scrie(dialog, QStringLiteral("C_NUME"), QStringLiteral("Popescu Ana"));
    dialog.show();
    dialog.RzBitBtn1->click();
    ASSERT_EQ(dialog.result(), QDialog::Accepted) << MesajeTest().Mesaje().value(0).text.toStdString();

    const int id = Valoare(*m_dm, QStringLiteral("select max(ID_ELEVI) as V from ELEVI")).toInt();
    EXPECT_EQ(m_dm->ValoareCamp(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
                                QStringLiteral("D_INSTITUTIA_INVATAMANT"), id),
              QStringLiteral("Liceul Nr. 1"));
    EXPECT_EQ(m_dm->ValoareCamp(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"), QStringLiteral("D_NUME"), id),
              QStringLiteral("Popescu Ana"));
    const int liniiInstitutie = Numar(QStringLiteral("PROFIL_DIPLOMA where ASOCIAT_CU = 'INSTITUTIA'"));
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where IDF_INSTITUTIA = 4 and ID_ELEVI = %1").arg(id)), liniiInstitutie);

    // Editing keeps the link and unlinking writes no new rows.
    TAdaugaElev modificare;
    modificare.PregatesteModificare(id);
    ASSERT_EQ(modificare.Legatura(QStringLiteral("INSTITUTIA"))->currentData().toInt(), 4);
    modificare.Legatura(QStringLiteral("INSTITUTIA"))->setCurrentIndex(0);
    modificare.show();
    modificare.RzBitBtn1->click();
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where IDF_INSTITUTIA is not null")), 0);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where ID_ELEVI = %1 and IDF_INSTITUTIA is null and VALOARE_TEXT = '' "
                                   "and COD_CAMP = 'C_ADRESA'")
                        .arg(id)),
              1);
}

TEST_F(Inregistrari, AFailedSaveLeavesNoHalfCreatedCandidate)
{
    TAdaugaElev dialog;
    dialog.PregatesteAdaugare();
    Scrie(dialog, QStringLiteral("C_NUME"), QStringLiteral("Иван"));
    dialog.show();
    dialog.RzBitBtn1->click();
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(Numar(QStringLiteral("ELEVI")), 0);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), 0);
    EXPECT_EQ(dialog.IdElev, -1);
}
