#include <functional>
#include <set>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "comun/Exceptie.h"
#include "controls/MesajExceptie.h"
#include "controls/LargeFontScaler.h"
#include "controls/QenGridDesen.h"
#include "controls/QenVirtualGrid.h"
#include "support/MesajeTest.h"

namespace {

using Tip = TQenTipDeDateColoana;

struct TLinieTest : TQenVirtualGridLine
{
    explicit TLinieTest(int id) : id(id) {}
    int id;
};

// A shown grid at a fixed size and the 1:1 ratio, whatever the data folder holds.
class GrilaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StabilesteRaportScalare(&m_raport);
        m_grila = std::make_unique<TQenVirtualGrid>();
        m_grila->resize(800, 600);
    }
    void TearDown() override
    {
        m_grila.reset();
        StabilesteRaportScalare(nullptr);
    }

    TQenVirtualGridColumn *Coloana(const QString &nume, Tip tip = Tip::String, int latime = 128)
    {
        TQenVirtualGridColumn *c = m_grila->Coloane().Add();
        c->SetNumeColoana(nume);
        c->SetTipDeDate(tip);
        c->SetWidth(latime);
        return c;
    }
    void Linii(int n)
    {
        m_grila->BeginUpdate();
        for (int i = 0; i < n; ++i)
            m_grila->Linii().Add(std::make_unique<TLinieTest>(i));
        m_grila->EndUpdate();
    }
    void Arata()
    {
        m_grila->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_grila.get()));
    }
    QImage Imagine() { return m_grila->viewport()->grab().toImage(); }
    QColor Pixel(const QImage &img, int c, int r) { return img.pixelColor(m_grila->CellRect(c, r).center()); }
    void MutaMouse(int c, int r)
    {
        const QPointF p = m_grila->CellRect(c, r).center();
        QMouseEvent e(QEvent::MouseMove, p, m_grila->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(m_grila->viewport(), &e);
    }

    TRaportScalare m_raport{1, 1};
    std::unique_ptr<TQenVirtualGrid> m_grila;
};

} // namespace

TEST_F(GrilaTest, UpdatesNestAndReLayOutOnceAtTheOutermostEnd)
{
    EXPECT_EQ(MesajDin([&] { m_grila->EndUpdate(); }), QStringLiteral("EndUpdate fara BeginUpdate"));
    Coloana(QStringLiteral("A"));
    QSignalSpy rearanjari(m_grila.get(), &TQenVirtualGrid::Rearanjat);
    m_grila->BeginUpdate();
    m_grila->BeginUpdate();
    for (int i = 0; i < 3; ++i)
        m_grila->Linii().Add(std::make_unique<TLinieTest>(i));
    m_grila->EndUpdate();
    EXPECT_EQ(rearanjari.count(), 0);
    EXPECT_EQ(m_grila->RowCount(), 1);
    m_grila->EndUpdate();
    EXPECT_EQ(rearanjari.count(), 1);
    EXPECT_EQ(m_grila->RowCount(), 4);
    EXPECT_EQ(m_grila->FixedRows(), 1);
    EXPECT_EQ(MesajDin([&] { m_grila->EndUpdate(); }), QStringLiteral("EndUpdate fara BeginUpdate"));

    // Clearing is one re-layout too.
    m_grila->Linii().Clear();
    EXPECT_EQ(rearanjari.count(), 2);
    EXPECT_EQ(m_grila->RowCount(), 1);
}

TEST_F(GrilaTest, EmptyGridIsOneHeaderCell)
{
    EXPECT_EQ(m_grila->ColCount(), 1);
    EXPECT_EQ(m_grila->RowCount(), 1);
    EXPECT_EQ(m_grila->FixedRows(), 0);
    EXPECT_EQ(m_grila->FixedCols(), 0);
    EXPECT_EQ(m_grila->HeaderHeight(), 48);
    // Painted as a header: the header background, not the window's.
    Arata();
    EXPECT_EQ(Pixel(Imagine(), 0, 0), CuloareDinNumar(14482163));

    // Columns and no lines: still one row, not fixed.
    Coloana(QStringLiteral("A"));
    Coloana(QStringLiteral("B"));
    EXPECT_EQ(m_grila->ColCount(), 2);
    EXPECT_EQ(m_grila->RowCount(), 1);
    EXPECT_EQ(m_grila->FixedRows(), 0);
    m_grila->SetHeaderHeight(60);
    EXPECT_EQ(m_grila->HeaderHeight(), 60);
    Linii(2);
    EXPECT_EQ(m_grila->HeaderHeight(), 60);
    EXPECT_EQ(m_grila->RowHeights(1), 24);
}

