#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "editors/UQenEditors.h"
#include "editors/UTextNumeric.h"

TEST(TextNumeric, AcceptsNumbersOnlyAndShowsTheDecimalComma)
{
    struct Caz
    {
        QString text;
        int zecimale;
        bool acceptat;
        QString rezultat;
    };
    const QString n17 = QStringLiteral("12345678901234567");
    const Caz cazuri[] = {
        {QString(), 2, true, QString()},
        {QStringLiteral("9.5"), 2, true, QStringLiteral("9,5")},
        {QStringLiteral("9,63"), 2, true, QStringLiteral("9,63")},
        {QStringLiteral("9,635"), 2, false, {}},
        {QStringLiteral("9,6399"), 4, true, QStringLiteral("9,6399")},
        {QStringLiteral("9,"), 0, true, QStringLiteral("9,")},
        {QStringLiteral("9,5"), 0, false, {}},
        {QStringLiteral("-"), 2, true, QStringLiteral("-")},
        {QStringLiteral("-9,5"), 2, true, QStringLiteral("-9,5")},
        {QStringLiteral("--9"), 2, false, {}},
        {QStringLiteral("9-"), 2, false, {}},
        {QStringLiteral("9-5"), 2, false, {}},
        {QStringLiteral("1,2,3"), 2, false, {}},
        {QStringLiteral("1.2,"), 2, false, {}},
        {QStringLiteral("9a"), 2, false, {}},
        {QStringLiteral(" 9"), 2, false, {}},
        {QStringLiteral("+9"), 2, false, {}},
        {QStringLiteral("9") + QChar(0x0663), 2, false, {}},
        {n17, 2, true, n17},
        {n17 + QStringLiteral("8"), 2, false, {}},
        {QStringLiteral("-") + n17.left(16), 2, true, QStringLiteral("-") + n17.left(16)},
        {QStringLiteral("-") + n17, 2, false, {}},
        {n17.left(15) + QStringLiteral(".12"), 2, true, n17.left(15) + QStringLiteral(",12")},
        {n17.left(16) + QStringLiteral(",12"), 2, false, {}},
    };
    for (const Caz &c : cazuri) {
        QString text = c.text;
        EXPECT_EQ(TextNumeric::Accepta(text, c.zecimale), c.acceptat) << c.text.toStdString();
        if (c.acceptat) {
            EXPECT_EQ(text, c.rezultat);
        }
    }
}

TEST(TextNumeric, ThousandsMarksFollowTheIntegerDigits)
{
    EXPECT_EQ(TextNumeric::PozitiiMarcajeMii(QStringLiteral("123")), QList<int>{});
    EXPECT_EQ(TextNumeric::PozitiiMarcajeMii(QStringLiteral("1234")), QList<int>{0});
    EXPECT_EQ(TextNumeric::PozitiiMarcajeMii(QStringLiteral("-1234567,891")), (QList<int>{1, 4}));
    EXPECT_EQ(TextNumeric::PozitieVirgula(QStringLiteral("-12,5")), 3);
    EXPECT_EQ(TextNumeric::PozitieVirgula(QStringLiteral("125")), -1);
}

TEST(QenNumEdit, NumericPropertiesReadTheText)
{
    struct Caz
    {
        QString text;
        qint64 asCurrency, cuDoua, cuPatru, cuDoiPatru, faraZecimale;
    };
    const Caz cazuri[] = {
        {QString(), 0, 0, 0, 0, 0},
        {QStringLiteral("9,6"), 96000, 960, 96000, 96000, 9},
        {QStringLiteral("9,63"), 96300, 963, 96300, 96300, 9},
        {QStringLiteral("10"), 100000, 1000, 100000, 100000, 10},
        {QStringLiteral("-9,5"), -95000, -950, -95000, -95000, -9},
        {QStringLiteral(",5"), 5000, 50, 5000, 5000, 0},
        {QStringLiteral("-"), 0, 0, 0, 0, 0},
        {QStringLiteral("9,6399"), 96399, 963, 96399, 96300, 9},
    };
    TQenNumEdit e;
    e.SetNrCifreDupaVirgula(4);
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.text.toStdString());
        e.SetText(QStringLiteral("0"));
        e.SetText(c.text);
        ASSERT_EQ(e.Text(), c.text);
        EXPECT_EQ(e.AsCurrency(), c.asCurrency);
        EXPECT_EQ(e.CuDouaZecimale(), c.cuDoua);
        EXPECT_EQ(e.CuPatruZecimale(), c.cuPatru);
        EXPECT_EQ(e.CuDoiPatruZecimale(), c.cuDoiPatru);
        EXPECT_EQ(e.FaraZecimale(), c.faraZecimale);
        EXPECT_EQ(e.property("CuDouaZecimale").toLongLong(), c.cuDoua);
    }
}

