#include <gtest/gtest.h>

#include <QComboBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "candidates/UUmplereFormular.h"
#include "data/UTabeleCertificatAcordare.h"
#include "forms/FormularDePrintat.h"
#include "forms/QFormularTextArea.h"
#include "forms/UPrintCertificatAcordare.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/DispozitivPdf.h"
#include "printing/LucrareTiparire.h"
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

// As a new user would: an institution with all its data, a candidate, then the
// certificate on screen and in a PDF.
TEST_F(Inregistrari, EndToEndTheInstitutionsDataPrintsOnStubAndCertificate)
{
    const QList<std::pair<QString, QString>> date = {
        {QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Liceul")},
        {QStringLiteral("C_ADRESA"), QStringLiteral("Iasi")},
        {QStringLiteral("C_SESIUNEA"), QStringLiteral("iunie")},
        {QStringLiteral("C_NUMAR_ORDIN"), QStringLiteral("5123")},
        {QStringLiteral("C_DATA_ORDIN"), QStringLiteral("01.09.2026")},
        {QStringLiteral("C_DATA_VIGOARE"), QStringLiteral("02.09.2026")},
        {QStringLiteral("C_RECTOR"), QStringLiteral("Ionescu")},
        {QStringLiteral("C_DECAN_DIRECTOR"), QStringLiteral("Marin")},
        {QStringLiteral("C_SECRETAR_SEF"), QStringLiteral("Dobre")},
    };
    {
        TEditeaza institutie;
        institutie.Tabel = QStringLiteral("INSTITUTIA");
        institutie.PregatesteAdaugare();
        for (const auto &[camp, valoare] : date)
            Scrie(institutie, camp, valoare);
        institutie.show();
        institutie.RzBitBtn1->click();
        ASSERT_EQ(institutie.result(), QDialog::Accepted);
    }
    {
        TAdaugaElev elev;
        elev.PregatesteAdaugare();
        Scrie(elev, QStringLiteral("C_NUME"), QStringLiteral("Popescu"));
        elev.show();
        elev.RzBitBtn1->click();
        ASSERT_EQ(elev.result(), QDialog::Accepted) << MesajeTest().Mesaje().value(0).text.toStdString();
    }
    const int id = Valoare(*m_dm, QStringLiteral("select max(ID_ELEVI) as V from ELEVI")).toInt();

    // Every area of an institution field, on the stub and on the certificate, shows the record's value.
    TPrintCertificatAcordare preview;
    UmpleFormular(preview, id);
    QHash<QString, QString> asteptat;
    for (const auto &[camp, valoare] : date) {
        asteptat.insert(camp, valoare);
        asteptat.insert(QStringLiteral("D") + camp.mid(1), valoare);
    }
    asteptat.insert(QStringLiteral("C_INSTITUTIA_INVATAMANT_1"), QStringLiteral("Liceul"));
    asteptat.insert(QStringLiteral("D_INSTITUTIA_INVATAMANT_1"), QStringLiteral("Liceul"));
    int verificate = 0;
    for (TFormularTextArea *arie : preview.FormularDePrintat1->TextAreas()) {
        const QString camp = arie->Denumire1().section(QLatin1Char('.'), 2);
        if (!asteptat.contains(camp))
            continue;
        EXPECT_EQ(arie->Text(), asteptat.value(camp)) << camp.toStdString();
        ++verificate;
    }
    EXPECT_EQ(verificate, 20);

    QTemporaryDir dosar;
    const QString pdf = dosar.filePath(QStringLiteral("certificat.pdf"));
    {
        const auto dispozitiv = std::make_unique<TDispozitivPdf>(pdf);
        TValoriSetariImprimanta setari;
        setari.FeedMode = 2;
        TLucrareTiparire(setari).TiparestePagina(*dispozitiv, preview.FormularDePrintat1->Model(), 0, false, {});
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    const QString tiparit = QString::fromUtf8(text.readAllStandardOutput());
    for (const auto &[camp, valoare] : date)
        EXPECT_GE(tiparit.count(valoare), camp == QLatin1String("C_INSTITUTIA_INVATAMANT") ? 4 : 2) << camp.toStdString();
    EXPECT_EQ(tiparit.count(QStringLiteral("Popescu")), 2);
}

TEST_F(Inregistrari, ACandidateChangedOnAnotherComputerIsNotSavedOverAndTheDialogShowsTheirData)
{
    Executa(*m_dm, {QStringLiteral("insert into ELEVI values (1)"),
                    QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, ID_ELEVI) "
                                   "values ('CertificatAcordare', 'FATA', 'C_NUME', 'Popescu Ana', 1)")});
    TAdaugaElev dialog;
    dialog.PregatesteModificare(1);
    dialog.show();
    Scrie(dialog, QStringLiteral("C_NUME"), QStringLiteral("Ionescu Ana"));

    // Meanwhile, on another computer.
    const std::unique_ptr<TDM> alt = Porneste();
    ASSERT_TRUE(alt->Pregatit());
    Executa(*alt, {QStringLiteral("update \"DATE\" set VALOARE_TEXT = 'Popescu Ana Maria' where COD_CAMP = 'C_NUME'")});

    dialog.RzBitBtn1->click();
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare),
              QStringList{QStringLiteral(
                  "Candidatul a fost modificat intre timp pe alt calculator; datele au fost reincarcate")});
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(m_dm->ValoareCamp(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"), QStringLiteral("C_NUME"), 1),
              QStringLiteral("Popescu Ana Maria"));
    bool vazut = false;
    for (TEditorGeneric *e : dialog.findChildren<TEditorGeneric *>()) {
        if (e->CodCamp == QLatin1String("C_NUME")) {
            EXPECT_EQ(qobject_cast<TEditorCampText *>(e)->RzComboBox1->currentText(), QStringLiteral("Popescu Ana Maria"));
            vazut = true;
        }
    }
    EXPECT_TRUE(vazut);

    // What the user types now over the data reloaded is saved.
    Scrie(dialog, QStringLiteral("C_NUME"), QStringLiteral("Ionescu Ana"));
    dialog.RzBitBtn1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_dm->ValoareCamp(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"), QStringLiteral("C_NUME"), 1),
              QStringLiteral("Ionescu Ana"));
}
