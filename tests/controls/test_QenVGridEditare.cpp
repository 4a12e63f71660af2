#include <map>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "comun/Exceptie.h"
#include "controls/MesajExceptie.h"
#include "controls/LargeFontScaler.h"
#include "controls/QenVirtualGrid.h"
#include "controls/UQenVGridEditorForm.h"
#include "editors/UQenEditors.h"

namespace {

using Tip = TQenTipDeDateColoana;

struct TLinieTest : TQenVirtualGridLine
{
    std::map<int, TQenValoareDate> valori;
};

// A grid of one fixed column and one column per value kind the editor knows,
// and a client that keeps the values and records what it is given back.
class EditareTest : public ::testing::Test
{
protected:
    enum Coloana { Nr, Intreg, Text, Sutimi, Suma, Data, FaraValoare };

    void SetUp() override
    {
        StabilesteRaportScalare(&m_raport);
        m_grila = std::make_unique<TQenVirtualGrid>();
        m_grila->resize(900, 300);
        const std::pair<const char *, Tip> coloane[] = {
            {"Nr", Tip::Integer},    {"Intreg", Tip::Integer},
            {"Text", Tip::String},   {"Sutimi", Tip::IntegerDouaZecimale},
            {"Suma", Tip::Currency}, {"Data", Tip::DataLung},
            {"Fara", Tip::Auto}};
        m_grila->BeginUpdate();
        for (const auto &[nume, tip] : coloane) {
            TQenVirtualGridColumn *c = m_grila->Coloane().Add();
            c->SetNumeColoana(QLatin1String(nume));
            c->SetTipDeDate(tip);
            c->SetWidth(110);
        }
        for (int i = 0; i < 3; ++i) {
            auto linie = std::make_unique<TLinieTest>();
            linie->valori[Nr].SetInteger(i + 1);
            linie->valori[Intreg].SetInteger(42);
            linie->valori[Text].SetString(QStringLiteral("Ionescu"));
            linie->valori[Sutimi].Seteaza(1234, Tip::IntegerDouaZecimale);
            linie->valori[Suma].SetCurrency(25000);
            linie->valori[Data].SetDataLung(QDate(2004, 3, 5));
            m_grila->Linii().Add(std::move(linie));
        }
        m_grila->EndUpdate();
        m_grila->OnGetCellValue = [](TQenVirtualGridLine *l, int c, TQenValoareDate &v) {
            const auto &valori = static_cast<TLinieTest *>(l)->valori;
            if (valori.count(c))
                v = valori.at(c);
        };
        m_grila->OnSetCellValue = [this](TQenVirtualGridLine *l, int c, const TQenValoareDate &v) {
            ++m_predate;
            m_linie = l;
            m_coloana = c;
            m_valoare = v;
        };
        m_grila->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_grila.get()));
    }
    void TearDown() override
    {
        m_grila.reset();
        StabilesteRaportScalare(nullptr);
    }

    TQenVGridEditorForm *Editor() { return m_grila->EditorDeschis(); }
    void Apasa(int c, int r, Qt::Key tasta, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        ASSERT_TRUE(m_grila->FocusCell(c, r));
        QTest::keyClick(m_grila.get(), tasta, mod);
    }
    void Inchide() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TRaportScalare m_raport{1, 1};
    std::unique_ptr<TQenVirtualGrid> m_grila;
    int m_predate = 0;
    TQenVirtualGridLine *m_linie = nullptr;
    int m_coloana = -1;
    TQenValoareDate m_valoare;
};

} // namespace

TEST_F(EditareTest, KeypadDigitOnAnIntegerCellShowsTheDigitUnselected)
{
    Apasa(Intreg, 1, Qt::Key_0, Qt::KeypadModifier);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->isVisible());
    EXPECT_TRUE(Editor()->QenNumEdit1->isVisible());
    EXPECT_FALSE(Editor()->Edit1->isVisible());
    EXPECT_FALSE(Editor()->DateTimePicker1->isVisible());
    EXPECT_EQ(Editor()->QenNumEdit1->Text(), QStringLiteral("0"));
    EXPECT_EQ(Editor()->QenNumEdit1->SelLength(), 0);
    EXPECT_EQ(Editor()->QenNumEdit1->CaretPos(), 1);
    QTest::keyClick(Editor()->QenNumEdit1, Qt::Key_7);
    QTest::keyClick(Editor()->QenNumEdit1, Qt::Key_Return);
    EXPECT_EQ(m_predate, 1);
    EXPECT_EQ(m_valoare.Tip(), Tip::Integer);
    EXPECT_EQ(m_valoare.AsInteger(), 7);
    EXPECT_EQ(m_coloana, Intreg);
    EXPECT_EQ(m_linie, m_grila->Linii().Items(0));
}