TEST(QenNumEdit, NumericPropertiesWriteTheText)
{
    struct Caz
    {
        const char *proprietate;
        qint64 valoare;
        QString text; // empty: refused, the text stays "7"
    };
    const Caz cazuri[] = {
        {"AsCurrency", 96000, QStringLiteral("9,60")},
        {"AsCurrency", 96399, QStringLiteral("9,63")},
        {"AsCurrency", 0, QStringLiteral("0,00")},
        {"AsCurrency", -5000, QStringLiteral("-0,50")},
        {"AsCurrency", 100000, QStringLiteral("10,00")},
        {"CuDouaZecimale", 960, QStringLiteral("9,60")},
        {"CuDouaZecimale", 905, QStringLiteral("9,05")},
        {"CuDouaZecimale", 1000, QStringLiteral("10")},
        {"CuDouaZecimale", 5, QStringLiteral("0,05")},
        {"CuDouaZecimale", -905, QStringLiteral("-9,05")},
        {"CuPatruZecimale", 100000, QStringLiteral("10")},
        {"CuPatruZecimale", 96300, QString()}, // four decimals do not fit two
        {"CuDoiPatruZecimale", 96399, QStringLiteral("9,63")},
        {"FaraZecimale", -12, QStringLiteral("-12")},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(std::string(c.proprietate) + " " + std::to_string(c.valoare));
        TQenNumEdit e;
        e.SetText(QStringLiteral("7"));
        EXPECT_TRUE(e.setProperty(c.proprietate, QVariant::fromValue(c.valoare)));
        EXPECT_EQ(e.Text(), c.text.isEmpty() ? QStringLiteral("7") : c.text);
    }
}

