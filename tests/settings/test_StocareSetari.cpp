#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settings/SetariBazaDeDate.h"
#include "settings/StocareSetari.h"
#include "comun/Exceptie.h"
#include "support/MesajeTest.h"

namespace {

const QString kCheie = QStringLiteral("Software\\Firma\\Program\\2006\\Global");

// Every test runs on the in-memory store and on the file store in a
// temporary folder: both must behave like the registry.
class OriceStocare : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        if (GetParam()) {
            ASSERT_TRUE(m_dosar.isValid());
            m_stocare = std::make_unique<TStocareSetariFisiere>(m_dosar.path());
        } else {
            m_stocare = std::make_unique<TStocareSetariMemorie>();
        }
    }

    IStocareSetari &Stocare() { return *m_stocare; }

    QTemporaryDir m_dosar;
    std::unique_ptr<IStocareSetari> m_stocare;
};

template <typename F> QString MesajEroare(F &&f)
{
    try {
        f();
    } catch (const Exceptie &e) {
        return e.Mesaj();
    }
    return QString();
}

TEST_P(OriceStocare, KeepsTheKindOfEachValueAcrossReopening)
{
    {
        auto cheie = Stocare().DeschideCheie(kCheie);
        EXPECT_EQ(cheie->Tip(QStringLiteral("Text")), TTipValoare::Absenta);
        cheie->ScrieSir(QStringLiteral("Text"), QStringLiteral("ăşţ \"x\"\n"));
        cheie->ScrieSir(QStringLiteral("Gol"), QString());
        cheie->ScrieSir(QStringLiteral("Cifre"), QStringLiteral("12"));
        cheie->ScrieIntreg(QStringLiteral("Numar"), -2147483647 - 1);
        cheie->Inchide();
    }
    auto cheie = Stocare().DeschideCheie(kCheie);
    EXPECT_EQ(cheie->Tip(QStringLiteral("Text")), TTipValoare::Sir);
    EXPECT_EQ(cheie->Tip(QStringLiteral("Cifre")), TTipValoare::Sir);
    EXPECT_EQ(cheie->Tip(QStringLiteral("Numar")), TTipValoare::Intreg);
    EXPECT_TRUE(cheie->Exista(QStringLiteral("Gol")));
    EXPECT_EQ(cheie->CitesteSir(QStringLiteral("Text")), QStringLiteral("ăşţ \"x\"\n"));
    EXPECT_EQ(cheie->CitesteSir(QStringLiteral("Gol")), QString());
    EXPECT_EQ(cheie->CitesteIntreg(QStringLiteral("Numar")), -2147483647 - 1);
}

TEST_P(OriceStocare, ReadingTheWrongKindFails)
{
    auto cheie = Stocare().DeschideCheie(kCheie);
    cheie->ScrieSir(QStringLiteral("Text"), QStringLiteral("12"));
    cheie->ScrieIntreg(QStringLiteral("Numar"), 12);
    EXPECT_TRUE(MesajEroare([&] {
                    cheie->CitesteIntreg(QStringLiteral("Text"));
                }).contains(QStringLiteral("Tip de date invalid")));
    EXPECT_TRUE(MesajEroare([&] {
                    cheie->CitesteSir(QStringLiteral("Numar"));
                }).contains(QStringLiteral("Tip de date invalid")));
    EXPECT_FALSE(MesajEroare([&] { cheie->CitesteSir(QStringLiteral("Absenta")); }).isEmpty());
    // Overwriting changes the kind.
    cheie->ScrieIntreg(QStringLiteral("Text"), 3);
    EXPECT_EQ(cheie->CitesteIntreg(QStringLiteral("Text")), 3);
}

TEST_P(OriceStocare, NamesAndKeyPathsIgnoreLetterCase)
{
    {
        auto cheie = Stocare().DeschideCheie(QStringLiteral("SOFTWARE\\Firma\\X"));
        cheie->ScrieSir(QStringLiteral("Valoare"), QStringLiteral("a"));
        cheie->ScrieSir(QStringLiteral("VALOARE"), QStringLiteral("b"));
        cheie->Inchide();
    }
    auto cheie = Stocare().DeschideCheie(QStringLiteral("software\\FIRMA\\x"));
    EXPECT_EQ(cheie->CitesteSir(QStringLiteral("valoare")), QStringLiteral("b"));
}

TEST_P(OriceStocare, RefusesKeyPathsThatLeaveTheStore)
{
    for (const QString &cale : {QStringLiteral(""), QStringLiteral("a\\\\b"), QStringLiteral("..\\x"),
                                QStringLiteral("a\\."), QStringLiteral("a\\")})
        EXPECT_FALSE(MesajEroare([&] { Stocare().DeschideCheie(cale); }).isEmpty()) << cale.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MemorieSiFisiere, OriceStocare, ::testing::Bool(),
                         [](const auto &info) { return info.param ? "Fisiere" : "Memorie"; });

