#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "comun/Ceas.h"
#include "comun/CopiereFisier.h"
#include "comun/Exceptie.h"
#include "data/UCopiiBaza.h"
#include "support/BazaTest.h"

namespace {

QDateTime La(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
}

class TCeasTest : public ICeas
{
public:
    QDateTime Acum() const override { return acum; }
    QDateTime acum = La(QStringLiteral("2026-03-01 08:00"));
};

// Copies through the real one, or writes half the file and fails as a full disk does.
class TCopiereTest : public ICopiereFisier
{
public:
    QString Copiaza(const QString &sursa, const QString &tinta) override
    {
        if (!discPlin)
            return CopiereSistem().Copiaza(sursa, tinta);
        QFile in(sursa);
        QFile out(tinta);
        if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
            out.write(in.read(in.size() / 2));
        return QStringLiteral("No space left on device");
    }
    bool discPlin = false;
};

} // namespace

// Starts of the program on a database copied from the template, with a
// clock and a file copy of the test's own.
class CopiiBaza : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        CopiazaSablonulInBaza();
    }

    std::unique_ptr<TDM> PornesteLa(const QString &cand)
    {
        m_dm.reset();
        m_ceas.acum = La(cand);
        TOptiuniDm optiuni{m_locatii, &m_inregistrari, {}};
        optiuni.ceas = &m_ceas;
        optiuni.copiere = &m_copiere;
        return std::make_unique<TDM>(optiuni);
    }

    QString DosarCopii() const { return m_locatii.CaleDate(QStringLiteral("DB/copii")); }
    QStringList Copii() const { return QDir(DosarCopii()).entryList(QDir::Files, QDir::Name); }
    QStringList FisiereDB() const
    {
        return QDir(m_locatii.CaleDate(QStringLiteral("DB"))).entryList(QDir::Files, QDir::Name);
    }

    void AdaugaCandidati(TDM &dm, int primul, int ultimul)
    {
        QStringList comenzi;
        for (int i = primul; i <= ultimul; ++i) {
            comenzi.append(QStringLiteral("insert into ELEVI values (%1)").arg(i));
            comenzi.append(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                               "VALOARE_NUM, ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', "
                               "'ELEV%1', 0, %1)")
                    .arg(i));
        }
        Executa(dm, comenzi);
    }

    QStringList Nume(TDM &dm)
    {
        QStringList nume;
        dm.Tr.StartTransaction();
        dm.Q6.SetSQL(
            QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_CAMP = 'C_NUME' order by ID_ELEVI"));
        for (dm.Q6.Open(); !dm.Q6.Eof(); dm.Q6.Next())
            nume.append(dm.Q6.AsString(QStringLiteral("VALOARE_TEXT")));
        dm.Tr.Rollback();
        return nume;
    }

    static void Trunchiaza(const QString &fisier)
    {
        QFile f(fisier);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(f.size() / 2));
    }

    // Starts on 1, 2 and 3 March: copies with none, three and five
    // candidates; then the database file is cut in half.
    void TreiPorniriSiBazaTrunchiata()
    {
        m_dm = PornesteLa(QStringLiteral("2026-03-01 08:00"));
        AdaugaCandidati(*m_dm, 1, 3);
        m_dm = PornesteLa(QStringLiteral("2026-03-02 08:00"));
        AdaugaCandidati(*m_dm, 4, 5);
        m_dm = PornesteLa(QStringLiteral("2026-03-03 08:00"));
        m_dm.reset();
        Trunchiaza(CaleBaza());
    }

    TCeasTest m_ceas;
    TCopiereTest m_copiere;
};