TEST(QenNumEdit, StartsWithItsDefaults)
{
    TQenNumEdit e;
    EXPECT_EQ(e.size(), QSize(100, 24));
    EXPECT_TRUE(e.RightAlignNonEdit());
    EXPECT_FALSE(e.NoDots());
    EXPECT_EQ(e.NrCifreDupaVirgula(), 2);
    EXPECT_TRUE(e.AutoSelectOnEnter());
    EXPECT_FALSE(e.KeepSelection());
    EXPECT_EQ(e.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(e.cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(e.StareVizuala(), TQenStareVizuala::Cold);
    EXPECT_FALSE(e.property("Version").toString().isEmpty());
    EXPECT_EQ(TQenTextEditStyleRepository::Implicit().Stil(TQenStareVizuala::Cold).Font.family(),
              QStringLiteral("Arial"));
    EXPECT_EQ(TQenTextEditStyleRepository::Implicit().Stil(TQenStareVizuala::Cold).Font.pointSize(), 9);
    TQenTextEdit t;
    EXPECT_FALSE(t.RightAlignNonEdit());
}

TEST(QenNumEdit, TypingRefusesWhatCannotFormANumber)
{
    TQenNumEdit e;
    QSignalSpy schimbari(&e, &TQenNumEdit::OnChange);
    QTest::keyClicks(&e, QStringLiteral("9.5"));
    EXPECT_EQ(e.Text(), QStringLiteral("9,5"));
    EXPECT_EQ(schimbari.count(), 3);
    QTest::keyClicks(&e, QStringLiteral("31"));
    EXPECT_EQ(e.Text(), QStringLiteral("9,53")) << "a third decimal is refused";
    QTest::keyClicks(&e, QStringLiteral("-a ,."));
    EXPECT_EQ(e.Text(), QStringLiteral("9,53")) << "a minus after a digit, letters, a second separator";
    EXPECT_EQ(schimbari.count(), 4);
    QTest::keyClick(&e, Qt::Key_Home);
    QTest::keyClick(&e, Qt::Key_Minus);
    EXPECT_EQ(e.Text(), QStringLiteral("-9,53"));
    EXPECT_EQ(e.CaretPos(), 1);
    QTest::keyClick(&e, Qt::Key_Home);
    QTest::keyClick(&e, Qt::Key_Minus);
    EXPECT_EQ(e.Text(), QStringLiteral("-9,53")) << "a second minus is refused";
    EXPECT_EQ(e.CaretPos(), 0);
    EXPECT_EQ(e.AsCurrency(), -95300);

    // A typed character replaces the selection.
    QTest::keyClick(&e, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClicks(&e, QStringLiteral("8"));
    EXPECT_EQ(e.Text(), QStringLiteral("8"));
    EXPECT_EQ(e.CaretPos(), 1);
    EXPECT_EQ(e.SelLength(), 0);
}

TEST(QenNumEdit, EditingKeysAndTheClipboard)
{
    TQenNumEdit e;
    e.SetText(QStringLiteral("123,45"));
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.Text(), QStringLiteral("123,4"));
    QTest::keyClick(&e, Qt::Key_Home);
    QTest::keyClick(&e, Qt::Key_Delete);
    EXPECT_EQ(e.Text(), QStringLiteral("23,4"));
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.Text(), QStringLiteral("23,4")) << "nothing before the caret";

    // Words end at "," and ".".
    QTest::keyClick(&e, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(e.CaretPos(), 3);
    QTest::keyClick(&e, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(e.CaretPos(), 4);
    QTest::keyClick(&e, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.CaretPos(), 3);
    EXPECT_EQ(e.SelText(), QStringLiteral("4"));
    QTest::keyClick(&e, Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(e.CaretPos(), 0);
    EXPECT_EQ(e.SelLength(), 4);
    EXPECT_EQ(e.SelText(), QStringLiteral("23,4"));

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("gol"));
    QTest::keyClick(&e, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("23,4"));
    QTest::keyClick(&e, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(e.Text(), QString()) << "Shift+Delete cuts";
    QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.Text(), QStringLiteral("23,4")) << "the second paste would make two commas";
    e.SelectAll();
    clipboard->setText(QStringLiteral("gol"));
    QTest::keyClick(&e, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("23,4")) << "Ctrl+Delete copies";
    EXPECT_EQ(e.Text(), QStringLiteral("23,4"));
    QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(e.Text(), QString());
    clipboard->setText(QStringLiteral("12abc"));
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.Text(), QString()) << "a paste that is no number is refused";

    // Read-only: moving and copying only.
    e.SetText(QStringLiteral("5"));
    e.SetReadOnly(true);
    QTest::keyClicks(&e, QStringLiteral("6"));
    QTest::keyClick(&e, Qt::Key_Backspace);
    EXPECT_EQ(e.Text(), QStringLiteral("5"));
}

TEST(QenNumEdit, ArrowKeysTellTheSurroundingGrid)
{
    TQenNumEdit e;
    e.SetText(QStringLiteral("12"));
    QSignalSpy stanga(&e, &TQenNumEdit::OnLeft), dreapta(&e, &TQenNumEdit::OnRight),
        sus(&e, &TQenNumEdit::OnUp), jos(&e, &TQenNumEdit::OnDown);
    QTest::keyClick(&e, Qt::Key_Right);
    EXPECT_EQ(dreapta.count(), 1) << "the caret is at the end";
    QTest::keyClick(&e, Qt::Key_Up);
    EXPECT_EQ(sus.count(), 1);
    EXPECT_EQ(e.CaretPos(), 1);
    QTest::keyClick(&e, Qt::Key_Left);
    EXPECT_EQ(stanga.count(), 0);
    QTest::keyClick(&e, Qt::Key_Left);
    EXPECT_EQ(stanga.count(), 1);
    QTest::keyClick(&e, Qt::Key_Down);
    EXPECT_EQ(jos.count(), 1);
    EXPECT_EQ(e.CaretPos(), 1);
    QTest::keyClick(&e, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(&e, Qt::Key_Right);
    EXPECT_EQ(dreapta.count(), 1) << "with a selection the caret moves first";
}

TEST(QenNumEdit, TheTextMustFitTheShownControl)
{
    QWidget fereastra;
    auto *e = new TQenNumEdit(&fereastra);
    e->resize(50, 24);
    const QString lung = QStringLiteral("12345678901234567");
    e->SetText(lung);
    EXPECT_EQ(e->Text(), lung) << "not shown yet: the control has no width of its own";
    e->SetText(QString());
    fereastra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fereastra));
    e->SetText(lung);
    EXPECT_EQ(e->Text(), QString());
    e->SetText(QStringLiteral("9,5"));
    EXPECT_EQ(e->Text(), QStringLiteral("9,5"));
    e->resize(400, 24);
    e->SetText(lung);
    EXPECT_EQ(e->Text(), lung);
}

TEST(QenNumEdit, FocusSelectsAndEnterMovesOnlyForward)
{
    QWidget fereastra;
    auto *strat = new QVBoxLayout(&fereastra);
    auto *inainte = new QLineEdit(&fereastra);
    auto *e = new TQenNumEdit(&fereastra);
    auto *dupa = new QLineEdit(&fereastra);
    strat->addWidget(inainte);
    strat->addWidget(e);
    strat->addWidget(dupa);
    e->SetText(QStringLiteral("9,5"));
    fereastra.show();
    QApplication::setActiveWindow(&fereastra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fereastra));

    e->setFocus();
    ASSERT_TRUE(e->hasFocus());
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Hot);
    EXPECT_EQ(e->SelText(), QStringLiteral("9,5"));
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_TRUE(dupa->hasFocus());
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Cold);

    // The last control of its parent keeps the focus: no wrap-around.
    strat->removeWidget(dupa);
    delete dupa;
    e->SetAutoSelectOnEnter(false);
    e->setFocus();
    EXPECT_EQ(e->SelLength(), 0);
    EXPECT_EQ(e->CaretPos(), 3);
    QTest::keyClick(e, Qt::Key_Enter);
    EXPECT_TRUE(e->hasFocus());
}

