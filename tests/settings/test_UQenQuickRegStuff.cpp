#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include "settings/InfoGlobal2005.h"
#include "settings/StocareSetari.h"
#include "settings/UQenQuickRegStuff.h"
#include "comun/Exceptie.h"
#include "support/MesajeTest.h"

namespace {

const QString kCheieProba = QStringLiteral("Software\\Proba\\Setari");

// A settings object with one property of every kind the store knows.
class TSetariProba final : public TQenRegistryClass
{
    Q_OBJECT
    Q_PROPERTY(QString Nume MEMBER nume)
    Q_PROPERTY(bool Activ MEMBER activ)
    Q_PROPERTY(int Numar MEMBER numar)
    Q_PROPERTY(uint FaraSemn MEMBER faraSemn)
    Q_PROPERTY(qint64 Mare MEMBER mare)
    Q_PROPERTY(Fel fel MEMBER fel)
    Q_PROPERTY(Bife Bife READ Bifele WRITE setBifele)
    Q_PROPERTY(QColor Culoare MEMBER culoare)
    Q_PROPERTY(QChar Litera MEMBER litera)
    Q_PROPERTY(double Real MEMBER real)
    Q_PROPERTY(QString DoarCitire READ DoarCitire)

public:
    enum Fel { Rosu, Verde, Albastru };
    Q_ENUM(Fel)
    enum Bifa { A = 1, B = 2, C = 4 };
    Q_DECLARE_FLAGS(Bife, Bifa)
    Q_FLAG(Bife)

    explicit TSetariProba(IStocareSetari *stocare) : TQenRegistryClass(kCheieProba, stocare) { Incarca(); }
    ~TSetariProba() override { SalveazaLaDistrugere(); }

    QString DoarCitire() const { return QStringLiteral("x"); }
    Bife Bifele() const { return bife; }
    void setBifele(Bife b) { bife = b; }

    QString nume;
    bool activ = false;
    int numar = 0;
    uint faraSemn = 0;
    qint64 mare = 0;
    Fel fel = Rosu;
    Bife bife;
    QColor culoare;
    QChar litera;
    double real = 0;
};

class TBaza : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Valoare MEMBER valoare)
    Q_PROPERTY(int Zeta MEMBER zeta)
public:
    int valoare = 0;
    int zeta = 0;
};

class TDerivata : public TBaza
{
    Q_OBJECT
    Q_PROPERTY(QString valoare MEMBER text)
    Q_PROPERTY(QString alfa MEMBER text)
public:
    QString text;
};

TStocareSetariMemorie::Valoare Intreg(const char *nume, qint32 valoare)
{
    TStocareSetariMemorie::Valoare v;
    v.nume = QLatin1String(nume);
    v.tip = TTipValoare::Intreg;
    v.intreg = valoare;
    return v;
}

TStocareSetariMemorie::Valoare Sir(const char *nume, const QString &valoare)
{
    TStocareSetariMemorie::Valoare v;
    v.nume = QLatin1String(nume);
    v.tip = TTipValoare::Sir;
    v.sir = valoare;
    return v;
}

QStringList Nume(const QList<TStocareSetariMemorie::Valoare> &valori)
{
    QStringList nume;
    for (const auto &v : valori)
        nume << v.nume + (v.tip == TTipValoare::Sir ? QStringLiteral(":s") : QStringLiteral(":i"));
    return nume;
}

TEST(TQenRTTIShell, SortedWithoutLetterCaseEachNameOnceMostDerivedWins)
{
    TDerivata d;
    TQenRTTIShell shell(d);
    QStringList nume;
    for (int i = 0; i < shell.Numar(); ++i)
        nume << shell.Nume(i);
    // No objectName from QObject; "valoare" of the subclass hides "Valoare".
    EXPECT_EQ(nume, (QStringList{QStringLiteral("alfa"), QStringLiteral("valoare"), QStringLiteral("Zeta")}));
    EXPECT_EQ(shell.Tip(1), TTipProprietate::Sir);
    EXPECT_EQ(shell.Tip(2), TTipProprietate::Intreg);
    shell.SeteazaValoare(2, QStringLiteral("42")); // converted as the property's type allows
    EXPECT_EQ(d.zeta, 42);
    EXPECT_EQ(shell.Valoare(2).toInt(), 42);
    EXPECT_THROW(shell.SeteazaValoare(2, QVariant::fromValue(QColor(Qt::red))), Exceptie);
}

