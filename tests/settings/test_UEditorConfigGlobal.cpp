#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "settings/StocareSetari.h"
#include "settings/UEditorConfigGlobal.h"
#include "comun/Exceptie.h"
#include "support/MesajeTest.h"

namespace {

const QString kCheie = QStringLiteral("Software\\Zoravin SOFT\\Lumira\\2006\\Global");

QString Stocat(TStocareSetariMemorie &stocare, const char *nume)
{
    for (const auto &v : stocare.Valori(kCheie)) {
        if (v.nume == QLatin1String(nume))
            return v.sir;
    }
    return QStringLiteral("<absent>");
}

void Pune(TStocareSetariMemorie &stocare, const char *nume, const QString &valoare)
{
    TStocareSetariMemorie::Valoare v;
    v.nume = QLatin1String(nume);
    v.tip = TTipValoare::Sir;
    v.sir = valoare;
    stocare.Pune(kCheie, v);
}

TEST(TEditorConfigGlobal, FirstRunShowsTheDefaultsAndStoresTheFormatsEvenWhenCancelled)
{
    TStocareSetariMemorie stocare;
    {
        TEditorConfigGlobal dialog(nullptr, &stocare);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Editor informatii globale"));
        EXPECT_EQ(dialog.size(), QSize(588, 347));
        EXPECT_EQ(dialog.RzComboBox1->currentText(), QStringLiteral("dra"));
        EXPECT_EQ(dialog.RzComboBox2->currentText(), QStringLiteral("domnul"));
        EXPECT_EQ(dialog.RzComboBox3->currentText(), QStringLiteral("NOTA/LITERE"));
        EXPECT_EQ(dialog.RzComboBox4->currentText(), QStringLiteral("NOTA/LITERE"));
        EXPECT_EQ(dialog.RzComboBox5->currentText(), QStringLiteral("NOTA(PROCENT)"));
        EXPECT_EQ(dialog.RzComboBox6->currentText(), QStringLiteral("NOTA(PROCENT)"));
        EXPECT_TRUE(dialog.RzRadioButton1->isChecked());
        EXPECT_FALSE(dialog.RzRadioButton2->isChecked());
        // Only the grade page can be reached.
        EXPECT_EQ(dialog.RzPageControl1->currentWidget(), dialog.TabSheet2);
        EXPECT_FALSE(dialog.RzPageControl1->isTabVisible(0));
        EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("RzBitBtn2"))->text(),
                  QStringLiteral("Renunt"));
        dialog.RzBitBtn2->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(Stocat(stocare, "NotaDiploma"), QStringLiteral("NOTA/LITERE"));
    EXPECT_EQ(Stocat(stocare, "MedieDiploma"), QStringLiteral("NOTA/LITERE"));
    EXPECT_EQ(Stocat(stocare, "NotaCotor"), QStringLiteral("NOTA(PROCENT)"));
    EXPECT_EQ(Stocat(stocare, "MedieCotor"), QStringLiteral("NOTA(PROCENT)"));
    EXPECT_EQ(Stocat(stocare, "ScriuCuLitereMari"), QString());
    EXPECT_EQ(Stocat(stocare, "SufixFete"), QString());
    EXPECT_EQ(Stocat(stocare, "SufixBaieti"), QString());
}

TEST(TEditorConfigGlobal, OkStoresEveryChoiceAndReopeningShowsThem)
{
    TStocareSetariMemorie stocare;
    {
        TEditorConfigGlobal dialog(nullptr, &stocare);
        dialog.RzComboBox4->setCurrentIndex(0);
        dialog.RzComboBox5->setCurrentIndex(2);
        dialog.RzRadioButton2->setChecked(true);
        dialog.RzBitBtn1->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Stocat(stocare, "ScriuCuLitereMari"), QStringLiteral("0"));
    EXPECT_EQ(Stocat(stocare, "NotaDiploma"), QStringLiteral("NOTA/LITERE"));
    EXPECT_EQ(Stocat(stocare, "MedieDiploma"), QStringLiteral("NOTA"));
    EXPECT_EQ(Stocat(stocare, "NotaCotor"), QStringLiteral("NOTA/PROCENT"));
    EXPECT_EQ(Stocat(stocare, "SufixFete"), QStringLiteral("dra"));
    EXPECT_EQ(Stocat(stocare, "SufixBaieti"), QStringLiteral("domnul"));

    TEditorConfigGlobal dialog(nullptr, &stocare);
    EXPECT_TRUE(dialog.RzRadioButton2->isChecked());
    EXPECT_EQ(dialog.RzComboBox4->currentText(), QStringLiteral("NOTA"));
    // An empty capitals setting shows capitals; "Ok" then stores "1", so printing agrees.
    Pune(stocare, "ScriuCuLitereMari", QString());
    TEditorConfigGlobal altul(nullptr, &stocare);
    EXPECT_TRUE(altul.RzRadioButton1->isChecked());
    altul.RzBitBtn1->click();
    EXPECT_EQ(Stocat(stocare, "ScriuCuLitereMari"), QStringLiteral("1"));
}