TEST(StocareSetariFisiere, OneFilePerKeyUnderTheRoot)
{
    QTemporaryDir dosar;
    TStocareSetariFisiere stocare(dosar.path());
    const QString fisier =
        stocare.FisierCheie(QStringLiteral("Software\\Zoravin SOFT\\Lumira\\2006\\Global"));
    EXPECT_EQ(fisier, dosar.filePath(QStringLiteral("Software/Zoravin SOFT/Lumira/2006/Global.json")));
    EXPECT_FALSE(QFile::exists(fisier));
    stocare.DeschideCheie(QStringLiteral("Software\\Zoravin SOFT\\Lumira\\2006\\Global"));
    EXPECT_TRUE(QFile::exists(fisier)); // opening creates the key
    // The other key of the same company lands beside it, whatever the letter case of its path.
    EXPECT_EQ(
        stocare.FisierCheie(QStringLiteral("SOFTWARE\\Zoravin SOFT\\Lumira\\2006\\Certificat de acordare")),
        dosar.filePath(QStringLiteral("Software/Zoravin SOFT/Lumira/2006/Certificat de acordare.json")));
    // A level that would name another folder or clash with a key's file is refused.
    EXPECT_FALSE(MesajEroare([&] { stocare.DeschideCheie(QStringLiteral("a/b")); }).isEmpty());
    EXPECT_FALSE(MesajEroare([&] { stocare.DeschideCheie(QStringLiteral("a\\b.json")); }).isEmpty());
}

TEST(StocareSetariFisiere, WritesReachTheFileEvenWithoutClosing)
{
    QTemporaryDir dosar;
    TStocareSetariFisiere stocare(dosar.path());
    stocare.DeschideCheie(QStringLiteral("A"))->ScrieIntreg(QStringLiteral("N"), 7);
    EXPECT_EQ(stocare.DeschideCheie(QStringLiteral("A"))->CitesteIntreg(QStringLiteral("N")), 7);
}

TEST(StocareSetariFisiere, AKeysFileIsRewrittenOnlyWhenItsContentChanges)
{
    QTemporaryDir dosar;
    TStocareSetariFisiere stocare(dosar.path());
    const QString fisier = stocare.FisierCheie(QStringLiteral("A"));
    stocare.DeschideCheie(QStringLiteral("A"));
    // Written by hand, compact: a rewrite by the store would indent it.
    QFile f(fisier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"N\":7,\"T\":\"x\"}");
    f.close();
    const auto continut = [&] {
        QFile c(fisier);
        return c.open(QIODevice::ReadOnly) ? c.readAll() : QByteArray();
    };
    {
        auto cheie = stocare.DeschideCheie(QStringLiteral("A"));
        cheie->ScrieIntreg(QStringLiteral("n"), 7);
        cheie->ScrieSir(QStringLiteral("T"), QStringLiteral("x"));
        cheie->Inchide();
    }
    EXPECT_EQ(continut(), QByteArray("{\"N\":7,\"T\":\"x\"}"));
    {
        auto cheie = stocare.DeschideCheie(QStringLiteral("A"));
        cheie->ScrieIntreg(QStringLiteral("N"), 8);
        cheie->Inchide();
    }
    EXPECT_NE(continut(), QByteArray("{\"N\":7,\"T\":\"x\"}"));
    EXPECT_EQ(stocare.DeschideCheie(QStringLiteral("A"))->CitesteIntreg(QStringLiteral("N")), 8);
}

TEST(StocareSetariFisiere, DamagedOrForeignContentIsReportedNotLost)
{
    QTemporaryDir dosar;
    TStocareSetariFisiere stocare(dosar.path());
    const QString fisier = stocare.FisierCheie(QStringLiteral("A"));
    QFile f(fisier);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"Real\": 2.5, \"Mare\": 1e12, \"Lista\": [1], \"Text\": \"x\"");
    f.close();
    // Kept aside for recovery, reported once, and the key starts empty.
    MesajeTest().Reseteaza();
    {
        auto cheie = stocare.DeschideCheie(QStringLiteral("A"));
        EXPECT_FALSE(cheie->Exista(QStringLiteral("Text")));
    }
    const QStringList avertizari = MesajeTest().Texte(TMesajeTest::Tip::Avertizare);
    ASSERT_EQ(avertizari.size(), 1);
    EXPECT_TRUE(avertizari[0].contains(QDir::toNativeSeparators(fisier) + QStringLiteral(".deteriorat")))
        << avertizari[0].toStdString();
    QFile pastrat(fisier + QStringLiteral(".deteriorat"));
    ASSERT_TRUE(pastrat.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pastrat.readAll().endsWith("\"x\"")); // as it was
    MesajeTest().Reseteaza();
    stocare.DeschideCheie(QStringLiteral("A"));
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty()) << "the next opening is quiet";

    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\"Real\": 2.5, \"Mare\": 1e12, \"Lista\": [1], \"Text\": \"x\"}");
    f.close();
    auto cheie = stocare.DeschideCheie(QStringLiteral("A"));
    // Values the program never writes are of another kind: reading them fails like a mismatch.
    for (const char *nume : {"Real", "Mare", "Lista"}) {
        EXPECT_EQ(cheie->Tip(QLatin1String(nume)), TTipValoare::Alta) << nume;
        EXPECT_TRUE(MesajEroare([&] {
                        cheie->CitesteIntreg(QLatin1String(nume));
                    }).contains(QStringLiteral("Tip de date invalid")));
    }
    EXPECT_EQ(cheie->CitesteSir(QStringLiteral("Text")), QStringLiteral("x"));
}