TEST(QenNumEdit, VisualStatesFollowFocusAndPointer)
{
    QWidget fereastra;
    auto *strat = new QVBoxLayout(&fereastra);
    auto *altul = new QLineEdit(&fereastra);
    auto *e = new TQenNumEdit(&fereastra);
    strat->addWidget(altul);
    strat->addWidget(e);
    fereastra.show();
    QApplication::setActiveWindow(&fereastra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fereastra));
    altul->setFocus();

    const auto intra = [e] {
        QEnterEvent ev(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(e, &ev);
    };
    const auto iese = [e] {
        QEvent ev(QEvent::Leave);
        QApplication::sendEvent(e, &ev);
    };
    const auto misca = [e](QPointF unde, Qt::MouseButtons butoane) {
        QMouseEvent ev(QEvent::MouseMove, unde, e->mapToGlobal(unde), Qt::NoButton, butoane, Qt::NoModifier);
        QApplication::sendEvent(e, &ev);
    };
    const auto elibereaza = [e] {
        QMouseEvent ev(QEvent::MouseButtonRelease, QPointF(5, 5), e->mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(e, &ev);
    };

    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Cold);
    misca(QPointF(5, 5), Qt::NoButton);
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Hover);
    iese();
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Cold);
    intra();
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Hover);
    misca(QPointF(-20, 5), Qt::LeftButton);
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Cold) << "dragged outside while holding the mouse";
    intra();
    e->setFocus();
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Hot);
    iese();
    misca(QPointF(5, 5), Qt::NoButton);
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Hot) << "pointer moves do not cool a focused control";
    elibereaza();
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Hot);

    e->SetReadOnly(true);
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::ReadOnlyHot);
    altul->setFocus();
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::ReadOnlyCold);
    misca(QPointF(5, 5), Qt::NoButton);
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::ReadOnlyHover);
    elibereaza();
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::ReadOnlyCold) << "mouse released without the focus";
    e->SetReadOnly(false);
    EXPECT_EQ(e->StareVizuala(), TQenStareVizuala::Cold);
}