TEST_F(EditareTest, LetterOnATextColumnStartsTheTextWithIt)
{
    Apasa(Text, 2, Qt::Key_M);
    ASSERT_NE(Editor(), nullptr);
    ASSERT_TRUE(Editor()->Edit1->isVisible());
    EXPECT_FALSE(Editor()->QenNumEdit1->isVisible());
    EXPECT_EQ(Editor()->Edit1->text(), QStringLiteral("m"));
    EXPECT_EQ(Editor()->Edit1->cursorPosition(), 1);
    EXPECT_FALSE(Editor()->Edit1->hasSelectedText());
    QTest::keyClicks(Editor()->Edit1, QStringLiteral("ihai"));
    QTest::keyClick(Editor()->Edit1, Qt::Key_Enter);
    ASSERT_EQ(m_predate, 1);
    EXPECT_EQ(m_valoare.AsString(), QStringLiteral("mihai"));
    EXPECT_EQ(m_linie, m_grila->Linii().Items(1));
}

TEST_F(EditareTest, TypedDigitOnHundredthsComesBackAsIntegerHundredths)
{
    Apasa(Sutimi, 1, Qt::Key_5);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->QenNumEdit1->Text(), QStringLiteral("5"));
    EXPECT_EQ(Editor()->QenNumEdit1->CuDouaZecimale(), 500);
    EXPECT_EQ(Editor()->QenNumEdit1->SelLength(), 0);
    Editor()->BtnOK->click();
    ASSERT_EQ(m_predate, 1);
    EXPECT_EQ(m_valoare.Tip(), Tip::Integer);
    EXPECT_EQ(m_valoare.AsInteger(), 500);
    EXPECT_EQ(m_coloana, Sutimi);
    Inchide();
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(EditareTest, EnterEditsTheCellValueSelected)
{
    struct Caz
    {
        int coloana;
        QString text;
    };
    const Caz cazuri[] = {
        {Intreg, QStringLiteral("42")}, {Sutimi, QStringLiteral("12,34")}, {Suma, QStringLiteral("2,50")}};
    for (const Caz &c : cazuri) {
        Apasa(c.coloana, 3, Qt::Key_Return);
        ASSERT_NE(Editor(), nullptr) << c.coloana;
        EXPECT_EQ(Editor()->QenNumEdit1->Text(), c.text);
        EXPECT_EQ(Editor()->QenNumEdit1->SelText(), c.text);
        QTest::keyClick(Editor()->QenNumEdit1, Qt::Key_Escape);
        Inchide();
    }
    Apasa(Suma, 3, Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr);
    QTest::keyClick(Editor()->QenNumEdit1, Qt::Key_3);
    QTest::keyClick(Editor()->QenNumEdit1, Qt::Key_Enter);
    ASSERT_EQ(m_predate, 1);
    EXPECT_EQ(m_valoare.Tip(), Tip::Currency);
    EXPECT_EQ(m_valoare.AsCurrency(), 30000);

    Inchide();
    Apasa(Data, 1, Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr);
    ASSERT_TRUE(Editor()->DateTimePicker1->isVisible());
    EXPECT_EQ(Editor()->DateTimePicker1->date(), QDate(2004, 3, 5));
    Editor()->DateTimePicker1->setDate(QDate(2005, 4, 6));
    QTest::keyClick(Editor()->DateTimePicker1, Qt::Key_Return);
    ASSERT_EQ(m_predate, 2);
    EXPECT_EQ(m_valoare.AsDataLung(), QDate(2005, 4, 6));
}

