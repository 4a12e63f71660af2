#include <gtest/gtest.h>

#include <QLineEdit>

#include "BazaEditori.h"
#include "editors/UEditorCampCNP.h"
#include "editors/UUtilitare.h"

TEST(CnpValid, ChecksLengthDigitsDateAndControl)
{
    struct Caz
    {
        const char *descriere;
        QString cod;
        bool valid;
    };
    const Caz cazuri[] = {
        {"a valid code", QStringLiteral("1800101221144"), true},
        {"the same with a wrong control digit", QStringLiteral("1800101221145"), false},
        {"empty", QString(), false},
        {"12 digits", QStringLiteral("180010122114"), false},
        {"14 digits", QStringLiteral("18001012211440"), false},
        {"a blank before", QStringLiteral(" 1800101221144"), false},
        {"a blank after", QStringLiteral("1800101221144 "), false},
        {"a letter", QStringLiteral("18001012211A4"), false},
        {"first digit 2", QStringLiteral("2501231001232"), true},
        {"first digit 3", QStringLiteral("3900101123450"), false},
        {"first digit 5, year 90: 1990", QStringLiteral("5900101123454"), true},
        {"first digit 6, year 00", QStringLiteral("6000229123455"), true},
        {"yy 00 is 2000: 29 February exists", QStringLiteral("5000229123453"), true},
        {"also with first digit 1", QStringLiteral("1000229123456"), true},
        {"29 February 1996", QStringLiteral("1960229123452"), true},
        {"29 February 1997 does not exist", QStringLiteral("1970229123450"), false},
        {"month 00", QStringLiteral("1900001123453"), false},
        {"month 13", QStringLiteral("1901310123458"), false},
        {"31 April", QStringLiteral("1900431123454"), false},
        {"30 April", QStringLiteral("1900430123451"), true},
        {"remainder 10 with control digit 1", QStringLiteral("1900101000091"), true},
        {"remainder 10 with control digit 0", QStringLiteral("1900101000090"), false},
        {"a full-width digit", QStringLiteral("180010122114") + QChar(0xFF14), false},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(CnpValid(c.cod), c.valid) << c.descriere;
}

using EditorCampCNP = BazaEditori;

TEST_F(EditorCampCNP, AnInvalidCodeIsSavedOnlyWhenConfirmed)
{
    const QString intrebare =
        QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa ontinuati?");
    auto editor = Incarcat<TEditorCampCNP>(QStringLiteral("C_CNP"), QStringLiteral("ELEVI"), 1, -1);
    EXPECT_EQ(editor->RzEdit1->text(), QString());

    // Empty: invalid, refused when answered No.
    MesajeTest().Raspunde(false);
    EXPECT_FALSE(editor->PotSalva());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare), QStringList{intrebare});

    // A valid code passes without a question.
    MesajeTest().Reseteaza();
    editor->RzEdit1->setText(QStringLiteral("1800101221144"));
    EXPECT_TRUE(editor->PotSalva());
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());

    // With a blank around it the check refuses it; confirmed, it is saved trimmed.
    editor->RzEdit1->setText(QStringLiteral(" 1800101221144 "));
    MesajeTest().Raspunde(true);
    EXPECT_TRUE(editor->PotSalva());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare), QStringList{intrebare});
    Salvat(*editor, 1, -1, QStringLiteral("ELEVI"));
    EXPECT_EQ(
        Incarcat<TEditorCampCNP>(QStringLiteral("C_CNP"), QStringLiteral("ELEVI"), 1, -1)->RzEdit1->text(),
        QStringLiteral("1800101221144"));
}
