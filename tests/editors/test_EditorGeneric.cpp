#include <functional>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "BazaEditori.h"
#include "editors/UEditorCampCF.h"
#include "editors/UEditorCampCalificativ.h"
#include "editors/UEditorCampSirues.h"
#include "editors/UEditorCampText.h"
#include "editors/UEditorGenericNotaSauCalificativ.h"
#include "comun/Exceptie.h"

namespace {

const QString kElevi = QStringLiteral("ELEVI");
const QString kInstitutia = QStringLiteral("INSTITUTIA");
const QString kNimic = QStringLiteral("<null>");

} // namespace

using EditorGeneric = BazaEditori;

TEST_F(EditorGeneric, LowerCaseEleviSelectsByTheOtherId)
{
    Executa(*m_dm, {Rand(QStringLiteral("C_NUME"), QStringLiteral("Unu"), QStringLiteral("ID_ELEVI"), 1),
                    Rand(QStringLiteral("C_NUME"), QStringLiteral("Doi"), QStringLiteral("ID_ELEVI"), 2)});
    EXPECT_EQ(Incarcat<TEditorCampCF>(QStringLiteral("C_NUME"), kElevi, 1, 2)->RzEdit1->text(),
              QStringLiteral("Unu"));
    auto editor = Incarcat<TEditorCampCF>(QStringLiteral("C_NUME"), QStringLiteral("elevi"), 1, 2);
    EXPECT_EQ(editor->RzEdit1->text(), QStringLiteral("Doi"));

    // The save follows the same rule: it updates candidate 2's row.
    editor->RzEdit1->setText(QStringLiteral("Doi bis"));
    Salvat(*editor, 1, 2, QStringLiteral("elevi"));
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_NUME")),
              (QList<QStringList>{
                  {QStringLiteral("Unu"), QStringLiteral("0"), QStringLiteral("1"), kNimic, kNimic},
                  {QStringLiteral("Doi bis"), QStringLiteral("0"), QStringLiteral("2"), kNimic, kNimic}}));
}

TEST_F(EditorGeneric, ANewRecordLoadsEmptyAndItsSaveInsertsOneRowPerEditor)
{
    // Another candidate's values must not show for the record being created.
    Executa(*m_dm,
            {Rand(QStringLiteral("C_NUME"), QStringLiteral("Altcineva"), QStringLiteral("ID_ELEVI"), 1),
             Rand(QStringLiteral("C_COD"), QStringLiteral("RO1"), QStringLiteral("ID_ELEVI"), 1)});
    auto text = Incarcat<TEditorCampText>(QStringLiteral("C_NUME"), kElevi, -1, -1);
    auto cf = Incarcat<TEditorCampCF>(QStringLiteral("C_COD"), kElevi, -1, -1);
    auto sirues = Incarcat<TEditorCampSirues>(QStringLiteral("C_SIRUES"), kElevi, -1, -1);
    EXPECT_EQ(text->RzComboBox1->currentText(), QString());
    EXPECT_EQ(cf->RzEdit1->text(), QString());
    EXPECT_EQ(sirues->RzEdit1->text(), QString());

    text->RzComboBox1->setEditText(QStringLiteral("Ionescu Ion"));
    cf->RzEdit1->setText(QStringLiteral("RO2"));
    m_dm->Tr.StartTransaction();
    for (TEditorGeneric *e :
         {static_cast<TEditorGeneric *>(text.get()), static_cast<TEditorGeneric *>(cf.get()),
          static_cast<TEditorGeneric *>(sirues.get())}) {
        EXPECT_TRUE(e->PotSalva());
        e->Salveaza(3, -1, kElevi);
    }
    m_dm->Tr.Commit();

    EXPECT_EQ(RandurileCampului(QStringLiteral("C_NUME")).last(),
              (QStringList{QStringLiteral("Ionescu Ion"), QStringLiteral("0"), QStringLiteral("3"), kNimic,
                           kNimic}));
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_COD")).last(),
              (QStringList{QStringLiteral("RO2"), QStringLiteral("0"), QStringLiteral("3"), kNimic, kNimic}));
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_SIRUES")),
              (QList<QStringList>{{QString(), QStringLiteral("0"), QStringLiteral("3"), kNimic, kNimic}}));
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_NUME")).size(), 2);
}

TEST_F(EditorGeneric, AnUnchangedValueIsWrittenAgainAndItsNumberReset)
{
    Executa(*m_dm,
            {Rand(QStringLiteral("C_COD"), QStringLiteral("RO1"), QStringLiteral("ID_ELEVI"), 1, 7.5)});
    auto editor = Incarcat<TEditorCampCalificativ>(QStringLiteral("C_COD"), kElevi, 1, -1);
    ASSERT_EQ(editor->RzEdit1->text(), QStringLiteral("RO1"));
    const int actualizari = m_dm->Contor().actualizari;
    Salvat(*editor, 1, -1, kElevi);
    EXPECT_EQ(m_dm->Contor().actualizari, actualizari + 1);
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_COD")),
              (QList<QStringList>{
                  {QStringLiteral("RO1"), QStringLiteral("0"), QStringLiteral("1"), kNimic, kNimic}}));
}

