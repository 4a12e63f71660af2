#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "forms/FontFormular.h"
#include "forms/FormularDePrintat.h"
#include "forms/ParticularizareTextArea.h"
#include "forms/QFormularTextArea.h"
#include "forms/UEditorTextFormular.h"
#include "printing/DispozitivImprimanta.h"
#include "comun/Exceptie.h"

namespace {

using Tip = TDispozitivImprimantaInregistrare::TipOperatie;

const QString kFereastra = QStringLiteral("PrintCertificatAcordare");
const QString kArie = QStringLiteral("FormularTextArea21");

// What the user does in the open dialog, then "Ok" or "Renunt".
using Actiune = std::function<void(TEditorTextFormular &)>;

// Runs the action on the text-area dialog once it is shown modally, then
// closes it with "Ok" or "Renunt" if the action left it open. Watches only
// while it lives.
class TLaDeschidere
{
public:
    TLaDeschidere(Actiune actiune, bool confirma)
    {
        m_ceas.setInterval(5);
        QObject::connect(&m_ceas, &QTimer::timeout, [this, actiune, confirma] {
            auto *dialog = qobject_cast<TEditorTextFormular *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_ceas.stop();
            Dialog = dialog;
            actiune(*dialog);
            if (dialog->isVisible())
                (confirma ? dialog->RzBitBtn1 : dialog->RzBitBtn2)->click();
        });
        m_ceas.start();
    }

    TEditorTextFormular *Dialog = nullptr;

private:
    QTimer m_ceas;
};

QStringList Elemente(const QComboBox *lista)
{
    QStringList texte;
    for (int i = 0; i < lista->count(); ++i)
        texte.append(lista->itemText(i));
    return texte;
}

// The certificate's preview window in miniature: a page, three fonts in
// component order (Stanga, Mare, Mic) and one area using Mare, with a
// customisation list of the test's own in a temporary folder.
class EditorTextFormular : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dosar.isValid());
        lista = std::make_unique<TListaParticularizareTextArea>(Fisier());
        InstaleazaListaParticularizari(lista.get());
        fereastra.setObjectName(kFereastra);
        suprafata = new TFormularDePrintat(&fereastra);
        suprafata->SetLatime(285.66);
        suprafata->SetInaltime(208.79);
        stanga = new TFontFormular(&fereastra, QStringLiteral("Stanga"));
        stanga->SetSize(4.0);
        mare = new TFontFormular(&fereastra, QStringLiteral("Mare"));
        mare->SetSize(6.0);
        mare->SetDescrierePentruEditor(QStringLiteral("Font mare"));
        mic = new TFontFormular(&fereastra, QStringLiteral("Mic"));
        mic->SetSize(2.5);
        arie = new TFormularTextArea(suprafata, kArie);
        arie->SetIncarcare(true);
        arie->Set_Left(100);
        arie->Set_Top(100);
        arie->Set_Width(40);
        arie->Set_Height(8);
        arie->SetZoomLock(200);
        arie->SetFont(mare);
        arie->ApplyZoom();
        arie->SetIncarcare(false);
        arie->SetText(QStringLiteral("9,63"));
        arie->SetSursaText({QStringLiteral("CertificatAcordare.FATA.D_MEDIA_GENERALA"),
                            QStringLiteral("nota formatata pentru diploma")});
    }
    void TearDown() override
    {
        InstaleazaListaParticularizari(nullptr);
    }

    QString Fisier() const { return dosar.filePath(QStringLiteral("licenta.lic")); }

    TParticularizareTextArea *Inregistrare(bool creeaza = false)
    {
        return lista->Find(kFereastra, kArie, creeaza);
    }

    // The area's text as printed on the recording printer.
    TDispozitivImprimantaInregistrare::Operatie Tiparit()
    {
        TDispozitivImprimantaInregistrare d;
        d.IncepeDocument(QStringLiteral("T"));
        suprafata->PrintAll(d, false, DirectorModificari(), 0, 0);
        d.TerminaDocument();
        geometrie = d.Geometrie;
        return d.OperatiiDeTip(Tip::DeseneazaText).value(0);
    }

    QTemporaryDir dosar;
    std::unique_ptr<TListaParticularizareTextArea> lista;
    QWidget fereastra;
    TFormularDePrintat *suprafata = nullptr;
    TFontFormular *stanga = nullptr;
    TFontFormular *mare = nullptr;
    TFontFormular *mic = nullptr;
    TFormularTextArea *arie = nullptr;
    TCapabilitatiDispozitiv geometrie;
};

} // namespace