TEST_F(GrilaTest, FixedColumnRules)
{
    struct Caz
    {
        int coloane, nrFixe, fixe;
    };
    const Caz cazuri[] = {{3, 0, 0}, {3, 1, 1}, {3, 2, 2}, {3, 3, 1},
                          {3, 7, 1}, {1, 1, 0}, {1, 0, 0}, {2, 2, 1}};
    for (const Caz &c : cazuri) {
        TQenVirtualGrid grila;
        for (int i = 0; i < c.coloane; ++i)
            grila.Coloane().Add();
        grila.SetNrColoaneFixe(c.nrFixe);
        EXPECT_EQ(grila.FixedCols(), c.fixe) << c.coloane << " coloane, NrColoaneFixe " << c.nrFixe;
    }
}

TEST_F(GrilaTest, SizesScaleByTheRatio)
{
    const TRaportScalare raport{3, 2};
    StabilesteRaportScalare(&raport);
    ASSERT_EQ(m_grila->logicalDpiY(), 96);
    Coloana(QStringLiteral("A"));
    Linii(2);
    m_grila->Linii().Items(1)->Inaltime = 30;
    m_grila->Rearanjeaza();
    EXPECT_EQ(m_grila->ColWidths(0), 192);
    EXPECT_EQ(m_grila->RowHeights(1), 36);
    EXPECT_EQ(m_grila->RowHeights(2), 45);
    // The header is not scaled.
    EXPECT_EQ(m_grila->RowHeights(0), 48);
}