TEST_F(CopiiBaza, TenStartsLeaveTenCopiesAndTheEleventhRemovesTheOldest)
{
    ScrieFisier(DosarCopii() + QStringLiteral("/notite.txt"), "");

    QStringList asteptate{QStringLiteral("notite.txt")};
    for (int zi = 1; zi <= 10; ++zi) {
        m_dm = PornesteLa(QStringLiteral("2026-03-%1 08:00").arg(zi, 2, 10, QLatin1Char('0')));
        ASSERT_TRUE(m_dm->Pregatit());
        asteptate.insert(
            asteptate.size() - 1,
            QStringLiteral("CertificatAcordare2006-202603%1-080000.FDB").arg(zi, 2, 10, QLatin1Char('0')));
    }
    EXPECT_EQ(Copii(), asteptate);

    m_dm = PornesteLa(QStringLiteral("2026-03-11 08:00"));
    asteptate.removeFirst();
    asteptate.insert(asteptate.size() - 1, QStringLiteral("CertificatAcordare2006-20260311-080000.FDB"));
    EXPECT_EQ(Copii(), asteptate) << "the oldest goes; a file that is not a copy stays";
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
}

TEST(DePastrat, LastTenAndTheFirstCopyOfEachOfTheTwelveMonthsBefore)
{
    // Two copies a month from January 2025, twelve in March 2026, one dated ahead.
    QList<QDateTime> date;
    for (QDate luna(2025, 1, 1); luna < QDate(2026, 3, 1); luna = luna.addMonths(1)) {
        date.append(QDateTime(luna.addDays(14), QTime(9, 0)));
        date.append(QDateTime(luna.addDays(2), QTime(9, 0)));
    }
    for (int zi = 1; zi <= 12; ++zi)
        date.append(QDateTime(QDate(2026, 3, zi), QTime(8, 0)));
    date.append(La(QStringLiteral("2027-01-01 10:00")));

    const QSet<int> pastrate = TCopiiBaza::DePastrat(date, La(QStringLiteral("2026-03-20 12:00")));
    QStringList ramase;
    for (int i : pastrate)
        ramase.append(date[i].toString(QStringLiteral("yyyy-MM-dd")));
    ramase.sort();
    QStringList asteptate;
    for (QDate luna(2025, 3, 1); luna < QDate(2026, 3, 1); luna = luna.addMonths(1))
        asteptate.append(luna.addDays(2).toString(QStringLiteral("yyyy-MM-dd")));
    for (int zi = 3; zi <= 12; ++zi)
        asteptate.append(QDate(2026, 3, zi).toString(QStringLiteral("yyyy-MM-dd")));
    asteptate.append(QStringLiteral("2027-01-01"));
    EXPECT_EQ(ramase, asteptate);
}

TEST_F(CopiiBaza, ACopyIsTakenBeforeTheUpgradeOpensAndHoldsTheSameCandidates)
{
    m_dm = PornesteLa(QStringLiteral("2026-03-01 08:00"));
    AdaugaCandidati(*m_dm, 1, 3);
    const QStringList nume = Nume(*m_dm);
    m_dm.reset();
    ExecutaDirect(CaleBaza(), {QStringLiteral("alter table PROFIL_DIPLOMA drop ORDINE"),
                               QStringLiteral("update CONFID_DB set VERSIUNE = 2")});

    m_dm = PornesteLa(QStringLiteral("2026-03-02 08:00"));
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->CitesteVersiune(), 3);
    const QString copie = DosarCopii() + QStringLiteral("/CertificatAcordare2006-20260302-080000.FDB");
    const TInfoBaza info = TCopiiBaza::VerificaBaza(copie);
    ASSERT_TRUE(info.valida) << info.eroare.toStdString();
    EXPECT_EQ(info.candidati, 3);
    m_dm.reset();

    // The copy, in the database's place, is the database as it was before that start.
    ASSERT_TRUE(QFile::remove(CaleBaza()));
    ASSERT_TRUE(QFile::copy(copie, CaleBaza()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), QStringLiteral("copie"));
    {
        db.setDatabaseName(copie);
        db.setUserName(QStringLiteral("sysdba"));
        db.setPassword(QStringLiteral("plivremox"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("select VERSIUNE from CONFID_DB")) && q.next());
        EXPECT_EQ(q.value(0).toInt(), 2) << "copied before the upgrade";
        db.close();
    }
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("copie"));
    m_dm = PornesteLa(QStringLiteral("2026-03-03 08:00"));
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Nume(*m_dm), nume);
}