TEST_F(EditorGeneric, StoresTheTrimmedTextCutToTheLengthOfItsDataType)
{
    struct Caz
    {
        const char *descriere;
        std::function<std::unique_ptr<TEditorGeneric>(const QString &)> editor;
        QString intrare;
        QString stocat;
    };
    const auto text = [this](const QString &intrare) {
        auto e = Incarcat<TEditorCampText>(QStringLiteral("C_NUME"), kElevi, 2, -1);
        e->RzComboBox1->setEditText(intrare);
        return std::unique_ptr<TEditorGeneric>(std::move(e));
    };
    const auto cf = [this](const QString &intrare) {
        auto e = Incarcat<TEditorCampCF>(QStringLiteral("C_COD"), kElevi, 2, -1);
        e->RzEdit1->setText(intrare);
        return std::unique_ptr<TEditorGeneric>(std::move(e));
    };
    const auto notaSauCalificativ = [this](const QString &intrare) {
        auto e = Incarcat<TEditorGenericNotaSauCalificativ>(QStringLiteral("C_COD"), kElevi, 2, -1);
        e->RzEdit1->setText(intrare);
        return std::unique_ptr<TEditorGeneric>(std::move(e));
    };
    const Caz cazuri[] = {
        {"blanks only are the empty text", text, QStringLiteral("   "), QString()},
        {"300 characters of TEXT keep 256", text, QString(300, QLatin1Char('a')),
         QString(256, QLatin1Char('a'))},
        {"70 characters of CF keep 64", cf, QString(70, QLatin1Char('b')), QString(64, QLatin1Char('b'))},
        {"blanks around a CF go", cf, QStringLiteral("  RO 123 \t"), QStringLiteral("RO 123")},
        {"a qualifier is kept as typed", notaSauCalificativ, QStringLiteral("Foarte bine"),
         QStringLiteral("Foarte bine")},
        {"Romanian letters", text, QStringLiteral("Știință"), QStringLiteral("Ştiinţă")},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.descriere);
        auto editor = c.editor(c.intrare);
        Salvat(*editor, 2, -1, kElevi);
        const QString camp = editor->CodCamp;
        const QList<QStringList> randuri = RandurileCampului(camp);
        ASSERT_EQ(randuri.size(), 1);
        EXPECT_EQ(randuri[0][0], c.stocat);
        EXPECT_EQ(
            Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\" where COD_CAMP = '%1' and "
                                          "VALOARE_TEXT is null")
                               .arg(camp))
                .toInt(),
            0);
    }
}

TEST_F(EditorGeneric, AnUpdateClearsTheOtherTablesLinksAndAnInsertSetsOnlyItsOwn)
{
    // An institution row that also points at a CANDIDAT record.
    Executa(*m_dm,
            {QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                            "VALOARE_NUM, ID_INSTITUTIA, ID_CANDIDAT) values ('CertificatAcordare', 'FATA', "
                            "'C_ADRESA', 'Iasi', 3, 10, 5)")});
    auto institutie = Incarcat<TEditorCampText>(QStringLiteral("C_ADRESA"), kInstitutia, -1, 10);
    EXPECT_EQ(institutie->RzComboBox1->currentText(), QStringLiteral("Iasi"));
    institutie->RzComboBox1->setEditText(QStringLiteral("Iasi, jud. Iasi"));
    Salvat(*institutie, -1, 10, kInstitutia);
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_ADRESA")),
              (QList<QStringList>{{QStringLiteral("Iasi, jud. Iasi"), QStringLiteral("0"), kNimic,
                                   QStringLiteral("10"), kNimic}}));

    // A candidate's row: the update names every other table of TABELE.
    Executa(*m_dm, {QStringLiteral(
                       "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                       "VALOARE_NUM, ID_ELEVI, ID_INSTITUTIA, ID_CANDIDAT) values ('CertificatAcordare', "
                       "'FATA', 'C_NUME', 'X', 0, 1, 10, 5)")});
    auto elev = Incarcat<TEditorCampText>(QStringLiteral("C_NUME"), kElevi, 1, -1);
    Salvat(*elev, 1, -1, kElevi);
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_NUME")),
              (QList<QStringList>{
                  {QStringLiteral("X"), QStringLiteral("0"), QStringLiteral("1"), kNimic, kNimic}}));
}