TEST_F(GrilaTest, CellTextComesFromTheClientByTheColumnType)
{
    Coloana(QStringLiteral("Suma"), Tip::Integer);
    Coloana(QStringLiteral("Text"), Tip::Auto);
    Linii(1);
    TQenVirtualGridLine *linie = m_grila->Linii().Items(0);
    EXPECT_EQ(m_grila->TextCelula(0, linie), QStringLiteral("!NoData!"));

    TQenValoareDate dat;
    m_grila->OnGetCellValue = [&](TQenVirtualGridLine *, int, TQenValoareDate &v) { v = dat; };
    dat.SetString(QStringLiteral("x"));
    EXPECT_EQ(MesajDin([&] { m_grila->TextCelula(0, linie); }),
              QStringLiteral("Nepotrivire de date cand citesc coloana Suma"));
    EXPECT_EQ(m_grila->TextCelula(1, linie), QStringLiteral("x"));
    dat.Seteaza(QVariant(), Tip::Ask);
    EXPECT_EQ(m_grila->TextCelula(0, linie), QStringLiteral("!NoData!"));
    dat = TQenValoareDate();
    EXPECT_EQ(MesajDin([&] { m_grila->TextCelula(1, linie); }),
              QStringLiteral("Bug! Nu stiu citi tipul de date!"));

    dat.SetInteger(12);
    m_grila->OnCustomText = [](TQenVirtualGridLine *, const TQenValoareDate &v, QString &text, int coloana) {
        text = QStringLiteral("%1:%2:%3").arg(coloana).arg(text).arg(v.AsInteger());
    };
    EXPECT_EQ(m_grila->TextCelula(0, linie), QStringLiteral("0:12:12"));
    m_grila->Coloane().Items(0)->OnGetText = [](TQenVirtualGridLine *, QString &text) {
        text = QStringLiteral("doar");
    };
    EXPECT_EQ(m_grila->TextCelula(0, linie), QStringLiteral("doar"));

    EXPECT_EQ(MesajDin([&] { linie->SetStil(11); }), QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    EXPECT_EQ(MesajDin([&] { linie->SetStil(0); }), QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    EXPECT_EQ(MesajDin([&] { m_grila->Coloane().Items(0)->Stil(0); }),
              QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    EXPECT_EQ(MesajDin([&] { m_grila->Coloane().Items(0)->Stil(11); }),
              QStringLiteral("Sunt definite stiluri de la 1 la 10"));
}

TEST_F(GrilaTest, DataCellsPaintInTheStyleTheLineChooses)
{
    m_grila->SetNrColoaneFixe(0);
    TQenVirtualGridColumn *a = Coloana(QStringLiteral("A"));
    const QColor fundal[] = {QColor(255, 255, 255), QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200)};
    for (int s = 1; s <= 4; ++s)
        a->Stil(s).SetCuloareBackgroundNormal(fundal[s - 1]);
    a->Stil(2).SetActiv(true);
    a->Stil(3).SetActiv(true);
    Linii(4);
    m_grila->Linii().Items(0)->SetStil(4);
    m_grila->Linii().Items(1)->SetStil(2);
    m_grila->Linii().Items(2)->SetStil(4);
    m_grila->Linii().Items(2)->CuloareFundal = QColor(10, 20, 30);
    m_grila->Linii().Items(3)->SetStil(4);
    m_grila->OnGetCellValue = [](TQenVirtualGridLine *, int, TQenValoareDate &v) { v.SetString(QString()); };
    // The cell in view that is current paints selected; move it away from those checked.
    m_grila->OnFormatCell = [](TQenVirtualGridLine *linie, int, TQenFont &, QColor &f) {
        if (static_cast<TLinieTest *>(linie)->id == 3)
            f = QColor(1, 2, 3);
    };
    Arata();
    const QImage img = Imagine();
    EXPECT_EQ(Pixel(img, 0, 1), m_grila->Coloane().Items(0)->Stil(1).CuloareBackgroundSelectat());
    EXPECT_EQ(Pixel(img, 0, 2), fundal[1]);
    EXPECT_EQ(Pixel(img, 0, 3), QColor(10, 20, 30));
    EXPECT_EQ(Pixel(img, 0, 4), QColor(1, 2, 3));

    // The current line paints in style 3's selected colours.
    a->Stil(3).SetCuloareBackgroundSelectat(QColor(50, 60, 70));
    EXPECT_EQ(Pixel(Imagine(), 0, 1), QColor(50, 60, 70));

    // With only Stil1 active, every line takes Stil1.
    a->Stil(2).SetActiv(false);
    a->Stil(3).SetActiv(false);
    ASSERT_TRUE(m_grila->FocusCell(0, 3));
    const QImage doar1 = Imagine();
    EXPECT_EQ(Pixel(doar1, 0, 2), fundal[0]);
    EXPECT_EQ(Pixel(doar1, 0, 1), fundal[0]);
}

TEST_F(GrilaTest, TitleWrapsOntoThreeLinesCentredInTheHeader)
{
    m_grila->SetNrColoaneFixe(0);
    Coloana(QStringLiteral("Aaa Bbb Ccc"), Tip::String, 40);
    m_grila->SetHeaderHeight(80);
    Arata();
    const QImage img = Imagine();
    const QRect d = m_grila->CellRect(0, 0);
    // Rows of the header that hold dark title ink, in runs.
    QList<QPair<int, int>> linii;
    bool inLinie = false;
    for (int y = d.top() + 1; y < d.bottom() - 6; ++y) {
        bool cerneala = false;
        for (int x = d.left() + 3; x < d.right() - 3; ++x)
            cerneala = cerneala || img.pixelColor(x, y).lightness() < 120;
        if (cerneala && !inLinie)
            linii.append({y, y});
        if (cerneala)
            linii.last().second = y;
        inLinie = cerneala;
    }
    ASSERT_EQ(linii.size(), 3);
    const int mijlocBloc = (linii.first().first + linii.last().second) / 2;
    EXPECT_NEAR(mijlocBloc, d.top() + d.height() / 2, 4);
}

TEST_F(GrilaTest, AdjacentColumnsShareOneBand)
{
    m_grila->SetNrColoaneFixe(0);
    for (int i = 0; i < 5; ++i) {
        TQenVirtualGridColumn *c = Coloana(QStringLiteral("T"), Tip::String, 60);
        if (i >= 1 && i <= 3)
            c->SetUmbrela1(QStringLiteral("x|Grupa"));
    }
    Arata();
    const QImage img = Imagine();
    // The band's navy ink, in the band's height at the top of the header.
    int minim = img.width(), maxim = -1;
    for (int y = 1; y < 16; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.blue() > p.red() + 60 && p.blue() > p.green() + 60) {
                minim = std::min(minim, x);
                maxim = std::max(maxim, x);
            }
        }
    }
    ASSERT_GE(maxim, 0);
    EXPECT_GT(minim, 60);
    EXPECT_LT(maxim, 240);
    // Centred over columns 1 to 3 (60 to 240), not over one of them.
    EXPECT_NEAR((minim + maxim) / 2, 150, 3);
    EXPECT_GT(maxim - minim, 20);
}

