#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "forms/ParticularizareTextArea.h"
#include "comun/Exceptie.h"
#include "support/MesajeTest.h"

namespace {

QString Fixtura(const QString &nume)
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("fixtures/") + nume);
}

QByteArray Citeste(const QString &cale)
{
    QFile f(cale);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

const QString Fereastra = QStringLiteral("PrintCertificatAcordare");

} // namespace

TEST(FisierParticularizari, AnEmptyListIsFourBytes)
{
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("licenta.lic"));
    TListaParticularizareTextArea lista;
    lista.Save(cale);
    EXPECT_EQ(Citeste(cale), Hex("02 00 02 00"));
}

TEST(FisierParticularizari, OneRecordIsWrittenByteForByte)
{
    TListaParticularizareTextArea lista;
    TParticularizareTextArea *p = lista.Find(Fereastra, QStringLiteral("FormularTextArea21"), false);
    EXPECT_EQ(p, nullptr);
    QTemporaryDir dosar;
    TListaParticularizareTextArea cuFisier(dosar.filePath(QStringLiteral("licenta.lic")));
    p = cuFisier.Find(Fereastra, QStringLiteral("FormularTextArea21"), true);
    ASSERT_NE(p, nullptr);
    p->Aliniere = 2;
    p->DeplasareOrizontala = -1;
    p->Bold = 1;

    const QByteArray asteptat = Hex("02 00 02 01 02 02") + QByteArray("\x06\x17", 2) + Fereastra.toLatin1() +
                                QByteArray("\x06\x12", 2) + QByteArray("FormularTextArea21") +
                                Hex("02 02 02 FF 02 00 06 00 06 00 02 00 02 01 06 00");
    EXPECT_EQ(cuFisier.Codifica(), asteptat);
}

TEST(FisierParticularizari, IntegersTakeTheSmallestOfThreeWidths)
{
    struct Caz
    {
        int valoare;
        const char *octeti;
    };
    const Caz cazuri[] = {
        {0, "02 00"},
        {-128, "02 80"},
        {127, "02 7F"},
        {128, "03 80 00"},
        {-129, "03 7F FF"},
        {32767, "03 FF 7F"},
        {-32768, "03 00 80"},
        {32768, "04 00 80 00 00"},
        {-32769, "04 FF 7F FF FF"},
        {2147483647, "04 FF FF FF 7F"},
    };
    for (const Caz &caz : cazuri) {
        TListaParticularizareTextArea lista;
        QTemporaryDir dosar;
        TListaParticularizareTextArea scrisa(dosar.filePath(QStringLiteral("a.lic")));
        scrisa.Find(QString(), QString(), true)->Aliniere = caz.valoare;
        // Version, count, record version and two empty names come first: 10 bytes.
        const QByteArray octeti = scrisa.Codifica();
        EXPECT_EQ(octeti.mid(10, Hex(caz.octeti).size()), Hex(caz.octeti)) << caz.valoare;
        const auto citite = TListaParticularizareTextArea::Decodifica(octeti, QStringLiteral("a.lic"));
        ASSERT_EQ(citite.size(), 1u);
        EXPECT_EQ(citite[0].Aliniere, caz.valoare);
    }
}

TEST(FisierParticularizari, TextsWithRomanianLettersGoAsUtf8AndLongOnesWithAFourByteLength)
{
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("licenta.lic"));
    {
        TListaParticularizareTextArea lista(cale);
        TParticularizareTextArea *p = lista.Find(Fereastra, QStringLiteral("FormularTextArea1"), true);
        p->TextInlocuitor = QStringLiteral("Braşov");
        p->Familie = QString(300, QLatin1Char('x'));
        p->NumeFont = QString(255, QLatin1Char('f'));
        const QByteArray octeti = lista.Codifica();
        EXPECT_TRUE(
            octeti.contains(QByteArray("\x14\x07\x00\x00\x00", 5) + QStringLiteral("Braşov").toUtf8()));
        EXPECT_TRUE(octeti.contains(QByteArray("\x0C\x2C\x01\x00\x00", 5) + QByteArray(300, 'x')));
        EXPECT_TRUE(octeti.contains(QByteArray("\x06\xFF", 2) + QByteArray(255, 'f')));
    } // the list saves itself when destroyed

    TListaParticularizareTextArea citita;
    citita.Load(cale);
    ASSERT_EQ(citita.Count(), 1);
    EXPECT_EQ(citita.Item(0).TextInlocuitor, QStringLiteral("Braşov"));
    EXPECT_EQ(citita.Item(0).Familie, QString(300, QLatin1Char('x')));
    EXPECT_EQ(citita.Item(0).NumeFont, QString(255, QLatin1Char('f')));
}