TEST(TQenRTTIShell, KindsOfEveryPropertyType)
{
    TStocareSetariMemorie stocare;
    TSetariProba s(&stocare);
    TQenRTTIShell shell(s);
    QMap<QString, TTipProprietate> tipuri;
    for (int i = 0; i < shell.Numar(); ++i)
        tipuri.insert(shell.Nume(i), shell.Tip(i));
    EXPECT_EQ(tipuri.value(QStringLiteral("Nume")), TTipProprietate::Sir);
    EXPECT_EQ(tipuri.value(QStringLiteral("Litera")), TTipProprietate::Caracter);
    EXPECT_EQ(tipuri.value(QStringLiteral("Activ")), TTipProprietate::Enumerare);
    EXPECT_EQ(tipuri.value(QStringLiteral("fel")), TTipProprietate::Enumerare);
    EXPECT_EQ(tipuri.value(QStringLiteral("Bife")), TTipProprietate::Multime);
    EXPECT_EQ(tipuri.value(QStringLiteral("Numar")), TTipProprietate::Intreg);
    EXPECT_EQ(tipuri.value(QStringLiteral("Culoare")), TTipProprietate::Intreg);
    EXPECT_EQ(tipuri.value(QStringLiteral("Mare")), TTipProprietate::Intreg64);
    EXPECT_EQ(tipuri.value(QStringLiteral("Real")), TTipProprietate::Alta);
    EXPECT_FALSE(tipuri.contains(QStringLiteral("DoarCitire")));
    EXPECT_FALSE(tipuri.contains(QStringLiteral("objectName")));
}

TEST(TQenRegistryClass, AMissingKeyIsCreatedWithOneValuePerStoredProperty)
{
    TStocareSetariMemorie stocare;
    {
        TSetariProba s(&stocare);
        EXPECT_TRUE(s.nume.isEmpty());
        EXPECT_FALSE(s.activ);
        EXPECT_EQ(s.numar, 0);
    }
    ASSERT_TRUE(stocare.ExistaCheie(kCheieProba));
    // Alphabetical without regard to case; the real number is not stored.
    EXPECT_EQ(Nume(stocare.Valori(kCheieProba)),
              (QStringList{"Activ:i", "Bife:i", "Culoare:i", "FaraSemn:i", "fel:i", "Litera:s", "Mare:i",
                           "Numar:i", "Nume:s"}));
    EXPECT_EQ(stocare.Valori(kCheieProba).last().sir, QString());
}

TEST(TQenRegistryClass, EveryKindRoundTrips)
{
    TStocareSetariMemorie stocare;
    {
        TSetariProba s(&stocare);
        s.nume = QStringLiteral("Ştefan");
        s.activ = true;
        s.numar = -7;
        s.faraSemn = 0xFFFFFFF0u;
        s.mare = Q_INT64_C(0x100000005); // keeps only its lower half
        s.fel = TSetariProba::Albastru;
        s.bife = TSetariProba::Bife(TSetariProba::A) | TSetariProba::C;
        s.culoare = QColor(10, 20, 30, 40);
        s.litera = QChar(0x0163);
        s.real = 2.5;
    }
    TSetariProba s(&stocare);
    EXPECT_EQ(s.nume, QStringLiteral("Ştefan"));
    EXPECT_TRUE(s.activ);
    EXPECT_EQ(s.numar, -7);
    EXPECT_EQ(s.faraSemn, 0xFFFFFFF0u);
    EXPECT_EQ(s.mare, 5);
    EXPECT_EQ(s.fel, TSetariProba::Albastru);
    EXPECT_EQ(s.bife, TSetariProba::Bife(TSetariProba::A) | TSetariProba::C);
    EXPECT_EQ(s.culoare, QColor(10, 20, 30, 40));
    EXPECT_EQ(s.litera, QChar(0x0163));
    EXPECT_EQ(s.real, 0.0);
    // Stored as the registry would hold them.
    for (const auto &v : stocare.Valori(kCheieProba)) {
        if (v.nume == QLatin1String("Activ")) {
            EXPECT_EQ(v.intreg, 1);
        } else if (v.nume == QLatin1String("Mare") || v.nume == QLatin1String("Bife")) {
            EXPECT_EQ(v.intreg, 5);
        } else if (v.nume == QLatin1String("fel")) {
            EXPECT_EQ(v.intreg, 2);
        } else if (v.nume == QLatin1String("FaraSemn")) {
            EXPECT_EQ(v.intreg, -16);
        }
    }
}

