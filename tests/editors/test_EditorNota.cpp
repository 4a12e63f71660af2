#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "BazaEditori.h"
#include "editors/UEditorCampCNP.h"
#include "editors/UEditorCampNota.h"
#include "editors/UEditorGenericComplex.h"
#include "editors/UFrmGrup.h"
#include "editors/UQenEditors.h"

using EditorNota = BazaEditori;

namespace {

const QString kElevi = QStringLiteral("ELEVI");
const QString kMedia = QStringLiteral("D_MEDIA_GENERALA");

TQenNumEdit *Edit(TEditorCampNota &editor)
{
    return editor.findChild<TQenNumEdit *>(QStringLiteral("QenNumEdit1"));
}

} // namespace

TEST_F(EditorNota, ATypedGradeShowsItsCommaAndReopensWithTwoDecimals)
{
    auto editor = Incarcat<TEditorCampNota>(kMedia, kElevi, -1, -1);
    TQenNumEdit *edit = Edit(*editor);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->NoDots());
    EXPECT_FALSE(edit->RightAlignNonEdit());
    EXPECT_TRUE(edit->AutoSelectOnEnter());
    EXPECT_EQ(edit->NrCifreDupaVirgula(), 2);
    EXPECT_EQ(edit->Text(), QString());

    QTest::keyClicks(edit, QStringLiteral("9.5"));
    EXPECT_EQ(edit->Text(), QStringLiteral("9,5"));
    QTest::keyClicks(edit, QStringLiteral("31"));
    EXPECT_EQ(edit->Text(), QStringLiteral("9,53")) << "a third decimal is refused";
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_TRUE(editor->PotSalva());
    Salvat(*editor, 1, -1, kElevi);
    EXPECT_EQ(RandurileCampului(kMedia)[0][0], QStringLiteral("9,5"));
    EXPECT_EQ(Edit(*Incarcat<TEditorCampNota>(kMedia, kElevi, 1, -1))->Text(), QStringLiteral("9,50"));
}

TEST_F(EditorNota, ShowsAStoredGradeWithTwoDecimalsAndNothingForZero)
{
    const struct
    {
        QString stocat;
        QString afisat;
    } cazuri[] = {
        {QStringLiteral("9,63"), QStringLiteral("9,63")},
        {QStringLiteral("10"), QStringLiteral("10,00")},
        {QStringLiteral("9.6"), QStringLiteral("9,60")},
        {QStringLiteral("7,5 bine"), QStringLiteral("7,50")},
        {QStringLiteral("9,639"), QStringLiteral("9,63")},
        {QStringLiteral("0"), QString()},
        {QStringLiteral("0,00"), QString()},
        {QStringLiteral("foarte bine"), QString()},
        {QString(), QString()},
    };
    int elev = 0;
    for (const auto &c : cazuri) {
        const int id = 1 + elev++ % 3;
        Executa(*m_dm, {QStringLiteral("delete from \"DATE\""),
                        Rand(kMedia, c.stocat, QStringLiteral("ID_ELEVI"), id)});
        EXPECT_EQ(Edit(*Incarcat<TEditorCampNota>(kMedia, kElevi, id, -1))->Text(), c.afisat)
            << c.stocat.toStdString();
    }
}

TEST_F(EditorNota, TheGradeCheckKeepsFiveToTenAndAnEmptyGrade)
{
    const struct
    {
        QString text;
        bool accepta;
        QString mesaj;
    } cazuri[] = {
        {QString(), true, {}},
        {QStringLiteral("5"), true, {}},
        {QStringLiteral("5,00"), true, {}},
        {QStringLiteral("10"), true, {}},
        {QStringLiteral("10,00"), true, {}},
        {QStringLiteral("7,25"), true, {}},
        {QStringLiteral("4,99"), false, QStringLiteral("Nota este prea mica")},
        {QStringLiteral("0"), false, QStringLiteral("Nota este prea mica")},
        {QStringLiteral("-9"), false, QStringLiteral("Nota este prea mica")},
        {QStringLiteral(","), false, QStringLiteral("Nota este prea mica")},
        {QStringLiteral("10,01"), false, QStringLiteral("Nota este prea mare")},
        {QStringLiteral("95"), false, QStringLiteral("Nota este prea mare")},
    };
    auto editor = Incarcat<TEditorCampNota>(kMedia, kElevi, 1, -1);
    for (const auto &c : cazuri) {
        MesajeTest().Reseteaza();
        Edit(*editor)->SetText(c.text);
        ASSERT_EQ(Edit(*editor)->Text(), c.text);
        EXPECT_EQ(editor->PotSalva(), c.accepta) << c.text.toStdString();
        EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare),
                  c.mesaj.isEmpty() ? QStringList() : QStringList{c.mesaj})
            << c.text.toStdString();
    }
    // An empty grade is stored as the empty text.
    Edit(*editor)->SetText(QString());
    Salvat(*editor, 1, -1, kElevi);
    EXPECT_EQ(RandurileCampului(kMedia)[0][0], QString());
}