TEST(StocareSetariFisiere, AnUnwritableFolderFailsWithAMessage)
{
    QTemporaryDir dosar;
    // A file where the key's folder should be.
    QFile blocaj(dosar.filePath(QStringLiteral("Software")));
    ASSERT_TRUE(blocaj.open(QIODevice::WriteOnly));
    blocaj.close();
    TStocareSetariFisiere stocare(dosar.path());
    EXPECT_FALSE(MesajEroare([&] { stocare.DeschideCheie(QStringLiteral("Software\\X")); }).isEmpty());
}

TEST(StocareSetariAleasa, TheInstalledStoreIsTheOneInUse)
{
    TStocareSetariMemorie memorie;
    InstaleazaStocareSetari(&memorie);
    EXPECT_EQ(&StocareSetari(), &memorie);
    InstaleazaStocareSetari(nullptr);
    EXPECT_NE(&StocareSetari(), &memorie);
#ifndef Q_OS_WIN
    EXPECT_NE(dynamic_cast<TStocareSetariFisiere *>(&StocareSetari()), nullptr);
#endif
}

// The choice of database, a server's password with it: kept in a file only
// its user reads, never created by a start that only looks for it.
TEST(SetariBazaDeDate, AServersPasswordIsKeptForItsUserAloneAndReadingLeavesNoTrace)
{
    QTemporaryDir dosar;
    ASSERT_TRUE(dosar.isValid());
    TStocareSetariFisiere stocare(dosar.path());
    EXPECT_FALSE(SetariBazaDeDate::Citeste(stocare).PeServer());
    const QString fisier = stocare.FisierCheie(SetariBazaDeDate::kCheie);
    EXPECT_FALSE(QFileInfo::exists(fisier)) << "a start that only reads creates nothing";

    TConexiuneBaza c = TConexiuneBaza::DinText(QStringLiteral("secretariat/3051:certificate"));
    c.Utilizator = QStringLiteral("SECRETARA");
    c.Parola = QStringLiteral("Parola ş 1");
    SetariBazaDeDate::Scrie(stocare, c);
    const TConexiuneBaza citita = SetariBazaDeDate::Citeste(stocare);
    EXPECT_EQ(citita.Text(), QStringLiteral("secretariat/3051:certificate"));
    EXPECT_EQ(citita.Utilizator, QStringLiteral("SECRETARA"));
    EXPECT_EQ(citita.Parola, QStringLiteral("Parola ş 1"));
#ifndef Q_OS_WIN
    const QFile::Permissions altii = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                     QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(fisier) & altii, QFile::Permissions()) << "readable by others";
    EXPECT_TRUE(QFile::permissions(fisier) & QFile::ReadOwner);
#endif

    // Back to the file of this computer: nothing of the server stays.
    SetariBazaDeDate::Scrie(stocare, TConexiuneBaza());
    EXPECT_FALSE(SetariBazaDeDate::Citeste(stocare).PeServer());
    QFile f(fisier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.readAll().contains("Parola \xc5\x9f"));
}

TEST(ConexiuneBaza, ReadsAServerConnectionAndRefusesWhatIsNotOne)
{
    struct Caz
    {
        const char *text;
        const char *server;
        const char *cale;
    };
    for (const Caz &c : {Caz{"secretariat:/var/lib/firebird/3.0/data/c.fdb", "secretariat",
                             "/var/lib/firebird/3.0/data/c.fdb"},
                         Caz{"192.168.1.10/3050:certificate", "192.168.1.10/3050", "certificate"},
                         Caz{"srv:C:\\Date\\c.fdb", "srv", "C:\\Date\\c.fdb"}, Caz{"  ", "", ""}}) {
        const TConexiuneBaza t = TConexiuneBaza::DinText(QString::fromUtf8(c.text));
        EXPECT_EQ(t.Server, QString::fromUtf8(c.server)) << c.text;
        EXPECT_EQ(t.Cale, QString::fromUtf8(c.cale)) << c.text;
    }
    EXPECT_EQ(TConexiuneBaza::DinText(QStringLiteral("10.0.0.2/3050:x")).NumeServer(),
              QStringLiteral("\"10.0.0.2\" (portul 3050)"));
    for (const char *gresit : {"C:\\Date\\c.fdb", "/var/lib/c.fdb", "srv:", "srv/99999:x", "srv/port:x", "a b:c"})
        EXPECT_FALSE(MesajEroare([&] { TConexiuneBaza::DinText(QString::fromUtf8(gresit)); }).isEmpty()) << gresit;
}

} // namespace