TEST(FisierParticularizari, OlderRecordVersionsLoadWithDefaults)
{
    TListaParticularizareTextArea lista;
    lista.Load(Fixtura(QStringLiteral("versiune0.lic")));
    ASSERT_EQ(lista.Count(), 1);
    TParticularizareTextArea asteptat;
    asteptat.NumeProprietar = Fereastra;
    asteptat.NumeArie = QStringLiteral("FormularTextArea21");
    asteptat.Aliniere = 3;
    asteptat.DeplasareOrizontala = 1;
    asteptat.DeplasareVerticala = -1;
    asteptat.NumeFont = QStringLiteral("Stanga");
    EXPECT_EQ(lista.Item(0), asteptat);
}

TEST(FisierParticularizari, EveryTagAReaderAcceptsIsRead)
{
    // Integers in all three widths, 8-bit texts in the program's code page,
    // UTF-16 and UTF-8 texts.
    TListaParticularizareTextArea lista;
    lista.Load(Fixtura(QStringLiteral("toate_marcajele.lic")));
    ASSERT_EQ(lista.Count(), 2);
    const TParticularizareTextArea &a = lista.Item(0);
    EXPECT_EQ(a.NumeProprietar, Fereastra);
    EXPECT_EQ(a.Aliniere, 2);
    EXPECT_EQ(a.DeplasareOrizontala, -1);
    EXPECT_EQ(a.TextInlocuitor, QStringLiteral("Braşov"));
    EXPECT_EQ(a.Bold, 0);
    const TParticularizareTextArea &b = lista.Item(1);
    EXPECT_EQ(b.NumeProprietar, Fereastra);
    EXPECT_EQ(b.NumeArie, QStringLiteral("FormularTextArea7"));
    EXPECT_EQ(b.TextInlocuitor, QStringLiteral("Ţara şi Ştefan"));
    EXPECT_EQ(b.Italic, 1);
    EXPECT_EQ(b.Bold, 2);
    EXPECT_EQ(b.Familie, QStringLiteral("Times New Roman"));
}

TEST(FisierParticularizari, DamagedFilesFailWithAClearMessageAndAddNothing)
{
    struct Caz
    {
        const char *fisier;
        const char *mesaj;
    };
    const Caz cazuri[] = {
        {"format_gresit.lic", "Invalid format"},
        {"versiune3.lic", "Invalid format"},
        {"numar_negativ.lic", "Invalid format"},
        {"trunchiat.lic", "este incomplet sau deteriorat"},
        {"lungime_uriasa.lic", "este incomplet sau deteriorat"},
        {"tip_gresit.lic", "se astepta un text"},
    };
    for (const Caz &caz : cazuri) {
        TListaParticularizareTextArea lista;
        lista.Load(Fixtura(QStringLiteral("versiune0.lic")));
        try {
            lista.Load(Fixtura(QString::fromLatin1(caz.fisier)));
            ADD_FAILURE() << caz.fisier;
        } catch (const Exceptie &e) {
            EXPECT_TRUE(e.Mesaj().contains(QString::fromLatin1(caz.mesaj))) << e.Mesaj().toStdString();
        }
        EXPECT_EQ(lista.Count(), 1) << caz.fisier;
    }
    TListaParticularizareTextArea lista;
    EXPECT_THROW(lista.Load(Fixtura(QStringLiteral("nu_exista.lic"))), Exceptie);
}

TEST(FisierParticularizari, LookupsUseTheLaterOfTwoRecordsWithTheSameNames)
{
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("licenta.lic"));
    TListaParticularizareTextArea lista(cale);
    lista.Find(Fereastra, QStringLiteral("A"), true)->Aliniere = 1;
    lista.Save(cale);
    lista.Load(cale); // the same record once more, now last
    ASSERT_EQ(lista.Count(), 2);
    lista.Item(1).Aliniere = 3;
    EXPECT_EQ(lista.Find(Fereastra, QStringLiteral("A"), true)->Aliniere, 3);
    EXPECT_EQ(lista.Find(Fereastra, QStringLiteral("a"), false), nullptr); // names compare exactly
    EXPECT_EQ(lista.Find(QStringLiteral("Alta"), QStringLiteral("A"), false), nullptr);
    EXPECT_EQ(lista.Count(), 2);
}

TEST(FisierParticularizari, CreatingARecordSavesTheListAtOnce)
{
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("licenta.lic"));
    TListaParticularizareTextArea lista(cale);
    lista.Find(Fereastra, QStringLiteral("FormularTextArea3"), true);
    TListaParticularizareTextArea citita;
    citita.Load(cale);
    ASSERT_EQ(citita.Count(), 1);
    EXPECT_EQ(citita.Item(0).NumeArie, QStringLiteral("FormularTextArea3"));
}

TEST(FisierParticularizari, AFileThatCannotBeWrittenIsReportedByTheSave)
{
    QTemporaryDir dosar;
    TListaParticularizareTextArea lista(dosar.filePath(QStringLiteral("lipsa/licenta.lic")));
    try {
        lista.Find(Fereastra, QStringLiteral("A"), true);
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("nu poate fi scris"))) << e.Mesaj().toStdString();
    }
    EXPECT_EQ(lista.Count(), 1); // the record is kept for this run
}