TEST_F(CopiiBaza, TruncatedDatabaseAtStartOffersTheNewestCopyAndYesRestoresIt)
{
    TreiPorniriSiBazaTrunchiata();
    const QByteArray deteriorata = Amprenta(CaleBaza());
    const QStringList copii = Copii();

    MesajeTest().Raspunde(true);
    m_dm = PornesteLa(QStringLiteral("2026-03-04 09:30"));

    ASSERT_EQ(MesajeTest().Mesaje().size(), 1);
    EXPECT_EQ(MesajeTest().Mesaje()[0].tip, TMesajeTest::Tip::Intrebare);
    EXPECT_TRUE(MesajeTest().Mesaje()[0].text.startsWith(QStringLiteral(
        "Baza de date nu poate fi deschisa. Restaurez copia din 03.03.2026 08:00:00 (5 candidati)?")))
        << MesajeTest().Mesaje()[0].text.toStdString();
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Nume(*m_dm),
              (QStringList{QStringLiteral("ELEV1"), QStringLiteral("ELEV2"), QStringLiteral("ELEV3"),
                           QStringLiteral("ELEV4"), QStringLiteral("ELEV5")}));
    const QString pastrata =
        m_locatii.CaleDate(QStringLiteral("DB/CertificatAcordare2006-deteriorat-20260304-093000.FDB"));
    EXPECT_EQ(Amprenta(pastrata), deteriorata) << "the damaged file is kept as it was";
    EXPECT_EQ(Copii(), copii) << "no copy of the damaged file among the copies";
}

TEST_F(CopiiBaza, NoToTheOfferLeavesTheDamagedFileAndSkipsACopyThatDoesNotOpen)
{
    TreiPorniriSiBazaTrunchiata();
    Trunchiaza(DosarCopii() + QStringLiteral("/CertificatAcordare2006-20260303-080000.FDB"));
    const QByteArray deteriorata = Amprenta(CaleBaza());
    const QStringList fisiere = FisiereDB();

    m_dm = PornesteLa(QStringLiteral("2026-03-04 09:30"));

    ASSERT_EQ(MesajeTest().Mesaje().size(), 1) << "the question alone says what happened";
    EXPECT_TRUE(MesajeTest().Mesaje()[0].text.startsWith(QStringLiteral(
        "Baza de date nu poate fi deschisa. Restaurez copia din 02.03.2026 08:00:00 (3 candidati)?")));
    EXPECT_FALSE(m_dm->Pregatit());
    EXPECT_EQ(Amprenta(CaleBaza()), deteriorata);
    EXPECT_EQ(FisiereDB(), fisiere);
    EXPECT_EQ(Copii().size(), 3);
}

