// Reading the three kinds of workbook and what the import keeps of a sheet.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FoaieTest.h"
#include "comun/Exceptie.h"
#include "import/AfisareCelula.h"
#include "import/RegistruCalcul.h"
#include "import/UColoaneExcel.h"

namespace {

const double kCnpNumar = 2850315123456.0;

// The sheet read as the import reads it: every kept row, cells joined by "|".
QStringList Randuri(const QString &fisier, int foaie = 0)
{
    auto registru = DeschideRegistrul(fisier);
    TDomeniuFoaie domeniu(*registru, foaie);
    TListaColoaneExcel coloane;
    CitesteFoaia(domeniu, coloane);
    QStringList randuri;
    for (int r = 0; r < coloane.NumarRanduri(); ++r) {
        QStringList celule;
        for (int c = 0; c < coloane.Count(); ++c)
            celule.append(coloane.Items(c)->at(r));
        randuri.append(celule.join(u'|'));
    }
    return randuri;
}

QString MesajLaDeschidere(const QString &fisier)
{
    try {
        auto registru = DeschideRegistrul(fisier);
        for (int i = 0; i < registru->Foi().size(); ++i)
            registru->TextCelula(i, QStringLiteral("A1"));
    } catch (const Exceptie &e) {
        return e.Mesaj();
    }
    return QString();
}

class Cititoare : public ::testing::TestWithParam<const char *>
{
protected:
    QString Scrie(const QString &nume, const QList<TCelulaTest> &celule, const QJsonObject &defecte = {})
    {
        return ScrieRegistru(m_dosar.path(), nume, QLatin1String(GetParam()),
                             {{QStringLiteral("Elevi"), celule}}, defecte);
    }
    QTemporaryDir m_dosar;
};

// Header, candidates with a numeric CNP, a date and Romanian letters; a
// column with texts in odd rows only ends the columns; an 18-row gap is
// bridged, a 19-row gap ends the data.
TEST_P(Cititoare, StructuraFoii)
{
    QList<TCelulaTest> c = {
        {1, 0, "t", "Numele si prenumele"},
        {1, 1, "t", "CNP"},
        {1, 2, "t", "Data"},
        {2, 0, "t", "Popescu Ana"},
        {2, 1, "n", kCnpNumar},
        {2, 2, "d", "1985-03-15"},
        {3, 0, "t", "Ştefănescu Ţică Îon"},
        {3, 1, "n", 1791231123459.0},
        {3, 3, "t", "numai in randuri impare"},
        {4, 0, "t", "Roșu Mâț"},
        {4, 1, "t", "1800101123451"},
        {4, 4, "t", "dincolo de coloana goala"},
        {23, 0, "t", "Dupa 18 randuri"},
        {23, 1, "n", 2900101123452.0},
        {43, 0, "t", "Dupa 19 randuri"},
        {43, 1, "n", 2900101123453.0},
    };
    const QString fisier = Scrie(QStringLiteral("structura"), c);
    const QStringList asteptat = {
        QStringLiteral("Popescu Ana|2850315123456|15.03.1985"),
        QStringLiteral("Ştefănescu Ţică Îon|1791231123459|"),
        QStringLiteral("Roşu Mâţ|1800101123451|"),
        QStringLiteral("Dupa 18 randuri|2900101123452|"),
    };
    EXPECT_EQ(Randuri(fisier), asteptat);
}

// Column A empty in rows 2 to 20: only column A is read.
TEST_P(Cititoare, ColoanaAGoalaCitesteDoarA)
{
    const QString fisier =
        Scrie(QStringLiteral("goala"),
              {{1, 0, "t", "1234567890123"}, {2, 1, "t", "2850315123456"}, {4, 1, "t", "2850315123457"}});
    EXPECT_EQ(Randuri(fisier), QStringList{QStringLiteral("1234567890123")});
}

// Rows are read up to 999 at most, whatever follows.
TEST_P(Cititoare, Randul1000NuSeCiteste)
{
    QList<TCelulaTest> c;
    for (int r = 10; r <= 990; r += 10)
        c.append({r, 0, "t", QStringLiteral("1%1").arg(r, 12, 10, QChar(u'0'))});
    c.append({999, 0, "t", QStringLiteral("2999999999999")});
    c.append({1000, 0, "t", QStringLiteral("3000000000000")});
    const QStringList randuri = Randuri(Scrie(QStringLiteral("lung"), c));
    ASSERT_EQ(randuri.size(), 100);
    EXPECT_EQ(randuri.first(), QStringLiteral("1000000000010"));
    EXPECT_EQ(randuri.last(), QStringLiteral("2999999999999"));
}

INSTANTIATE_TEST_SUITE_P(Formate, Cititoare, ::testing::Values("xls", "xlsx", "csv"));

TEST(Cititoare, FoileInOrdineSiCelulePeAdresa)
{
    QTemporaryDir dosar;
    for (const char *format : {"xls", "xlsx"}) {
        const QString fisier = ScrieRegistru(dosar.path(), QStringLiteral("foi"), QLatin1String(format),
                                             {{QStringLiteral("Zeta"), {{1, 0, "t", "z"}}},
                                              {QStringLiteral("Alfa ţ"),
                                               {{1, 0, "n2", 7.5},
                                                {2, 27, "t", "AB2"},
                                                {3, 0, "f", "2+3"},
                                                {4, 0, "b", true},
                                                {5, 0, "n", 0.125}}}});
        auto r = DeschideRegistrul(fisier);
        EXPECT_EQ(r->Foi(), (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alfa ţ")})) << format;
        EXPECT_EQ(r->TextCelula(0, QStringLiteral("A1")), QStringLiteral("z")) << format;
        // FreeXL gives no number formats: an .xls number shows the decimals it has.
        const bool xls = QLatin1String(format) == QLatin1String("xls");
        EXPECT_EQ(r->TextCelula(1, QStringLiteral("A1")),
                  xls ? QStringLiteral("7,5") : QStringLiteral("7,50"))
            << format;
        EXPECT_EQ(r->TextCelula(1, QStringLiteral("AB2")), QStringLiteral("AB2")) << format;
        // xlwt writes formulas without their computed value, and FreeXL gives
        // truth values as numbers.
        if (!xls) {
            EXPECT_EQ(r->TextCelula(1, QStringLiteral("A3")), QStringLiteral("5")) << format;
            EXPECT_EQ(r->TextCelula(1, QStringLiteral("A4")), QStringLiteral("ADEVARAT")) << format;
        }
        EXPECT_EQ(r->TextCelula(1, QStringLiteral("A5")), QStringLiteral("0,125")) << format;
        EXPECT_EQ(r->TextCelula(1, QStringLiteral("B1")), QString()) << format;
        EXPECT_EQ(r->TextCelula(1, QStringLiteral("A1000")), QString()) << format;
        EXPECT_EQ(r->TextCelula(1, QStringLiteral("AAA1")), QString()) << format;
    }
}

TEST(AfisareCelula, Numere)
{
    EXPECT_EQ(AfisareCelula::Numar(2850315123456.0), QStringLiteral("2850315123456"));
    EXPECT_EQ(AfisareCelula::Numar(-3), QStringLiteral("-3"));
    EXPECT_EQ(AfisareCelula::Numar(9.25), QStringLiteral("9,25"));
    EXPECT_EQ(AfisareCelula::Numar(9.5, 2), QStringLiteral("9,50"));
    EXPECT_EQ(AfisareCelula::Numar(0.5, 0, true), QStringLiteral("50%"));
    EXPECT_EQ(AfisareCelula::DataDinSerial(31121), QStringLiteral("15.03.1985"));
    EXPECT_EQ(AfisareCelula::DataDinSerial(1), QStringLiteral("01.01.1900"));
    EXPECT_EQ(AfisareCelula::DataDinSerial(31121.5), QStringLiteral("15.03.1985 12:00"));
}

TEST(Cititoare, TextCuGhilimeleSeparatoriSiCodari)
{
    QTemporaryDir dosar;
    struct Caz
    {
        const char *nume;
        QByteArray continut;
        QStringList a1b1a2;
    };
    const QList<Caz> cazuri = {
        {"virgula", "x,\"a, \"\"b\"\"\nc\"\r\n1,2\r\n", {"x", "a, \"b\"\nc", "1"}},
        {"punct-virgula-bom", "\xEF\xBB\xBFş;ț\n1;2", {"ş", "ț", "1"}},
        {"ghilimele-in-camp", "5\" disc;b\n\"x\"\"\";2\n", {"5\" disc", "b", "x\""}},
        {"tab-1250", "\xBA\xFE\t\xE3\xE2\xEE\n\xAA\t2", {"şţ", "ăâî", "Ş"}},
    };
    for (const Caz &caz : cazuri) {
        const QString fisier = QDir(dosar.path()).filePath(QLatin1String(caz.nume) + QStringLiteral(".csv"));
        QFile f(fisier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(caz.continut);
        f.close();
        auto r = DeschideRegistrul(fisier);
        EXPECT_EQ(r->Foi(), QStringList{QLatin1String(caz.nume)});
        EXPECT_EQ((QStringList{r->TextCelula(0, QStringLiteral("A1")), r->TextCelula(0, QStringLiteral("B1")),
                               r->TextCelula(0, QStringLiteral("A2"))}),
                  caz.a1b1a2)
            << caz.nume;
    }
}

// Damaged and hostile files: a Romanian error naming the file, nothing worse.
TEST(Cititoare, FisiereOstile)
{
    QTemporaryDir dosar;
    const QList<TFoaieTest> foaie = {{QStringLiteral("Elevi"), {{1, 0, "t", "a"}, {2, 0, "n", kCnpNumar}}}};
    struct Caz
    {
        QString fisier;
        QString motiv;
    };
    QList<Caz> cazuri;
    cazuri.append({ScrieRegistru(dosar.path(), QStringLiteral("bomba"), QStringLiteral("xlsx"), foaie,
                                 {{QStringLiteral("bomba_mb"), 140}}),
                   QStringLiteral("este prea mare")});
    cazuri.append({ScrieRegistru(dosar.path(), QStringLiteral("text-lipsa"), QStringLiteral("xlsx"), foaie,
                                 {{QStringLiteral("text_comun_lipsa"), true}}),
                   QStringLiteral("text comun care nu exista")});
    cazuri.append({ScrieRegistru(dosar.path(), QStringLiteral("departe"), QStringLiteral("xlsx"), foaie,
                                 {{QStringLiteral("coloana_departe"), true}}),
                   QStringLiteral("adresa de celula gresita")});
    cazuri.append({ScrieRegistru(dosar.path(), QStringLiteral("uriasa"), QStringLiteral("xls"), foaie,
                                 {{QStringLiteral("dimensiune_uriasa"), true}}),
                   QStringLiteral("deteriorat")});
    for (const char *format : {"xls", "xlsx"}) {
        const QString intreg =
            ScrieRegistru(dosar.path(), QStringLiteral("trunchiat"), QLatin1String(format), foaie);
        QFile f(intreg);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 2);
        cazuri.append({intreg, QStringLiteral("deteriorat")});
    }
    {
        const QString lung = QDir(dosar.path()).filePath(QStringLiteral("lung.csv"));
        QFile f(lung);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray mega(1024 * 1024, 'x');
        for (int i = 0; i < 100; ++i)
            f.write(mega);
        cazuri.append({lung, QStringLiteral("randul 1 este mai lung")});
        const QString multe = QDir(dosar.path()).filePath(QStringLiteral("multe.csv"));
        QFile m(multe);
        ASSERT_TRUE(m.open(QIODevice::WriteOnly));
        const QByteArray rand = QByteArray(1000 * 1000, 'y') + '\n';
        for (int i = 0; i < 70; ++i)
            m.write(rand);
        cazuri.append({multe, QStringLiteral("primele 999 randuri au peste 64 MB")});
        const QString binar = QDir(dosar.path()).filePath(QStringLiteral("poza.xls"));
        QFile b(binar);
        ASSERT_TRUE(b.open(QIODevice::WriteOnly));
        b.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        cazuri.append({binar, QStringLiteral("nu este o foaie de calcul")});
    }
    for (const Caz &caz : cazuri) {
        const QString mesaj = MesajLaDeschidere(caz.fisier);
        EXPECT_TRUE(mesaj.startsWith(
            QStringLiteral("Nu pot citi fisierul \"%1\"").arg(QDir::toNativeSeparators(caz.fisier))))
            << mesaj.toStdString();
        EXPECT_TRUE(mesaj.contains(caz.motiv)) << mesaj.toStdString();
    }
}

// A sheet claiming the largest size Excel allows is read as far as it is used.
TEST(Cititoare, DimensiuneUriasaCititaCatEsteFolosita)
{
    QTemporaryDir dosar;
    const QString fisier = ScrieRegistru(dosar.path(), QStringLiteral("uriasa"), QStringLiteral("xlsx"),
                                         {{QStringLiteral("Elevi"), {{2, 0, "n", kCnpNumar}}}},
                                         {{QStringLiteral("dimensiune_uriasa"), true}});
    EXPECT_EQ(Randuri(fisier), QStringList{QStringLiteral("2850315123456")});
}

} // namespace
