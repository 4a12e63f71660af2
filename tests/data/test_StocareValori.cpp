#include <optional>

#include <gtest/gtest.h>

#include "data/UGardaTranzactie.h"
#include "data/UStocareValori.h"
#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

const TReferintaCamp kNume{QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
                           QStringLiteral("C_NUME")};
const TReferintaCamp kAdresa{QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"),
                             QStringLiteral("C_ADRESA")};
const QString kElevi = QStringLiteral("ELEVI");
const QString kInstitutia = QStringLiteral("INSTITUTIA");

// A value row of the field linked through `coloane` ("ID_ELEVI" or several, comma-separated) to `valori`.
QString Rand(const TReferintaCamp &camp, const QString &text, const QString &coloane, const QString &valori,
             double numar = 0)
{
    return QStringLiteral(
               "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
               "%1) values ('%2', '%3', '%4', %5, %6, %7)")
        .arg(coloane, camp.CodFormular, camp.CodPagina, camp.CodCamp,
             QLatin1Char('\'') + text + QLatin1Char('\''))
        .arg(numar)
        .arg(valori);
}

} // namespace

TEST(StocareValori, ChoosesTheRecordByTheExactTableName)
{
    EXPECT_EQ(StocareValori::IdSelectat(QStringLiteral("ELEVI"), 1, 2), 1);
    EXPECT_EQ(StocareValori::IdSelectat(QStringLiteral("elevi"), 1, 2), 2);
    EXPECT_EQ(StocareValori::IdSelectat(QStringLiteral("INSTITUTIA"), 1, 2), 2);
}

TEST(StocareValori, TrimsBlanksAndControlCharactersAndCutsByCharacters)
{
    struct Caz
    {
        QString text;
        int lungime;
        QString asteptat;
    };
    const Caz cazuri[] = {
        {QStringLiteral("   "), 64, QString()},
        {QStringLiteral(" \t\r\n abc d \x01"), 64, QStringLiteral("abc d")},
        {QString(300, QLatin1Char('x')), 256, QString(256, QLatin1Char('x'))},
        {QString(70, QLatin1Char('y')), 64, QString(64, QLatin1Char('y'))},
        {QStringLiteral("  ") + QString(64, QLatin1Char('z')) + QStringLiteral("  "), 64,
         QString(64, QLatin1Char('z'))},
        {QStringLiteral("ăîșț"), 3, QStringLiteral("ăîș")},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(StocareValori::TextDeSalvat(c.text, c.lungime), c.asteptat) << c.text.toStdString();
}

// Candidates 1 and 2, the institution 10 and the CANDIDAT record 5.
class StocareValoriBaza : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        Executa(*m_dm, {QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                        QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
                        QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (10)"),
                        QStringLiteral("insert into CANDIDAT (ID_CANDIDAT) values (5)")});
    }

    // The field's rows as "text|number|ID_ELEVI|ID_INSTITUTIA|ID_CANDIDAT", in a fixed order.
    QStringList Randuri(const TReferintaCamp &camp)
    {
        QStringList randuri;
        const TGardaTranzactie garda(*m_dm);
        m_dm->Q6.SetSQL(
            QStringLiteral("select VALOARE_TEXT || '|' || cast(VALOARE_NUM as integer) || '|' || "
                           "coalesce(ID_ELEVI, '-') || '|' || coalesce(ID_INSTITUTIA, '-') || '|' || "
                           "coalesce(ID_CANDIDAT, '-') as R from \"DATE\" where COD_CAMP = :CAMP "
                           "order by 1"));
        m_dm->Q6.ParamByName(QStringLiteral("CAMP"), camp.CodCamp);
        for (m_dm->Q6.Open(); !m_dm->Q6.Eof(); m_dm->Q6.Next())
            randuri.append(m_dm->Q6.AsString(QStringLiteral("R")));
        return randuri;
    }
};

TEST_F(StocareValoriBaza, ReadsTheFirstRowOfTheRecordInItsOwnTable)
{
    Executa(*m_dm,
            {Rand(kNume, QStringLiteral("Popescu Ana"), QStringLiteral("ID_ELEVI"), QStringLiteral("1")),
             Rand(kNume, QString(), QStringLiteral("ID_ELEVI"), QStringLiteral("2")),
             Rand(kAdresa, QStringLiteral("Iasi"), QStringLiteral("ID_INSTITUTIA"), QStringLiteral("10")),
             Rand(kAdresa, QStringLiteral("Cluj"), QStringLiteral("ID_CANDIDAT"), QStringLiteral("5"))});
    struct Caz
    {
        const char *descriere;
        TReferintaCamp camp;
        QString tabel;
        int id;
        std::optional<QString> asteptat;
    };
    const Caz cazuri[] = {
        {"a candidate's value", kNume, kElevi, 1, QStringLiteral("Popescu Ana")},
        {"an empty text is a stored value", kNume, kElevi, 2, QString()},
        {"a record not created yet", kNume, kElevi, -1, std::nullopt},
        {"the institution's own row", kAdresa, kInstitutia, 10, QStringLiteral("Iasi")},
        {"another table's row with the same field", kAdresa, QStringLiteral("CANDIDAT"), 5,
         QStringLiteral("Cluj")},
        {"no row of the field for the record", kAdresa, kElevi, 1, std::nullopt},
    };
    for (const Caz &c : cazuri) {
        SCOPED_TRACE(c.descriere);
        EXPECT_EQ(StocareValori::Citeste(*m_dm, c.camp, c.tabel, c.id), c.asteptat);
        EXPECT_FALSE(m_dm->Tr.InTransaction()) << "a read of its own ends its transaction";
        EXPECT_FALSE(m_dm->Q1.Active());
    }

    // The shared statement: a null record identifier matches nothing.
    m_dm->Tr.StartTransaction();
    StocareValori::DeschideRandurile(m_dm->Q3, kNume, kElevi, QVariant(QMetaType::fromType<int>()));
    EXPECT_TRUE(m_dm->Q3.Eof());
    StocareValori::DeschideRandurile(m_dm->Q3, kNume, kElevi, 1);
    EXPECT_EQ(m_dm->Q3.AsString(QStringLiteral("VALOARE_TEXT")), QStringLiteral("Popescu Ana"));
    m_dm->Tr.Rollback();
}

