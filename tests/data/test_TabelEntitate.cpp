#include <gtest/gtest.h>

#include "data/UGardaTranzactie.h"
#include "data/UInregistrari.h"
#include "data/UListaInregistrari.h"
#include "data/ULegaturi.h"
#include "data/UTabelEntitate.h"
#include "data/UTabeleCertificatAcordare.h"
#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

const QString kElevi = QStringLiteral("ELEVI");
const QString kInstitutia = QStringLiteral("INSTITUTIA");

QString RandValoare(const QString &camp, const QString &text, const QString &tabel, int id)
{
    return QStringLiteral(
               "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
               "ID_%1) values ('CertificatAcordare', 'FATA', '%2', '%3', 0, %4)")
        .arg(tabel, camp, text)
        .arg(id);
}

QString Inregistrare(const QString &tabel, int id)
{
    return QStringLiteral("insert into %1 (ID_%1) values (%2)").arg(tabel).arg(id);
}

} // namespace

class TabelEntitate : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
    }
    int Numar(const QString &sql)
    {
        return Valoare(*m_dm, QStringLiteral("select count(*) as V from ") + sql).toInt();
    }
};

// The candidates' table and another entity table behave alike, each with its own statements.
TEST_F(TabelEntitate, NumbersInsertsListsAndDeletesTheRecordsOfEitherKindOfTable)
{
    for (const QString &tabel : {kElevi, kInstitutia}) {
        SCOPED_TRACE(tabel.toStdString());
        TTabelEntitate entitate(*m_dm, tabel);
        EXPECT_EQ(entitate.Nume(), tabel);

        // A number taken in a transaction rolled back is gone for good.
        {
            const TGardaTranzactie garda(*m_dm);
            EXPECT_EQ(entitate.IdNou(), 1);
            entitate.Insereaza(1);
        }
        EXPECT_EQ(Numar(tabel), 0);
        const int id = entitate.IdNou();
        EXPECT_EQ(id, 2);
        entitate.Insereaza(id);
        EXPECT_FALSE(m_dm->Tr.InTransaction());
        Executa(*m_dm, {Inregistrare(tabel, 9), Inregistrare(tabel, 5),
                        RandValoare(QStringLiteral("C_ADRESA"), QStringLiteral("x"), tabel, 5)});

        QList<int> iduri = entitate.Iduri();
        std::sort(iduri.begin(), iduri.end());
        EXPECT_EQ(iduri, (QList<int>{2, 5, 9}));
        EXPECT_EQ(entitate.IduriInOrdine(), (QList<int>{2, 5, 9}));

        entitate.Sterge(5);
        EXPECT_EQ(entitate.IduriInOrdine(), (QList<int>{2, 9}));
        EXPECT_EQ(Numar(QStringLiteral("\"DATE\"")), 0) << "the record's value rows go with it";
        EXPECT_FALSE(m_dm->Tr.InTransaction());

        // Inside the caller's transaction a deletion is the caller's to keep.
        m_dm->Tr.StartTransaction();
        entitate.Sterge(9);
        m_dm->Tr.Rollback();
        EXPECT_EQ(Numar(tabel), 2);
    }
    EXPECT_EQ(IduriElevi(*m_dm), (QList<int>{2, 9}));
}