TEST(FisierParticularizari, TheProgramsListKeepsADamagedFileAsideAndCarriesOn)
{
    QTemporaryDir dosar;
    const QString cale = dosar.filePath(QStringLiteral("licenta.lic"));
    QFile::copy(Fixtura(QStringLiteral("trunchiat.lic")), cale);
    const QByteArray deteriorat = Citeste(cale);
    MesajeTest().Reseteaza();
    {
        auto lista = DeschideListaParticularizari(cale);
        EXPECT_EQ(lista->Count(), 0);
        QCoreApplication::processEvents();
        const QStringList erori = MesajeTest().Texte(TMesajeTest::Tip::Eroare);
        ASSERT_EQ(erori.size(), 1);
        EXPECT_TRUE(erori[0].contains(QStringLiteral("licenta.lic.deteriorat"))) << erori[0].toStdString();
        lista->Find(Fereastra, QStringLiteral("A"), true);
    }
    EXPECT_EQ(Citeste(cale + QStringLiteral(".deteriorat")), deteriorat);
    TListaParticularizareTextArea noua;
    noua.Load(cale);
    EXPECT_EQ(noua.Count(), 1);

    // A file that is not there is no error: the list simply starts empty.
    MesajeTest().Reseteaza();
    EXPECT_EQ(DeschideListaParticularizari(dosar.filePath(QStringLiteral("nou.lic")))->Count(), 0);
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
}

TEST(AspectEfectiv, AReplacementTextNeverReplacesASingleCharacter)
{
    TParticularizareTextArea c;
    c.TextInlocuitor = QStringLiteral("Y");
    EXPECT_EQ(AspectEfectiv(QStringLiteral("X"), nullptr, TAliniere::Stanga, &c).Text, QStringLiteral("X"));
    EXPECT_EQ(AspectEfectiv(QStringLiteral("AB"), nullptr, TAliniere::Stanga, &c).Text, QStringLiteral("Y"));
    EXPECT_EQ(AspectEfectiv(QString(), nullptr, TAliniere::Stanga, &c).Text, QStringLiteral("Y"));
    EXPECT_EQ(AspectEfectiv(QStringLiteral("AB"), nullptr, TAliniere::Stanga, nullptr).Text,
              QStringLiteral("AB"));
}

TEST(AspectEfectiv, ChoicesOverrideTheDesignedFontAndAlignment)
{
    TFontFormular proiectat(nullptr, QStringLiteral("Stanga"));
    proiectat.SetBold(true);
    TFontFormular altul(nullptr, QStringLiteral("Dreapta"));
    altul.SetFontName(QStringLiteral("Liberation Serif"));
    altul.SetItalic(true);
    altul.SetCharSet(0);

    TAspectText a = AspectEfectiv(QStringLiteral("AB"), &proiectat, TAliniere::Centru, nullptr);
    EXPECT_EQ(a.Font, &proiectat);
    EXPECT_EQ(a.Aliniere, TAliniere::Centru);
    EXPECT_EQ(a.Grosime, 700);
    EXPECT_FALSE(a.Italic);
    EXPECT_EQ(a.Familie, QStringLiteral("Arial"));

    TParticularizareTextArea c;
    c.Font = &altul;
    c.Aliniere = 3;
    a = AspectEfectiv(QStringLiteral("AB"), &proiectat, TAliniere::Centru, &c);
    EXPECT_EQ(a.Font, &altul);
    EXPECT_EQ(a.Aliniere, TAliniere::Dreapta);
    EXPECT_EQ(a.Grosime, 400);
    EXPECT_TRUE(a.Italic);
    EXPECT_EQ(a.Familie, QStringLiteral("Liberation Serif"));

    c.Italic = 2;
    c.Bold = 1;
    c.Familie = QStringLiteral("Liberation Sans");
    c.Aliniere = 7; // not a choice: as designed
    a = AspectEfectiv(QStringLiteral("AB"), &proiectat, TAliniere::Centru, &c);
    EXPECT_EQ(a.Aliniere, TAliniere::Centru);
    EXPECT_EQ(a.Grosime, 700);
    EXPECT_FALSE(a.Italic);
    EXPECT_EQ(a.Familie, QStringLiteral("Liberation Sans"));

    const TCerereFont f = CerereFont(a, 33, true);
    EXPECT_EQ(f.InaltimeCelula, 33);
    EXPECT_EQ(f.Unghi, 1800);
    EXPECT_EQ(f.SetCaractere, 0);
    EXPECT_EQ(f.Grosime, 700);
    EXPECT_EQ(f.Familie, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(CerereFont(a, 33, false).Unghi, 0);
}