TEST(TQenRegistryClass, ReadsWhatIsStoredAndRewritesExactlyThatLeavingOtherValues)
{
    TStocareSetariMemorie stocare;
    stocare.Pune(kCheieProba, Sir("Straina", QStringLiteral("neatinsa")));
    stocare.Pune(kCheieProba, Intreg("ACTIV", 1));
    stocare.Pune(kCheieProba, Intreg("Numar", 12));
    stocare.Pune(kCheieProba, Sir("nume", QStringLiteral("Ana")));
    {
        TSetariProba s(&stocare);
        EXPECT_TRUE(s.activ); // a Boolean stored as 1, found without regard to case
        EXPECT_EQ(s.numar, 12);
        EXPECT_EQ(s.nume, QStringLiteral("Ana"));
    }
    const auto valori = stocare.Valori(kCheieProba);
    EXPECT_EQ(Nume(valori).mid(0, 4), (QStringList{"Straina:s", "ACTIV:i", "Numar:i", "nume:s"}));
    EXPECT_EQ(valori[0].sir, QStringLiteral("neatinsa"));
    EXPECT_EQ(valori[1].intreg, 1);
    EXPECT_EQ(valori[2].intreg, 12);
    EXPECT_EQ(valori[3].sir, QStringLiteral("Ana"));
}

// A settings object that was only read writes nothing back; one changed value
// is the one write. Every formatted grade reads the settings, so this is what
// keeps printing from rewriting the store over and over.
TEST(TQenRegistryClass, OnlyWhatChangedOrIsMissingIsWritten)
{
    TStocareSetariMemorie stocare;
    { TSetariProba s(&stocare); } // a new key: every value once
    const int laInceput = stocare.Scrieri();
    EXPECT_EQ(laInceput, 9);
    { TSetariProba s(&stocare); }
    EXPECT_EQ(stocare.Scrieri(), laInceput) << "read and unchanged: no write";
    {
        TSetariProba s(&stocare);
        s.numar = 3;
        s.Salveaza();
        EXPECT_EQ(stocare.Scrieri(), laInceput + 1);
    } // saved already: the destructor has nothing left to write
    EXPECT_EQ(stocare.Scrieri(), laInceput + 1);
    EXPECT_EQ(TSetariProba(&stocare).numar, 3);
    EXPECT_EQ(stocare.Scrieri(), laInceput + 1);
}

TEST(TQenRegistryClass, AValueOfTheWrongKindFailsTheConstruction)
{
    for (const auto &gresit :
         {Intreg("Nume", 5), Sir("Numar", QStringLiteral("5")), Sir("Activ", QStringLiteral("1"))}) {
        TStocareSetariMemorie stocare;
        stocare.Pune(kCheieProba, gresit);
        try {
            TSetariProba s(&stocare);
            ADD_FAILURE() << gresit.nume.toStdString();
        } catch (const Exceptie &e) {
            EXPECT_TRUE(e.Mesaj().contains(gresit.nume)) << e.Mesaj().toStdString();
            EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("Tip de date invalid")));
        }
        // Nothing was written by the failed object.
        EXPECT_EQ(stocare.Valori(kCheieProba).size(), 1);
    }
}