TEST_F(EditareTest, EscapeClosesWithoutHandingBack)
{
    Apasa(Text, 1, Qt::Key_A);
    ASSERT_NE(Editor(), nullptr);
    QPointer<TQenVGridEditorForm> editor = Editor();
    QTest::keyClick(Editor()->Edit1, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    Apasa(Intreg, 1, Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr);
    Editor()->BtnCancel->click();
    Inchide();
    EXPECT_EQ(m_predate, 0);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(m_grila->hasFocus());
}

TEST_F(EditareTest, ClientRefusalKeepsTheEditorClosed)
{
    int intrebari = 0;
    m_grila->OnPotEdita = [&](TQenVirtualGridLine *, int, bool &permis) {
        ++intrebari;
        permis = false;
    };
    const std::pair<Qt::Key, Qt::KeyboardModifiers> taste[] = {{Qt::Key_Return, Qt::NoModifier},
                                                               {Qt::Key_5, Qt::NoModifier},
                                                               {Qt::Key_0, Qt::KeypadModifier},
                                                               {Qt::Key_Q, Qt::NoModifier},
                                                               {Qt::Key_F2, Qt::NoModifier}};
    for (const auto &[tasta, mod] : taste) {
        for (int c : {Intreg, Text, Data}) {
            Apasa(c, 2, tasta, mod);
            EXPECT_EQ(Editor(), nullptr) << tasta << " " << c;
        }
    }
    EXPECT_EQ(intrebari, 15);
}

TEST_F(EditareTest, NoEditingWithoutAValueOrFromAShortcut)
{
    // A cell the client leaves without a value.
    Apasa(FaraValoare, 1, Qt::Key_Return);
    EXPECT_EQ(Editor(), nullptr);
    Apasa(FaraValoare, 1, Qt::Key_5);
    EXPECT_EQ(Editor(), nullptr);
    // Shortcuts are not typing.
    Apasa(Text, 1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(EditareTest, AColumnMayTakeTheEditingOver)
{
    int apeluri = 0;
    bool folosesteEditorul = false;
    m_grila->Coloane().Items(Text)->OnApeleazaEditor = [&](TQenVirtualGridLine *l, bool &f) {
        ++apeluri;
        EXPECT_EQ(l, m_grila->Linii().Items(0));
        EXPECT_FALSE(f);
        f = folosesteEditorul;
    };
    Apasa(Text, 1, Qt::Key_Return);
    EXPECT_EQ(apeluri, 1);
    EXPECT_EQ(Editor(), nullptr);
    folosesteEditorul = true;
    Apasa(Text, 1, Qt::Key_Return);
    EXPECT_EQ(apeluri, 2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Editor()->Edit1->text(), QStringLiteral("Ionescu"));
    EXPECT_EQ(Editor()->Edit1->selectedText(), QStringLiteral("Ionescu"));
}

TEST_F(EditareTest, EditorSitsOverTheCellAsWideAsItsColumn)
{
    m_grila->Coloane().Items(Text)->SetWidth(300);
    Apasa(Text, 1, Qt::Key_Return);
    ASSERT_NE(Editor(), nullptr);
    const QRect celula = m_grila->CellRect(Text, 1);
    EXPECT_EQ(Editor()->pos(), m_grila->viewport()->mapToGlobal(celula.topLeft()));
    EXPECT_EQ(Editor()->width(), 300);
    EXPECT_EQ(Editor()->height(), celula.height() + 1);
    EXPECT_EQ(Editor()->BtnCancel->geometry(), QRect(300 - 24, 0, 24, 24));
    EXPECT_EQ(Editor()->BtnOK->geometry(), QRect(300 - 48, 0, 24, 24));
    EXPECT_EQ(Editor()->Edit1->width(), 300 - 48);
    EXPECT_EQ(Editor()->palette().color(QPalette::Window), QColor(249, 251, 217));
    EXPECT_TRUE(Editor()->windowFlags() & Qt::FramelessWindowHint);
}

TEST(QenVGridEditorForm, UnknownKindsRaise)
{
    TQenVGridEditorForm editor;
    for (Tip tip : {Tip::Auto, Tip::Ask, static_cast<Tip>(9), static_cast<Tip>(-1)}) {
        TQenValoareDate v;
        v.Seteaza(QVariant(), tip);
        EXPECT_EQ(MesajDin([&] { editor.Incarca(v, std::nullopt); }), QStringLiteral("Nu cunosc tipul"))
            << int(tip);
    }
}