TEST_F(EditorTextFormular, CancellingCreatesADefaultRecordSavesItAndLeavesTheAreaAsItWas)
{
    arie->SetMouseOver(false);
    const QImage inainte = suprafata->grab(arie->geometry()).toImage();
    const auto tiparitInainte = Tiparit();
    ASSERT_FALSE(QFile::exists(Fisier()));

    bool verificat = false;
    arie->SetMouseOver(true);
    TLaDeschidere laDeschidere(
        [&](TEditorTextFormular &d) {
            EXPECT_EQ(d.parent(), arie);
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Informatii camp"));
            EXPECT_FALSE(arie->MouseOver());
            EXPECT_EQ(d.RzPageControl1->tabText(0), QStringLiteral("Informatii despre acest camp"));
            EXPECT_EQ(d.RzPageControl1->tabText(1), QStringLiteral("Redefinire text"));
            EXPECT_EQ(d.RzPageControl1->tabText(2), QStringLiteral("Asezare in pagina"));
            EXPECT_EQ(d.RzMemo1->toPlainText(), arie->SursaText().join(QLatin1Char('\n')));
            EXPECT_TRUE(d.RzMemo1->isReadOnly());
            // Fonts in component order, by their description when they have one.
            EXPECT_EQ(
                Elemente(d.RzComboBox1),
                (QStringList{QStringLiteral("Stanga"), QStringLiteral("Font mare"), QStringLiteral("Mic")}));
            EXPECT_EQ(d.RzComboBox1->currentIndex(), 1);
            EXPECT_EQ(Elemente(d.RzComboBox2),
                      (QStringList{QStringLiteral("Implicit"), QStringLiteral("Italic"),
                                   QStringLiteral("non-Italic")}));
            EXPECT_EQ(Elemente(d.RzComboBox3),
                      (QStringList{QStringLiteral("Implicit"), QStringLiteral("Bold"),
                                   QStringLiteral("non-Bold")}));
            EXPECT_EQ(d.RzComboBox2->currentIndex(), 0);
            EXPECT_EQ(d.RzComboBox3->currentIndex(), 0);
            EXPECT_TRUE(d.RzRadioButton11->isChecked());
            EXPECT_EQ(d.RzFontComboBox1->currentIndex(), -1);
            EXPECT_TRUE(d.Edit1->text().isEmpty());
            EXPECT_TRUE(d.RzRadioButton1->isChecked());
            EXPECT_TRUE(d.RzRadioButton5->isChecked());
            EXPECT_TRUE(d.RzRadioButton8->isChecked());
            // The record exists, and is on disk, while the dialog is open.
            EXPECT_TRUE(QFile::exists(Fisier()));
            // Choices made and then cancelled change nothing.
            d.RzRadioButton4->setChecked(true);
            d.Edit1->setText(QStringLiteral("altceva"));
            verificat = true;
        },
        false);
    EditTextArea(*arie);
    ASSERT_TRUE(verificat);
    EXPECT_TRUE(arie->findChildren<TEditorTextFormular *>().isEmpty());

    ASSERT_EQ(lista->Count(), 1);
    TParticularizareTextArea asteptat;
    asteptat.NumeProprietar = kFereastra;
    asteptat.NumeArie = kArie;
    EXPECT_EQ(lista->Item(0), asteptat);
    TListaParticularizareTextArea citita;
    citita.Load(Fisier());
    ASSERT_EQ(citita.Count(), 1);
    EXPECT_EQ(citita.Item(0), asteptat);

    arie->SetMouseOver(false);
    EXPECT_EQ(suprafata->grab(arie->geometry()).toImage(), inainte);
    const auto tiparitDupa = Tiparit();
    EXPECT_EQ(tiparitDupa.Dreptunghi, tiparitInainte.Dreptunghi);
    EXPECT_EQ(tiparitDupa.Text, tiparitInainte.Text);
}

TEST_F(EditorTextFormular, OkTakesEveryChoiceOverAndSavesIt)
{
    TLaDeschidere laDeschidere(
        [&](TEditorTextFormular &d) {
            d.RzRadioButton4->setChecked(true);
            d.RzRadioButton7->setChecked(true);
            d.RzRadioButton9->setChecked(true);
            d.RzComboBox1->setCurrentIndex(2);
            d.Edit1->setText(QStringLiteral("zece"));
            d.RzComboBox2->setCurrentIndex(2);
            d.RzComboBox3->setCurrentIndex(1);
            // A typeface picked while "implicit" stays set is not used.
            d.RzFontComboBox1->setCurrentIndex(d.RzFontComboBox1->findText(QStringLiteral("Liberation Serif")));
            d.RzRadioButton11->setChecked(true);
        },
        true);
    EditTextArea(*arie);

    TParticularizareTextArea asteptat;
    asteptat.NumeProprietar = kFereastra;
    asteptat.NumeArie = kArie;
    asteptat.Aliniere = 3;
    asteptat.DeplasareOrizontala = 1;
    asteptat.DeplasareVerticala = -1;
    asteptat.NumeFont = QStringLiteral("Mic");
    asteptat.TextInlocuitor = QStringLiteral("zece");
    asteptat.Italic = 2;
    asteptat.Bold = 1;
    ASSERT_NE(Inregistrare(), nullptr);
    EXPECT_EQ(*Inregistrare(), asteptat);
    EXPECT_EQ(Inregistrare()->Font.data(), mic);
    TListaParticularizareTextArea citita;
    citita.Load(Fisier());
    ASSERT_EQ(citita.Count(), 1);
    EXPECT_EQ(citita.Item(0), asteptat);

    const auto text = Tiparit();
    EXPECT_EQ(text.Text, QStringLiteral("zece"));
    EXPECT_FALSE(text.Font.Italic);
    EXPECT_EQ(text.Font.Grosime, 700);
    EXPECT_EQ(text.Font.InaltimeCelula, InaltimeCelulaImprimanta(geometrie.PhysicalHeight, 2.5, 8));
}