TEST_F(GrilaTest, HoverHighlightFadesOverFiveTicks)
{
    m_grila->SetNrColoaneFixe(1);
    Coloana(QStringLiteral("Nr"));
    Coloana(QStringLiteral("A"));
    Linii(3);
    m_grila->OnGetCellValue = [](TQenVirtualGridLine *, int, TQenValoareDate &v) { v.SetString(QString()); };
    Arata();
    ASSERT_TRUE(m_grila->FocusCell(1, 3));

    // Fixed columns and the header take no highlight.
    MutaMouse(0, 1);
    MutaMouse(1, 0);
    EXPECT_TRUE(m_grila->CeluleFierbinti().isEmpty());
    EXPECT_FALSE(m_grila->Ticker().isActive());

    MutaMouse(1, 1);
    ASSERT_EQ(m_grila->CeluleFierbinti().size(), 1);
    EXPECT_EQ(m_grila->CeluleFierbinti().first().Intensitate, 10);
    EXPECT_TRUE(m_grila->Ticker().isActive());
    EXPECT_EQ(m_grila->Ticker().interval(), 100);
    const QColor normal = m_grila->Coloane().Items(1)->Stil(1).CuloareBackgroundNormal();
    EXPECT_EQ(Pixel(Imagine(), 1, 1), CuloareFierbinte(normal, 10));

    MutaMouse(1, 2);
    for (int intensitate : {8, 6, 4, 2}) {
        m_grila->TickTack();
        ASSERT_EQ(m_grila->CeluleFierbinti().size(), 2);
        EXPECT_EQ(m_grila->CeluleFierbinti().at(0).Intensitate, intensitate);
        // The cell under the mouse stays hot.
        EXPECT_EQ(m_grila->CeluleFierbinti().at(1).Intensitate, 10);
    }
    EXPECT_EQ(Pixel(Imagine(), 1, 1), CuloareFierbinte(normal, 2));
    m_grila->TickTack();
    ASSERT_EQ(m_grila->CeluleFierbinti().size(), 1);
    EXPECT_EQ(Pixel(Imagine(), 1, 1), normal);

    // Back over a fading cell: hot again.
    QEvent iesire(QEvent::Leave);
    QApplication::sendEvent(m_grila->viewport(), &iesire);
    m_grila->TickTack();
    EXPECT_EQ(m_grila->CeluleFierbinti().first().Intensitate, 8);
    MutaMouse(1, 2);
    EXPECT_EQ(m_grila->CeluleFierbinti().first().Intensitate, 10);
    QApplication::sendEvent(m_grila->viewport(), &iesire);
    for (int i = 0; i < 5; ++i)
        m_grila->TickTack();
    EXPECT_TRUE(m_grila->CeluleFierbinti().isEmpty());
}

TEST_F(GrilaTest, WholeRowSelectionHighlightsTheRow)
{
    m_grila->SetNrColoaneFixe(1);
    for (int i = 0; i < 4; ++i)
        Coloana(QStringLiteral("C"));
    Linii(3);
    m_grila->SetOptiuni(TQenOptiuneGrila::goSelectezLinia);
    m_grila->OnGetCellValue = [](TQenVirtualGridLine *, int, TQenValoareDate &v) { v.SetString(QString()); };
    Arata();
    MutaMouse(2, 2);
    std::set<int> coloane;
    for (const TQenCelulaGrid &h : m_grila->CeluleFierbinti()) {
        EXPECT_EQ(h.Rand, 2);
        coloane.insert(h.Coloana);
    }
    EXPECT_EQ(coloane, (std::set<int>{1, 2, 3}));

    ASSERT_TRUE(m_grila->FocusCell(2, 3));
    const QImage img = Imagine();
    const QColor evidentiere = m_grila->palette().color(QPalette::Highlight);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(Pixel(img, c, 3), evidentiere) << c;
    EXPECT_NE(Pixel(img, 1, 1), evidentiere);
}