TEST_F(EditorNota, TheCandidateDialogShowsOneGroupWithItsRows)
{
    TEditorGenericComplex complex;
    complex.Construieste(1, -1, kElevi);
    ASSERT_EQ(complex.PC->count(), 1);
    complex.resize(700, 900);
    complex.show();
    EXPECT_FALSE(complex.PC->tabBar()->isVisible());

    QStringList etichete;
    TFrmGrup *grup = nullptr;
    for (int i = 0; i < complex.Editori.Count(); ++i) {
        TEditorGeneric *e = complex.Editori.Items(i);
        etichete.append(e->CodCamp);
        QWidget *w = e->parentWidget();
        while (w && !qobject_cast<TFrmGrup *>(w))
            w = w->parentWidget();
        ASSERT_NE(w, nullptr) << e->CodCamp.toStdString();
        if (!grup)
            grup = qobject_cast<TFrmGrup *>(w);
        EXPECT_EQ(w, grup) << e->CodCamp.toStdString();
    }
    EXPECT_EQ(grup->NumeGrup, QStringLiteral("Candidat"));
    // Shared certificate fields ("DA") have no editor of their own.
    EXPECT_EQ(etichete,
              (QStringList{QStringLiteral("C_GRADUL_DIDACTIC_L1"), QStringLiteral("C_GRADUL_DIDACTIC_L2"),
                           QStringLiteral("C_ABREVIERE"), QStringLiteral("C_NUME"),
                           QStringLiteral("C_FUNCTIA_DIDACTICA"), QStringLiteral("C_SPECIALITATEA"),
                           QStringLiteral("C_MEDIA_GENERALA_L1"), QStringLiteral("C_MEDIA_GENERALA_L2"),
                           QStringLiteral("D_GRADUL_DIDACTIC"), QStringLiteral("D_MEDIA_GENERALA")}));
    EXPECT_NE(dynamic_cast<TEditorCampNota *>(complex.Editori.Items(6)), nullptr);

    // L1 and L5 hold two editors each, side by side in proportion 96 : 256 and 256 : 256.
    auto *l1 = qobject_cast<TLinieGrupare *>(complex.Editori.Items(2)->parentWidget());
    auto *l5 = qobject_cast<TLinieGrupare *>(complex.Editori.Items(4)->parentWidget());
    ASSERT_TRUE(l1 && l5);
    EXPECT_NE(l1, l5);
    EXPECT_EQ(complex.Editori.Items(3)->parentWidget(), l1);
    EXPECT_EQ(complex.Editori.Items(5)->parentWidget(), l5);
    EXPECT_EQ(complex.Editori.Items(2)->y(), complex.Editori.Items(3)->y());
    EXPECT_LT(complex.Editori.Items(2)->x(), complex.Editori.Items(3)->x());
    EXPECT_EQ(complex.Editori.Items(2)->width(), l1->width() * 96 / (96 + 256));
    EXPECT_EQ(complex.Editori.Items(4)->width(), l5->width() / 2);
    EXPECT_EQ(grup->height(), 8 * 36 + 18 + 16);
}

TEST_F(EditorNota, ValidationStopsAtTheFirstRefusingEditor)
{
    Executa(
        *m_dm,
        {QStringLiteral("delete from PROFIL_DIPLOMA where ASOCIAT_CU = 'CANDIDAT'"),
         QStringLiteral(
             "insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, "
             "TIP_DE_DATE, ASOCIAT_CU, ORDINE) values ('F', 'P', 'COD', 'Cod', 'CNP', 'CANDIDAT', 1)"),
         QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, "
                        "TIP_DE_DATE, ASOCIAT_CU, ORDINE) values ('F', 'P', 'NOTA', 'Nota', 'NOTA', "
                        "'CANDIDAT', 2)")});
    TEditorGenericComplex complex;
    complex.Construieste(-1, 5, QStringLiteral("CANDIDAT"));
    ASSERT_EQ(complex.Editori.Count(), 2);
    Edit(*dynamic_cast<TEditorCampNota *>(complex.Editori.Items(1)))->SetText(QStringLiteral("11"));

    MesajeTest().Raspunde(false);
    EXPECT_FALSE(complex.PotSalva());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare).size(), 1);
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Avertizare).isEmpty());

    MesajeTest().Reseteaza();
    MesajeTest().Raspunde(true);
    EXPECT_FALSE(complex.PotSalva());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare),
              QStringList{QStringLiteral("Nota este prea mare")});
}