namespace {

int NumaraPixeli(const QImage &imagine, const std::function<bool(QColor)> &conditie)
{
    int n = 0;
    for (int y = 0; y < imagine.height(); ++y)
        for (int x = 0; x < imagine.width(); ++x)
            if (conditie(imagine.pixelColor(x, y)))
                ++n;
    return n;
}

bool Rosu(QColor c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

bool Albastru(QColor c)
{
    return c.blue() > 200 && c.red() < 80 && c.green() < 80;
}

// The leftmost column holding a dark pixel of the text.
int PrimaColoanaCuText(const QImage &imagine)
{
    for (int x = 3; x < imagine.width() - 3; ++x)
        for (int y = 3; y < imagine.height() - 3; ++y)
            if (qGray(imagine.pixel(x, y)) < 128)
                return x;
    return -1;
}

} // namespace

TEST(QenNumEdit, PaintsNegativesRedWithThousandsMarksAndTheComma)
{
    TQenNumEdit e;
    e.resize(200, 24);
    e.SetText(QStringLiteral("1234567"));
    const QImage cuMarcaje = e.grab().toImage();
    EXPECT_GT(NumaraPixeli(cuMarcaje, Albastru), 0);
    EXPECT_EQ(NumaraPixeli(cuMarcaje, Rosu), 0);
    e.SetNoDots(true);
    EXPECT_EQ(NumaraPixeli(e.grab().toImage(), Albastru), 0);

    e.SetText(QStringLiteral("-12"));
    EXPECT_GT(NumaraPixeli(e.grab().toImage(), Rosu), 10) << "negative text in red";
    e.SetText(QStringLiteral("12,5"));
    EXPECT_EQ(NumaraPixeli(e.grab().toImage(), Rosu), 0) << "NoDots also hides the comma line";
    e.SetNoDots(false);
    EXPECT_GT(NumaraPixeli(e.grab().toImage(), Rosu), 3) << "the comma line";

    // Right-aligned while it does not have the focus; left-aligned otherwise.
    e.SetNoDots(true);
    EXPECT_GT(PrimaColoanaCuText(e.grab().toImage()), 150);
    e.SetRightAlignNonEdit(false);
    EXPECT_LT(PrimaColoanaCuText(e.grab().toImage()), 10);
}

TEST(QenNumEdit, TheSelectionShowsWithTheFocusOrWhenKept)
{
    QWidget fereastra;
    auto *strat = new QVBoxLayout(&fereastra);
    auto *altul = new QLineEdit(&fereastra);
    auto *e = new TQenNumEdit(&fereastra);
    strat->addWidget(altul);
    strat->addWidget(e);
    e->SetText(QStringLiteral("8888"));
    fereastra.show();
    QApplication::setActiveWindow(&fereastra);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fereastra));

    const QColor evidentiere = e->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor deschisa((evidentiere.red() + 255) / 2, (evidentiere.green() + 255) / 2,
                          (evidentiere.blue() + 255) / 2);
    const auto pixeli = [e](QColor culoare) {
        return NumaraPixeli(e->grab().toImage(), [culoare](QColor c) { return c.rgb() == culoare.rgb(); });
    };
    e->setFocus();
    EXPECT_GT(pixeli(evidentiere), 20) << "the whole text is selected on entry";
    altul->setFocus();
    EXPECT_EQ(e->SelText(), QStringLiteral("8888")) << "kept, only not shown";
    EXPECT_EQ(pixeli(evidentiere) + pixeli(deschisa), 0);
    e->SetKeepSelection(true);
    EXPECT_EQ(pixeli(evidentiere), 0);
    EXPECT_GT(pixeli(deschisa), 20);
}