TEST_F(GrilaTest, PaintingAsksOnlyForTheCellsInView)
{
    m_grila->BeginUpdate();
    for (int i = 0; i < 30; ++i)
        Coloana(QStringLiteral("C%1").arg(i));
    for (int i = 0; i < 100000; ++i)
        m_grila->Linii().Add(std::make_unique<TLinieTest>(i));
    m_grila->EndUpdate();
    int cereri = 0;
    std::set<int> liniiCerute;
    m_grila->OnGetCellValue = [&](TQenVirtualGridLine *l, int, TQenValoareDate &v) {
        ++cereri;
        liniiCerute.insert(static_cast<TLinieTest *>(l)->id);
        v.SetString(QStringLiteral("x"));
    };
    Arata();
    const QSize vedere = m_grila->viewport()->size();
    const int celuleInVedere = (vedere.height() / 24 + 2) * (vedere.width() / 128 + 2);

    cereri = 0;
    Imagine();
    EXPECT_GT(cereri, 0);
    EXPECT_LE(cereri, celuleInVedere);

    m_grila->SetTopRow(60000);
    cereri = 0;
    liniiCerute.clear();
    Imagine();
    EXPECT_LE(cereri, celuleInVedere);
    ASSERT_FALSE(liniiCerute.empty());
    EXPECT_GE(*liniiCerute.begin(), 60000 - 1);
    EXPECT_LE(*liniiCerute.rbegin(), 60000 + vedere.height() / 24);
}

TEST_F(GrilaTest, KeysMoveTheCurrentCellUnlessRefused)
{
    m_grila->SetNrColoaneFixe(1);
    for (int i = 0; i < 3; ++i)
        Coloana(QStringLiteral("C"));
    Linii(50);
    Arata();
    ASSERT_TRUE(m_grila->FocusCell(1, 1));
    QTest::keyClick(m_grila.get(), Qt::Key_Down);
    QTest::keyClick(m_grila.get(), Qt::Key_Right);
    EXPECT_EQ(m_grila->Col(), 2);
    EXPECT_EQ(m_grila->Row(), 2);
    // Never onto the fixed column or the header.
    QTest::keyClick(m_grila.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(m_grila->Col(), 1);
    EXPECT_EQ(m_grila->Row(), 1);
    QTest::keyClick(m_grila.get(), Qt::Key_Up);
    EXPECT_EQ(m_grila->Row(), 1);
    QTest::keyClick(m_grila.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_grila->Row(), 50);
    EXPECT_FALSE(m_grila->CellRect(m_grila->Col(), 50).isEmpty());

    std::vector<std::pair<int, int>> cerute;
    m_grila->OnSelectCell = [&](int c, int r, bool &permis) {
        cerute.emplace_back(c, r);
        permis = false;
    };
    QTest::keyClick(m_grila.get(), Qt::Key_Up);
    EXPECT_EQ(m_grila->Row(), 50);
    ASSERT_EQ(cerute.size(), 1u);
    EXPECT_EQ(cerute.front(), std::make_pair(2, 49));
}

TEST_F(GrilaTest, DraggingAHeaderEdgeResizesTheColumn)
{
    m_grila->SetNrColoaneFixe(0);
    Coloana(QStringLiteral("A"), Tip::String, 100);
    Coloana(QStringLiteral("B"), Tip::String, 100);
    Linii(2);
    Arata();
    QTest::mousePress(m_grila->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
    QTest::mouseMove(m_grila->viewport(), QPoint(140, 10));
    QTest::mouseRelease(m_grila->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(140, 10));
    EXPECT_EQ(m_grila->ColWidths(0), 140);
    // The next re-layout keeps the dragged width.
    EXPECT_EQ(m_grila->Coloane().Items(0)->Width(), 140);
    Linii(1);
    EXPECT_EQ(m_grila->ColWidths(0), 140);
    EXPECT_EQ(m_grila->MouseCoord(QPoint(150, 60)), QPoint(1, 1));
    EXPECT_EQ(m_grila->MouseCoord(QPoint(500, 60)), QPoint(-1, -1));
}

TEST_F(GrilaTest, APaintingFailureIsReportedOnceAfterThePaint)
{
    Coloana(QStringLiteral("Suma"), Tip::Integer);
    Coloana(QStringLiteral("Text"));
    Linii(2);
    m_grila->OnGetCellValue = [](TQenVirtualGridLine *, int, TQenValoareDate &v) {
        v.SetString(QStringLiteral("x"));
    };
    MesajeTest().Reseteaza();
    Arata();
    Imagine();
    const QImage img = Imagine();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare),
              QStringList{QStringLiteral("Nepotrivire de date cand citesc coloana Suma")});
    // The failing cells stay blank; the others paint.
    EXPECT_EQ(Pixel(img, 1, 2), m_grila->Coloane().Items(1)->Stil(1).CuloareBackgroundNormal());
}