TEST(TQenRegistryClass, OnFileAValueOfTheWrongKindSetsTheKeyAsideAndTheDefaultsApply)
{
    QTemporaryDir dosar;
    TStocareSetariFisiere stocare(dosar.path());
    {
        TInfoGlobal2005 info(&stocare);
        info.setNotaDiploma(QStringLiteral("NOTA"));
    }
    EXPECT_EQ(TInfoGlobal2005(&stocare).NotaDiploma(), QStringLiteral("NOTA"));
    QFile fisier(stocare.FisierCheie(TInfoGlobal2005::Cheie()));
    ASSERT_TRUE(fisier.open(QIODevice::WriteOnly));
    fisier.write("{\"MedieDiploma\": \"NOTA\", \"NotaDiploma\": 3}");
    fisier.close();
    // On file the damaged key is set aside: every property as constructed, one warning.
    MesajeTest().Reseteaza();
    {
        TInfoGlobal2005 info(&stocare);
        EXPECT_EQ(info.MedieDiploma(), QString());
        EXPECT_EQ(info.NotaDiploma(), QString());
    }
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare).size(), 1);
    EXPECT_TRUE(QFile::exists(fisier.fileName() + QStringLiteral(".deteriorat")));
    MesajeTest().Reseteaza();
    EXPECT_EQ(TInfoGlobal2005(&stocare).NotaDiploma(), QString());
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());

    // The store that keeps its values (the registry, here its double) still refuses.
    TStocareSetariMemorie memorie;
    TStocareSetariMemorie::Valoare v;
    v.nume = QStringLiteral("NotaDiploma");
    v.tip = TTipValoare::Intreg;
    v.intreg = 3;
    memorie.Pune(TInfoGlobal2005::Cheie(), v);
    EXPECT_THROW(TInfoGlobal2005 info(&memorie), ExceptieTipSetare);
}

TEST(TQenRegistryClass, WriteFailures)
{
    TStocareSetariMemorie stocare;
    MesajeTest().Reseteaza();
    {
        // An explicit save reports the failure to its caller, and the destructor does not repeat it.
        TSetariProba s(&stocare);
        stocare.EsueazaLaScriere(true);
        EXPECT_THROW(s.Salveaza(), Exceptie);
    }
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
    stocare.EsueazaLaScriere(false);
    {
        // A destructor cannot throw: its failure goes to the error box.
        TSetariProba s(&stocare);
        stocare.EsueazaLaScriere(true);
    }
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    MesajeTest().Reseteaza();
}

TEST(TInfoGlobal2005, SevenStringValuesUnderItsKey)
{
    EXPECT_EQ(TInfoGlobal2005::Cheie(), QStringLiteral("Software\\Zoravin SOFT\\Lumira\\2006\\Global"));
    TStocareSetariMemorie stocare;
    {
        TInfoGlobal2005 info(&stocare);
        EXPECT_TRUE(info.NotaDiploma().isEmpty());
        info.setScriuCuLitereMari(QStringLiteral("1"));
    }
    EXPECT_EQ(Nume(stocare.Valori(TInfoGlobal2005::Cheie())),
              (QStringList{"MedieCotor:s", "MedieDiploma:s", "NotaCotor:s", "NotaDiploma:s",
                           "ScriuCuLitereMari:s", "SufixBaieti:s", "SufixFete:s"}));
    EXPECT_EQ(TInfoGlobal2005(&stocare).ScriuCuLitereMari(), QStringLiteral("1"));
}

TEST(TInfoGlobal2005, UsesTheInstalledStoreWhenGivenNone)
{
    TStocareSetariMemorie stocare;
    InstaleazaStocareSetari(&stocare);
    {
        TInfoGlobal2005 info;
        info.setSufixFete(QStringLiteral("doamna"));
    }
    InstaleazaStocareSetari(nullptr);
    EXPECT_EQ(TInfoGlobal2005(&stocare).SufixFete(), QStringLiteral("doamna"));
}

} // namespace

#include "test_UQenQuickRegStuff.moc"