TEST_F(EditorGeneric, ADatabaseErrorPropagatesWithTheStatementsClosed)
{
    auto editor = std::make_unique<TEditorCampCF>();
    m_dm->Tr.StartTransaction();
    EXPECT_THROW(editor->Incarca(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
                                 QStringLiteral("C_COD"), QStringLiteral("LIPSA"), 1, 1),
                 Exceptie);
    EXPECT_FALSE(m_dm->Q1.Active());
    EXPECT_THROW(editor->Salveaza(1, 1, QStringLiteral("LIPSA")), Exceptie);
    EXPECT_FALSE(m_dm->Q1.Active() || m_dm->Q2.Active());
    m_dm->Tr.Rollback();
}

TEST_F(EditorGeneric, TheBaseRefusesToSaveAndNamesTheClass)
{
    TEditorGeneric editor;
    EXPECT_FALSE(editor.PotSalva());
    EXPECT_EQ(
        MesajeTest().Texte(TMesajeTest::Tip::Avertizare),
        QStringList{QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru TEditorGeneric")});
    // Nothing to write and nothing to do after showing.
    m_dm->Tr.StartTransaction();
    editor.Salveaza(1, -1, kElevi);
    editor.DupaAfisare();
    m_dm->Tr.Commit();
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\"")).toInt(), 0);
}

TEST_F(EditorGeneric, TheTextEditorOffersEachStoredTextOnceAndShowsItsOwn)
{
    auto gol = Incarcat<TEditorCampText>(QStringLiteral("C_SPECIALITATEA"), kElevi, 1, -1);
    EXPECT_EQ(gol->RzComboBox1->count(), 0);
    EXPECT_EQ(gol->RzComboBox1->currentText(), QString());

    Executa(*m_dm,
            {Rand(QStringLiteral("C_SPECIALITATEA"), QStringLiteral("Fizica"), QStringLiteral("ID_ELEVI"), 1),
             Rand(QStringLiteral("C_SPECIALITATEA"), QStringLiteral("Fizica"), QStringLiteral("ID_ELEVI"), 2),
             Rand(QStringLiteral("C_SPECIALITATEA"), QStringLiteral("Chimie"), QStringLiteral("ID_ELEVI"), 3),
             Rand(QStringLiteral("C_SPECIALITATEA"), QString(), QStringLiteral("ID_INSTITUTIA"), 10),
             Rand(QStringLiteral("C_NUME"), QStringLiteral("Alt camp"), QStringLiteral("ID_ELEVI"), 1)});
    auto editor = Incarcat<TEditorCampText>(QStringLiteral("C_SPECIALITATEA"), kElevi, 3, -1);
    QStringList sugestii;
    for (int i = 0; i < editor->RzComboBox1->count(); ++i)
        sugestii.append(editor->RzComboBox1->itemText(i));
    sugestii.sort();
    EXPECT_EQ(sugestii, (QStringList{QStringLiteral("Chimie"), QStringLiteral("Fizica")}));
    EXPECT_EQ(editor->RzComboBox1->currentText(), QStringLiteral("Chimie"));
    EXPECT_EQ(editor->RzComboBox1->lineEdit()->cursorPosition(), 6);
    EXPECT_FALSE(editor->RzComboBox1->lineEdit()->hasSelectedText());

    // A new record sees the suggestions, not a value.
    auto nou = Incarcat<TEditorCampText>(QStringLiteral("C_SPECIALITATEA"), kElevi, -1, -1);
    EXPECT_EQ(nou->RzComboBox1->count(), 2);
    EXPECT_EQ(nou->RzComboBox1->currentText(), QString());

    // Picking a suggestion saves it; after showing the caret stands at the end.
    nou->RzComboBox1->setCurrentIndex(nou->RzComboBox1->findText(QStringLiteral("Fizica")));
    nou->RzComboBox1->lineEdit()->setCursorPosition(0);
    nou->DupaAfisare();
    EXPECT_EQ(nou->RzComboBox1->lineEdit()->cursorPosition(), 6);
    Salvat(*nou, 2, -1, kElevi);
    EXPECT_EQ(RandurileCampului(QStringLiteral("C_SPECIALITATEA"))[1][0], QStringLiteral("Fizica"));
}

TEST(EditoriTipizati, ShareTheCommonLayout)
{
    TEditorCampText text;
    TEditorCampCF cf;
    for (TEditorGeneric *e : {static_cast<TEditorGeneric *>(&text), static_cast<TEditorGeneric *>(&cf)}) {
        e->resize(300, 36);
        e->show();
        EXPECT_EQ(e->height(), 36);
        ASSERT_NE(e->RzLabel1, nullptr);
        EXPECT_EQ(e->RzLabel1->geometry(), QRect(0, 0, 300 - 8 - 4, 13));
        QWidget *control =
            e->findChild<QWidget *>(e == &cf ? QStringLiteral("RzEdit1") : QStringLiteral("RzComboBox1"));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), QRect(0, 13, 300 - 8 - 4, 21));
        EXPECT_EQ(e->RzLabel1->mapTo(e, QPoint(0, 0)), QPoint(8, 0));
    }
}