TEST_F(GrilaTest, ColumnChangesReLayOutAgainWhenThePostedMessageArrives)
{
    QSignalSpy rearanjari(m_grila.get(), &TQenVirtualGrid::Rearanjat);
    TQenVirtualGridColumn *c = Coloana(QStringLiteral("A"), Tip::String, 100);
    // Add and the width each re-lay out at once; the posted one follows.
    EXPECT_EQ(rearanjari.count(), 2);
    EXPECT_EQ(m_grila->ColWidths(0), 100);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rearanjari.count(), 3);
    m_grila->Coloane().Delete(c->Index());
    EXPECT_EQ(m_grila->ColCount(), 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(rearanjari.count(), 5);
    // A posted re-layout of a grid already gone is dropped.
    Coloana(QStringLiteral("B"));
    m_grila.reset();
    QCoreApplication::sendPostedEvents();
}

TEST_F(GrilaTest, CellEdgesFollowTheOptionsAndTheLastFixedColumnCastsAShadow)
{
    m_grila->SetNrColoaneFixe(1);
    for (int i = 0; i < 3; ++i)
        Coloana(QStringLiteral("C"));
    Linii(3);
    m_grila->OnGetCellValue = [](TQenVirtualGridLine *, int, TQenValoareDate &v) { v.SetString(QString()); };
    Arata();
    ASSERT_TRUE(m_grila->FocusCell(2, 3));
    // As an image holds them: eight bits a channel.
    const QColor fundal(m_grila->Coloane().Items(1)->Stil(1).CuloareBackgroundNormal().rgb());
    const QColor umbra(m_grila->palette().color(QPalette::Dark).rgb());
    const QColor text(m_grila->palette().color(QPalette::Text).rgb());
    const QRect date = m_grila->CellRect(1, 2);
    const QRect header = m_grila->CellRect(1, 0);
    const QRect fix = m_grila->CellRect(0, 2);
    const int mijloc = date.center().y();

    QImage img = Imagine();
    EXPECT_EQ(img.pixelColor(date.right(), mijloc), umbra);
    EXPECT_EQ(img.pixelColor(date.center().x(), date.top()), umbra);
    EXPECT_EQ(img.pixelColor(date.center().x(), date.bottom()), umbra);
    // Fixed columns are ruled in the text colour, the last one with a shadow
    // from its background to that colour along its right edge.
    const QList<QColor> trepte = AmestecCulori(fundal, text, 4);
    EXPECT_EQ(img.pixelColor(fix.right(), mijloc), text);
    EXPECT_EQ(img.pixelColor(fix.right() - 4, mijloc), trepte.at(0));
    EXPECT_EQ(img.pixelColor(fix.right() - 1, mijloc), trepte.at(3));
    EXPECT_EQ(img.pixelColor(fix.right() - 6, mijloc), fundal);

    m_grila->SetOptiuni(TQenOptiuneGrila::goNuAfisezLiniiVerticale |
                        TQenOptiuneGrila::goNuAfisezLiniiOrizontale);
    img = Imagine();
    EXPECT_EQ(img.pixelColor(date.right(), mijloc), fundal);
    EXPECT_EQ(img.pixelColor(date.center().x(), date.top()), fundal);
    // The header keeps its vertical edges.
    EXPECT_EQ(img.pixelColor(header.right(), header.top() + 10), text);
}