TEST_F(TabelEntitate, ACandidatesTextFollowsTheLookupAndARecordsItsOwnValues)
{
    Executa(*m_dm, {Inregistrare(kElevi, 1), Inregistrare(kInstitutia, 10),
                    RandValoare(QStringLiteral("C_NUME"), QStringLiteral("Popescu Ana"), kElevi, 1),
                    RandValoare(QStringLiteral("D_NUME"), QStringLiteral("Ana P."), kElevi, 1),
                    RandValoare(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Liceul Nr. 1"),
                                kInstitutia, 10)});
    struct Caz
    {
        QString tabel;
        int id;
        QString expresie;
        QString asteptat;
    };
    const Caz cazuri[] = {
        // D_NUME shares C_NUME's value ("DA"), whatever it holds itself.
        {kElevi, 1, QStringLiteral("<{CertificatAcordare.FATA.D_NUME}>"), QStringLiteral("<Popescu Ana>")},
        {kElevi, 2, QStringLiteral("{CertificatAcordare.FATA.C_NUME}"), QString()},
        {kInstitutia, 10, QStringLiteral("{CertificatAcordare.FATA.C_INSTITUTIA_INVATAMANT}, {x"),
         QStringLiteral("Liceul Nr. 1, ")},
        {kInstitutia, 10, QStringLiteral("{CertificatAcordare.FATA.C_ADRESA}"), QString()},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.expresie.toStdString());
        EXPECT_EQ(TTabelEntitate(*m_dm, c.tabel).Denumire(c.expresie, c.id), c.asteptat);
        EXPECT_FALSE(m_dm->Tr.InTransaction());
    }
}

TEST_F(TabelEntitate, TheSharedListLoadsLinesAndDeletesOneRecord)
{
    Executa(*m_dm,
            {Inregistrare(kInstitutia, 4), Inregistrare(kInstitutia, 9),
             RandValoare(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Liceul"), kInstitutia, 4),
             RandValoare(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Universitatea"),
                         kInstitutia, 9)});
    const QString expresie = QStringLiteral("{CertificatAcordare.FATA.C_INSTITUTIA_INVATAMANT}");
    TListaInregistrari lista;
    lista.Incarca(*m_dm, kInstitutia, expresie);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    ASSERT_EQ(lista.Linii().size(), 2u);
    QStringList texte;
    for (const TLinieInregistrare &l : lista.Linii())
        texte.append(QString::number(l.Id) + QLatin1Char('=') + l.Denumire);
    texte.sort();
    EXPECT_EQ(texte, (QStringList{QStringLiteral("4=Liceul"), QStringLiteral("9=Universitatea")}));

    // The links' choice lists show the same lines, by identifier, with the
    // program's own record expression.
    if (!Inregistrari().Profil())
        InregistreazaCertificatAcordare(Inregistrari());
    m_dm->Tr.StartTransaction();
    const TListaLiniiInregistrari alegeri = Legaturi::Inregistrari(*m_dm, kInstitutia);
    m_dm->Tr.Rollback();
    ASSERT_EQ(alegeri.size(), 2u);
    EXPECT_EQ(alegeri[0].Id, 4);
    EXPECT_EQ(alegeri[0].Denumire, QStringLiteral("Liceul"));

    lista.Sterge(*m_dm, kInstitutia, 4);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    ASSERT_EQ(lista.Linii().size(), 1u);
    EXPECT_EQ(lista.Linii()[0].Id, 9);
    EXPECT_EQ(Numar(kInstitutia), 1);
    EXPECT_EQ(Numar(QStringLiteral("\"DATE\" where ID_INSTITUTIA = 4")), 0);
}

TEST_F(TabelEntitate, AFailedReadLeavesTheListEmptyAndNoTransaction)
{
    Executa(*m_dm, {Inregistrare(kElevi, 1)});
    TListaInregistrari lista;
    lista.Incarca(*m_dm, kElevi, QString());
    ASSERT_EQ(lista.Linii().size(), 1u);

    EXPECT_THROW(lista.Incarca(*m_dm, QStringLiteral("LIPSA"), QString()), Exceptie);
    EXPECT_TRUE(lista.Linii().empty());
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    // The list runs its own transactions: inside another one it refuses and leaves it be.
    m_dm->Tr.StartTransaction();
    EXPECT_THROW(lista.Incarca(*m_dm, kElevi, QString()), Exceptie);
    EXPECT_THROW(lista.Sterge(*m_dm, kElevi, 1), Exceptie);
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    m_dm->Tr.Rollback();
    EXPECT_EQ(Numar(kElevi), 1);
}