TEST_F(CopiiBaza, RestoringAFileThatIsNotADatabaseOfThisProgramChangesNothing)
{
    m_dm = PornesteLa(QStringLiteral("2026-03-01 08:00"));
    AdaugaCandidati(*m_dm, 1, 2);
    const QString strain = m_dosar.filePath(QStringLiteral("strain.FDB"));
    ASSERT_TRUE(QFile::copy(CaleSablon(), strain));
    QFile::setPermissions(strain, QFile::ReadOwner | QFile::WriteOwner);
    ExecutaDirect(strain, {QStringLiteral("drop table TIPURI_DE_DATE")});
    const QString text = m_dosar.filePath(QStringLiteral("notite.FDB"));
    ScrieFisier(text, "nu este o baza de date\n");
    const QString trunchiata = m_dosar.filePath(QStringLiteral("trunchiata.FDB"));
    ASSERT_TRUE(QFile::copy(CaleBaza(), trunchiata));
    QFile::setPermissions(trunchiata, QFile::ReadOwner | QFile::WriteOwner);
    Trunchiaza(trunchiata);

    struct Caz
    {
        QString fisier;
        QString mesaj;
    };
    const Caz cazuri[] = {
        {strain, QStringLiteral("lipsesc tabelele TIPURI_DE_DATE")},
        {text, QStringLiteral("nu este o baza de date a acestui program")},
        {trunchiata, QStringLiteral("nu este o baza de date a acestui program")},
        {m_dosar.filePath(QStringLiteral("lipsa.FDB")), QStringLiteral("Fisierul nu exista")},
    };
    const QStringList fisiere = FisiereDB();
    for (const Caz &caz : cazuri) {
        const QByteArray ales = Amprenta(caz.fisier);
        try {
            m_dm->RestaureazaBaza(caz.fisier);
            ADD_FAILURE() << "restored " << caz.fisier.toStdString();
        } catch (const Exceptie &e) {
            EXPECT_TRUE(e.Mesaj().contains(caz.mesaj)) << e.Mesaj().toStdString();
        }
        EXPECT_EQ(FisiereDB(), fisiere) << caz.fisier.toStdString();
        EXPECT_EQ(Amprenta(caz.fisier), ales);
        ASSERT_TRUE(m_dm->Pregatit());
        EXPECT_EQ(Nume(*m_dm).size(), 2);
    }
}

TEST_F(CopiiBaza, RestoreKeepsTheCurrentDatabaseAsideEveryTimeAndReopens)
{
    m_dm = PornesteLa(QStringLiteral("2026-03-01 08:00"));
    AdaugaCandidati(*m_dm, 1, 3);
    m_dm = PornesteLa(QStringLiteral("2026-03-02 08:00"));
    AdaugaCandidati(*m_dm, 4, 5);
    const QString copie = DosarCopii() + QStringLiteral("/CertificatAcordare2006-20260302-080000.FDB");
    const QByteArray aleasa = Amprenta(copie);

    EXPECT_EQ(m_dm->RestaureazaBaza(copie), 3);
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Nume(*m_dm).size(), 3);
    EXPECT_EQ(Amprenta(copie), aleasa) << "the file chosen is copied, never opened in place";
    const QString inainte =
        m_locatii.CaleDate(QStringLiteral("DB/CertificatAcordare2006-inainte-de-restaurare.FDB"));
    EXPECT_EQ(TCopiiBaza::VerificaBaza(inainte).candidati, 5);

    AdaugaCandidati(*m_dm, 6, 6);
    EXPECT_EQ(m_dm->RestaureazaBaza(copie), 3);
    EXPECT_EQ(TCopiiBaza::VerificaBaza(inainte).candidati, 5) << "an earlier one is never overwritten";
    EXPECT_EQ(TCopiiBaza::VerificaBaza(
                  m_locatii.CaleDate(QStringLiteral("DB/CertificatAcordare2006-inainte-de-restaurare-2.FDB")))
                  .candidati,
              4);
}