TEST_F(EditorTextFormular, HalfAMillimetreLeftMovesThePrintedTextButNotTheScreenArea)
{
    const QRect peEcran = arie->geometry();
    const auto inainte = Tiparit();
    EXPECT_EQ(inainte.Dreptunghi, DreptunghiTiparire(geometrie, 100, 100, 40, 8));

    TLaDeschidere laDeschidere([](TEditorTextFormular &d) { d.RzRadioButton6->setChecked(true); }, true);
    EditTextArea(*arie);

    EXPECT_EQ(Inregistrare()->DeplasareOrizontala, -1);
    EXPECT_EQ(Tiparit().Dreptunghi, DreptunghiTiparire(geometrie, 99.5, 100, 40, 8));
    EXPECT_EQ(arie->geometry(), peEcran);
    EXPECT_DOUBLE_EQ(arie->_Left(), 100.0);
}

TEST_F(EditorTextFormular, AChosenTypefaceDrawsAtTheSizeOfTheFontComponent)
{
    const QString familie = QStringLiteral("Liberation Serif");
    TLaDeschidere laDeschidere(
        [&](TEditorTextFormular &d) {
            const int index = d.RzFontComboBox1->findText(familie);
            ASSERT_GE(index, 0) << "typeface not installed";
            d.RzRadioButton12->setChecked(true);
            d.RzFontComboBox1->setCurrentIndex(index);
        },
        true);
    EditTextArea(*arie);

    EXPECT_EQ(Inregistrare()->Familie, familie);
    const auto text = Tiparit();
    EXPECT_EQ(text.Font.Familie, familie);
    EXPECT_EQ(text.Font.InaltimeCelula, InaltimeCelulaImprimanta(geometrie.PhysicalHeight, 6.0, 8));
    const TAspectText aspect =
        AspectEfectiv(arie->Text(), arie->Font(), arie->Alignment(), arie->Particularizare(false));
    EXPECT_EQ(aspect.Font, mare);
    EXPECT_EQ(aspect.Familie, familie);

    // Reopened, the dialog shows the typeface chosen; one not installed shows none.
    TEditorTextFormular d;
    d.Incarca(*Inregistrare(), *arie);
    EXPECT_TRUE(d.RzRadioButton12->isChecked());
    EXPECT_EQ(d.RzFontComboBox1->currentText(), familie);
    Inregistrare()->Familie = QStringLiteral("Litere Care Nu Exista");
    TEditorTextFormular alt;
    alt.Incarca(*Inregistrare(), *arie);
    EXPECT_TRUE(alt.RzRadioButton12->isChecked());
    EXPECT_EQ(alt.RzFontComboBox1->currentIndex(), -1);
    EXPECT_TRUE(alt.Alegeri().Familie.isEmpty());
}

TEST_F(EditorTextFormular, TheRecordsFontIsSelectedWhereverItStandsAmongTheFonts)
{
    struct Caz
    {
        const char *descriere;
        QString numeFont; // the record's font component
        TFontFormular *fontArie;
        int asteptat;
    };
    const Caz cazuri[] = {
        {"record's font before the area's", QStringLiteral("Stanga"), mare, 0},
        {"record's font after the area's", QStringLiteral("Mic"), mare, 2},
        {"record's font after, area's first", QStringLiteral("Mic"), stanga, 2},
        {"no font in the record: the area's", QString(), mare, 1},
        {"a font the window lacks: the area's", QStringLiteral("Lipsa"), stanga, 0},
        {"neither: nothing", QString(), nullptr, -1},
    };
    TParticularizareTextArea *p = Inregistrare(true);
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.descriere);
        p->NumeFont = c.numeFont;
        arie->SetFont(c.fontArie);
        TEditorTextFormular d;
        d.Incarca(*arie->Particularizare(false), *arie);
        EXPECT_EQ(d.RzComboBox1->currentIndex(), c.asteptat);
    }
}