TEST_F(StocareValoriBaza, InsertsOnceThenUpdatesEveryMatchingRowAndClearsTheOtherLinks)
{
    // Without a transaction the write commits its own.
    StocareValori::Scrie(*m_dm, kAdresa, kInstitutia, 10, QStringLiteral("Iasi"));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(Randuri(kAdresa), QStringList{QStringLiteral("Iasi|0|-|10|-")});

    // Two rows of the record, one also pointing at a CANDIDAT record, the
    // other with a number: both updated, the links of other tables cleared.
    Executa(*m_dm,
            {Rand(kAdresa, QStringLiteral("Vechi"), QStringLiteral("ID_INSTITUTIA, ID_CANDIDAT"),
                  QStringLiteral("10, 5"), 7.5),
             Rand(kAdresa, QStringLiteral("Alt"), QStringLiteral("ID_CANDIDAT"), QStringLiteral("5"))});
    StocareValori::Scrie(*m_dm, kAdresa, kInstitutia, 10, QStringLiteral("Iasi, jud. Iasi"));
    EXPECT_EQ(Randuri(kAdresa),
              (QStringList{QStringLiteral("Alt|0|-|-|5"), QStringLiteral("Iasi, jud. Iasi|0|-|10|-"),
                           QStringLiteral("Iasi, jud. Iasi|0|-|10|-")}));

    // Inside the caller's transaction the caller decides.
    m_dm->Tr.StartTransaction();
    StocareValori::Scrie(*m_dm, kNume, kElevi, 2, QStringLiteral("Ionescu Dan"));
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    EXPECT_EQ(StocareValori::Citeste(*m_dm, kNume, kElevi, 2), QStringLiteral("Ionescu Dan"));
    m_dm->Tr.Rollback();
    EXPECT_TRUE(Randuri(kNume).isEmpty());
}

TEST_F(StocareValoriBaza, AFailedWriteChangesNothingAndClosesItsStatements)
{
    EXPECT_THROW(StocareValori::Scrie(*m_dm, kNume, QStringLiteral("LIPSA"), 1, QStringLiteral("X")),
                 Exceptie);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_FALSE(m_dm->Q1.Active() || m_dm->Q2.Active());
    // A candidate that does not exist breaks the link's key: nothing stays.
    EXPECT_THROW(StocareValori::Scrie(*m_dm, kNume, kElevi, 99, QStringLiteral("X")), Exceptie);
    EXPECT_TRUE(Randuri(kNume).isEmpty());
}

TEST_F(StocareValoriBaza, SuggestsEachStoredTextOfTheFieldOnce)
{
    const TReferintaCamp specialitatea{kNume.CodFormular, kNume.CodPagina, QStringLiteral("C_SPECIALITATEA")};
    EXPECT_TRUE(StocareValori::Sugestii(*m_dm, specialitatea).isEmpty());
    Executa(
        *m_dm,
        {Rand(specialitatea, QStringLiteral("Fizica"), QStringLiteral("ID_ELEVI"), QStringLiteral("1")),
         Rand(specialitatea, QStringLiteral("Fizica"), QStringLiteral("ID_ELEVI"), QStringLiteral("2")),
         Rand(specialitatea, QStringLiteral("Chimie"), QStringLiteral("ID_INSTITUTIA"), QStringLiteral("10")),
         Rand(specialitatea, QStringLiteral(""), QStringLiteral("ID_ELEVI"), QStringLiteral("1")),
         Rand(kNume, QStringLiteral("Alt camp"), QStringLiteral("ID_ELEVI"), QStringLiteral("1"))});
    QStringList sugestii = StocareValori::Sugestii(*m_dm, specialitatea);
    sugestii.sort();
    EXPECT_EQ(sugestii, (QStringList{QStringLiteral("Chimie"), QStringLiteral("Fizica")}));
    EXPECT_FALSE(m_dm->Tr.InTransaction());
}