TEST_F(CopiiBaza, FullDiskDuringACopyIsReportedOnceAndTheStartGoesOn)
{
    m_dm = PornesteLa(QStringLiteral("2026-03-01 08:00"));
    AdaugaCandidati(*m_dm, 1, 3);
    m_dm = PornesteLa(QStringLiteral("2026-03-02 08:00"));
    const QStringList copii = Copii();
    const QByteArray veche = Amprenta(DosarCopii() + QLatin1Char('/') + copii.value(0));
    m_copiere.discPlin = true;

    m_dm = PornesteLa(QStringLiteral("2026-03-03 08:00"));

    ASSERT_EQ(MesajeTest().Mesaje().size(), 1);
    EXPECT_EQ(MesajeTest().Mesaje()[0].tip, TMesajeTest::Tip::Avertizare);
    EXPECT_TRUE(MesajeTest().Mesaje()[0].text.contains(QStringLiteral("No space left on device")));
    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Nume(*m_dm).size(), 3);
    EXPECT_EQ(Copii(), copii) << "no part of the new copy, the older one as it was";
    EXPECT_EQ(Amprenta(DosarCopii() + QLatin1Char('/') + copii.value(0)), veche);

    // The copy after an import and a copy saved elsewhere fail the same way, the database still open.
    MesajeTest().Reseteaza();
    EXPECT_FALSE(m_dm->CopieDupaImport());
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Avertizare).size(), 1);
    const QString stick = m_dosar.filePath(QStringLiteral("stick/copie.FDB"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(stick).absolutePath()));
    EXPECT_THROW(m_dm->SalveazaCopie(stick), Exceptie);
    EXPECT_TRUE(QDir(QFileInfo(stick).absolutePath()).isEmpty());
    EXPECT_EQ(Nume(*m_dm).size(), 3);
    EXPECT_EQ(Copii(), copii);
}

TEST_F(CopiiBaza, SavedCopyAndTheCopyAfterAnImportHoldTheCandidatesWhileTheDatabaseStaysOpen)
{
    m_dm = PornesteLa(QStringLiteral("2026-03-01 08:00"));
    AdaugaCandidati(*m_dm, 1, 3);
    const QString stick = m_dosar.filePath(QStringLiteral("copie.FDB"));
    ScrieFisier(stick, "o copie mai veche");

    m_dm->SalveazaCopie(stick);
    EXPECT_EQ(TCopiiBaza::VerificaBaza(stick).candidati, 3);
    EXPECT_THROW(m_dm->SalveazaCopie(CaleBaza()), Exceptie);

    m_ceas.acum = La(QStringLiteral("2026-03-01 10:15"));
    AdaugaCandidati(*m_dm, 4, 4);
    EXPECT_TRUE(m_dm->CopieDupaImport());
    EXPECT_EQ(Copii().join(QLatin1Char(' ')), QStringLiteral("CertificatAcordare2006-20260301-080000.FDB "
                                                             "CertificatAcordare2006-20260301-101500.FDB"));
    EXPECT_EQ(
        TCopiiBaza::VerificaBaza(DosarCopii() + QStringLiteral("/CertificatAcordare2006-20260301-101500.FDB"))
            .candidati,
        4);
    EXPECT_EQ(Nume(*m_dm).size(), 4);
    AdaugaCandidati(*m_dm, 5, 5);
    EXPECT_TRUE(m_dm->CopieDupaImport());
    const QList<TCopieBaza> lista = m_dm->Copii().Lista();
    ASSERT_EQ(lista.size(), 3);
    EXPECT_TRUE(lista[0].cale.endsWith(QStringLiteral("-20260301-101500-2.FDB")))
        << "a second copy of the same second is the newest";
    EXPECT_EQ(TCopiiBaza::VerificaBaza(lista[0].cale).candidati, 5);
    EXPECT_TRUE(MesajeTest().Mesaje().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(stick + QStringLiteral(".tmp")));
}

#ifdef Q_OS_LINUX
// The system's copy itself, on a device that is always full.
TEST(CopiereSistem, AFullDiskFailsTheCopyWithTheSystemsReason)
{
    QTemporaryDir dosar;
    const QString sursa = dosar.filePath(QStringLiteral("baza.FDB"));
    ScrieFisier(sursa, QByteArray(3 << 20, 'x'));
    const QString eroare = CopiereSistem().Copiaza(sursa, QStringLiteral("/dev/full"));
    EXPECT_TRUE(eroare.startsWith(QStringLiteral("Nu pot scrie /dev/full"))) << eroare.toStdString();

    const QString tinta = dosar.filePath(QStringLiteral("copie.FDB"));
    EXPECT_EQ(CopiereSistem().Copiaza(sursa, tinta), QString());
    EXPECT_EQ(Amprenta(tinta), Amprenta(sursa));
}
#endif