TEST(TEditorConfigGlobal, AnUnknownFormatLeavesItsListEmptyAndOkKeepsIt)
{
    TStocareSetariMemorie stocare;
    Pune(stocare, "NotaCotor", QStringLiteral("nota")); // the comparison is exact
    Pune(stocare, "SufixFete", QStringLiteral("doamna"));
    Pune(stocare, "ScriuCuLitereMari", QStringLiteral("0"));
    {
        TEditorConfigGlobal dialog(nullptr, &stocare);
        EXPECT_EQ(dialog.RzComboBox5->currentIndex(), -1);
        EXPECT_EQ(dialog.RzComboBox1->currentText(), QStringLiteral("doamna"));
        dialog.RzBitBtn2->click();
    }
    // Cancelling changed no stored value.
    EXPECT_EQ(Stocat(stocare, "NotaCotor"), QStringLiteral("nota"));
    EXPECT_EQ(Stocat(stocare, "SufixFete"), QStringLiteral("doamna"));
    EXPECT_EQ(Stocat(stocare, "ScriuCuLitereMari"), QStringLiteral("0"));
    {
        TEditorConfigGlobal dialog(nullptr, &stocare);
        dialog.RzBitBtn1->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(Stocat(stocare, "NotaCotor"), QStringLiteral("nota"));
    EXPECT_EQ(Stocat(stocare, "ScriuCuLitereMari"), QStringLiteral("0"));
}

TEST(TEditorConfigGlobal, AStoredIntegerStopsTheDialogFromOpening)
{
    TStocareSetariMemorie stocare;
    TStocareSetariMemorie::Valoare v;
    v.nume = QStringLiteral("NotaDiploma");
    v.tip = TTipValoare::Intreg;
    v.intreg = 3;
    stocare.Pune(kCheie, v);
    try {
        TEditorConfigGlobal dialog(nullptr, &stocare);
        ADD_FAILURE();
    } catch (const Exceptie &e) {
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("NotaDiploma"))) << e.Mesaj().toStdString();
    }
}

TEST(TEditorConfigGlobal, AFailedWriteOnOkKeepsTheDialogOpenWithAMessage)
{
    TStocareSetariMemorie stocare;
    TEditorConfigGlobal dialog(nullptr, &stocare);
    MesajeTest().Reseteaza();
    stocare.EsueazaLaScriere(true);
    dialog.RzBitBtn1->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    MesajeTest().Reseteaza();
}

TEST(ExempluFormat, SampleLinesOfTheFourFormats)
{
    EXPECT_EQ(FormateNota(), (QStringList{"NOTA", "NOTA(PROCENT)", "NOTA/PROCENT", "NOTA/LITERE"}));
    using L = QList<QPair<QString, int>>;
    EXPECT_EQ(LiniiExempluFormat(0), (L{{"9,63", 8}}));
    EXPECT_EQ(LiniiExempluFormat(1), (L{{"9,63 (noua 63%)", 8}}));
    EXPECT_EQ(LiniiExempluFormat(2), (L{{"9,63", 1}, {"(noua 63%)", 13}}));
    EXPECT_EQ(LiniiExempluFormat(3), (L{{"9,63", 1}, {"(noua,sasezecisitrei)", 13}}));
    EXPECT_TRUE(LiniiExempluFormat(-1).isEmpty());
    EXPECT_TRUE(LiniiExempluFormat(4).isEmpty());

    TStocareSetariMemorie stocare;
    TEditorConfigGlobal dialog(nullptr, &stocare);
    QStyleOptionViewItem optiuni;
    EXPECT_EQ(dialog.RzComboBox3->itemDelegate()
                  ->sizeHint(optiuni, dialog.RzComboBox3->model()->index(0, 0))
                  .height(),
              32);
}

// The columns that hold ink in the band of rows, as [first, last].
QPair<int, int> Cerneala(const QImage &imagine, int sus, int jos, QRgb fundal)
{
    int prima = imagine.width();
    int ultima = -1;
    for (int y = sus; y < jos; ++y) {
        for (int x = 0; x < imagine.width(); ++x) {
            if (imagine.pixel(x, y) != fundal) {
                prima = qMin(prima, x);
                ultima = qMax(ultima, x);
            }
        }
    }
    return {prima, ultima};
}

TEST(ExempluFormat, DrawsCentredSamplesOnTheRightBackground)
{
    QPalette paleta;
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    paleta.setColor(QPalette::Highlight, Qt::blue);
    paleta.setColor(QPalette::HighlightedText, Qt::yellow);
    const QRect r(0, 0, 161, 32);
    for (int index : {-1, 0, 3, 4}) {
        for (bool selectat : {false, true}) {
            QImage imagine(r.size(), QImage::Format_RGB32);
            imagine.fill(Qt::green);
            {
                QPainter painter(&imagine);
                DeseneazaExempluFormat(painter, r, index, selectat, paleta);
            }
            const QRgb fundal = selectat ? QColor(Qt::blue).rgb() : QColor(Qt::white).rgb();
            EXPECT_EQ(imagine.pixel(0, 0), fundal);
            EXPECT_EQ(imagine.pixel(160, 31), fundal);
            const auto [prima, ultima] = Cerneala(imagine, 0, 32, fundal);
            if (index < 0 || index > 3) {
                EXPECT_EQ(ultima, -1) << index; // background only
                continue;
            }
            ASSERT_GE(ultima, 0) << index;
            // Centred: the margins differ by the rounding of the glyphs only.
            EXPECT_LE(qAbs(prima - (r.width() - 1 - ultima)), 3) << index << " " << prima << " " << ultima;
            if (index == 3) {
                // Two lines: ink both in the upper and the lower half.
                EXPECT_GE(Cerneala(imagine, 0, 12, fundal).second, 0);
                EXPECT_GE(Cerneala(imagine, 20, 32, fundal).second, 0);
            }
        }
    }
}

} // namespace