TEST_F(EditorTextFormular, OkWithoutAFontOrOutOfRangeChoicesKeepsThoseAndAppliesTheRest)
{
    arie->SetFont(nullptr);
    TParticularizareTextArea *p = Inregistrare(true);
    p->NumeFont = QStringLiteral("Lipsa");
    p->Aliniere = 7;
    p->DeplasareOrizontala = 5;
    p->DeplasareVerticala = -4;
    p->Italic = 9;
    p->Bold = 1;
    TLaDeschidere laDeschidere(
        [&](TEditorTextFormular &d) {
            EXPECT_EQ(d.RzComboBox1->currentIndex(), -1);
            EXPECT_EQ(d.RzComboBox2->currentIndex(), -1);
            EXPECT_EQ(d.RzComboBox3->currentIndex(), 1);
            for (QRadioButton *b :
                 {d.RzRadioButton1, d.RzRadioButton2, d.RzRadioButton3, d.RzRadioButton4, d.RzRadioButton5,
                  d.RzRadioButton6, d.RzRadioButton7, d.RzRadioButton8, d.RzRadioButton9, d.RzRadioButton10})
                EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
            d.RzRadioButton10->setChecked(true);
            d.RzComboBox3->setCurrentIndex(2);
            d.Edit1->setText(QStringLiteral("nou"));
        },
        true);
    EditTextArea(*arie);

    EXPECT_EQ(p->NumeFont, QStringLiteral("Lipsa"));
    EXPECT_EQ(p->Aliniere, 7);
    EXPECT_EQ(p->DeplasareOrizontala, 5);
    EXPECT_EQ(p->DeplasareVerticala, 1);
    EXPECT_EQ(p->Italic, 9);
    EXPECT_EQ(p->Bold, 2);
    EXPECT_EQ(p->TextInlocuitor, QStringLiteral("nou"));
    TListaParticularizareTextArea citita;
    citita.Load(Fisier());
    ASSERT_EQ(citita.Count(), 1);
    EXPECT_EQ(citita.Item(0), *p);
}

TEST_F(EditorTextFormular, EachGroupOfRadioButtonsIsExclusiveOnItsOwn)
{
    TEditorTextFormular d;
    d.Incarca(*Inregistrare(true), *arie);
    d.RzRadioButton3->click();
    d.RzRadioButton7->click();
    d.RzRadioButton9->click();
    d.RzRadioButton12->click();
    d.RzRadioButton2->click();
    const TAlegeriTextArea a = d.Alegeri();
    EXPECT_EQ(a.Aliniere, 1);
    EXPECT_EQ(a.DeplasareOrizontala, 1);
    EXPECT_EQ(a.DeplasareVerticala, -1);
    EXPECT_FALSE(d.RzRadioButton11->isChecked());
    EXPECT_FALSE(d.RzRadioButton3->isChecked());

    // Picking a typeface from the list means using it.
    d.RzRadioButton11->click();
    const int index = d.RzFontComboBox1->findText(QStringLiteral("Liberation Sans"));
    ASSERT_GE(index, 0);
    d.RzFontComboBox1->setCurrentIndex(index);
    emit d.RzFontComboBox1->activated(index);
    EXPECT_TRUE(d.RzRadioButton12->isChecked());
    EXPECT_EQ(d.Alegeri().Familie, QStringLiteral("Liberation Sans"));
}

TEST_F(EditorTextFormular, AClickOnAnAreaOpensTheDialogOnceInstalled)
{
    InstaleazaEditareTextArea(fereastra);
    fereastra.resize(1200, 900);
    fereastra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fereastra));
    bool deschis = false;
    TLaDeschidere laDeschidere([&](TEditorTextFormular &) { deschis = true; }, false);
    QTest::mouseClick(arie, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(deschis);
    EXPECT_NE(Inregistrare(), nullptr);
}

TEST_F(EditorTextFormular, AFailedSaveIsReportedAfterTheDialogIsGoneAndKeepsTheChoices)
{
    TParticularizareTextArea *p = Inregistrare(true);
    // The file's place is taken by a folder: it can no longer be written.
    ASSERT_TRUE(QFile::remove(Fisier()));
    ASSERT_TRUE(QDir().mkdir(Fisier()));
    TLaDeschidere laDeschidere([](TEditorTextFormular &d) { d.RzRadioButton3->setChecked(true); }, true);
    EXPECT_THROW(EditTextArea(*arie), Exceptie);
    EXPECT_TRUE(arie->findChildren<TEditorTextFormular *>().isEmpty());
    EXPECT_EQ(p->Aliniere, 2);
}
