#include <gtest/gtest.h>

#include "comun/Exceptie.h"
#include "data/UGardaTranzactie.h"
#include "data/UProfilStocat.h"
#include "data/UTabelEntitate.h"
#include "data/UValoriInBloc.h"
#include "support/BazaTest.h"

namespace {

const QString kElevi = QStringLiteral("ELEVI");
const QString kFormular = QStringLiteral("CertificatAcordare");
const QString kPagina = QStringLiteral("FATA");

QString Rand(const QString &camp, const QString &text, const QString &coloana, int id,
             const QString &idf = QStringLiteral("null"))
{
    return QStringLiteral(
               "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, %1, "
               "IDF_INSTITUTIA) values ('CertificatAcordare', 'FATA', '%2', '%3', 0, %4, %5)")
        .arg(coloana, camp, text)
        .arg(id)
        .arg(idf);
}

QString Cod(const TReferintaCamp &c)
{
    return c.CodFormular + QLatin1Char('.') + c.CodPagina + QLatin1Char('.') + c.CodCamp;
}

// What the single lookup gives, or its error.
QString SauEroarea(const std::function<QString()> &valoare)
{
    try {
        return valoare();
    } catch (const Exceptie &e) {
        return QStringLiteral("eroare: ") + e.Mesaj();
    }
}

} // namespace

// Every field of the certificate's profile, for candidates in every situation:
//  1: an own value for every field of its own, linked to institution 10 for every other;
//  2: values only for the stub's fields, linked to institution 11 (which has half its values)
//     for some institution fields and by rows without an institution for the others;
//  3: no value rows at all;
//  4: empty own values for the certificate's fields, and a value row for a field the profile
//     does not have;
//  5: rows written with trailing spaces in the codes, and two rows for the same field.
class ValoriInBloc : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        m_linii = ProfilStocat::Linii(*m_dm);
        ASSERT_EQ(m_linii.size(), 37u);
        QStringList sql;
        for (int id = 1; id <= 5; ++id)
            sql << QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id);
        sql << QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (10)")
            << QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (11)");
        int n = 0;
        for (const TLinieProfil &l : m_linii) {
            const QString &c = l.CodCamp;
            const bool dinCertificat = c.startsWith(QLatin1Char('D'));
            if (l.AsociatCu == kElevi) {
                sql << Rand(c, c + QStringLiteral(" 1"), QStringLiteral("ID_ELEVI"), 1);
                if (!dinCertificat)
                    sql << Rand(c, c + QStringLiteral(" 2"), QStringLiteral("ID_ELEVI"), 2);
                else
                    sql << Rand(c, QString(), QStringLiteral("ID_ELEVI"), 4);
            } else {
                sql << Rand(c, QString(), QStringLiteral("ID_ELEVI"), 1, QStringLiteral("10"))
                    << Rand(c, QString(), QStringLiteral("ID_ELEVI"), 2,
                            n % 3 ? QStringLiteral("11") : QStringLiteral("null"))
                    << Rand(c, c + QStringLiteral(" inst 10"), QStringLiteral("ID_INSTITUTIA"), 10);
                if (n % 2)
                    sql << Rand(c, c + QStringLiteral(" inst 11"), QStringLiteral("ID_INSTITUTIA"), 11);
                if (dinCertificat)
                    sql << Rand(c, QString(), QStringLiteral("ID_ELEVI"), 4, QStringLiteral("11"));
            }
            ++n;
        }
        sql << Rand(QStringLiteral("NU_EXISTA"), QStringLiteral("orfan"), QStringLiteral("ID_ELEVI"), 4)
            << Rand(QStringLiteral("C_NUME   "), QStringLiteral("Pop Ion"), QStringLiteral("ID_ELEVI"), 5)
            << Rand(QStringLiteral("C_NUME"), QStringLiteral("Pop Ion"), QStringLiteral("ID_ELEVI"), 5)
            << Rand(QStringLiteral("D_ADRESA"), QString(), QStringLiteral("ID_ELEVI"), 5,
                    QStringLiteral("10"));
        Executa(*m_dm, sql);
    }

    void ModPentruToate(const QString &mod)
    {
        Executa(*m_dm, {QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = '%1'").arg(mod)});
    }

    // Every field of the profile, a field it does not have, and codes as a
    // caller may write them (trailing spaces, another case).
    QList<TReferintaCamp> Campuri() const
    {
        QList<TReferintaCamp> campuri;
        for (const TLinieProfil &l : m_linii)
            campuri.append({l.CodFormular, l.CodPagina, l.CodCamp});
        campuri.append({kFormular, kPagina, QStringLiteral("NU_EXISTA")});
        campuri.append({kFormular, kPagina, QStringLiteral("D_NUME  ")});
        campuri.append({kFormular, kPagina, QStringLiteral("d_nume")});
        campuri.append({kFormular + QLatin1Char(' '), kPagina, QStringLiteral("C_ADRESA")});
        return campuri;
    }

    // The block and the single lookup agree on every field for every candidate.
    void VerificaLaFel(TValoriInBloc &bloc, const QList<int> &elevi)
    {
        for (const TReferintaCamp &camp : Campuri()) {
            SCOPED_TRACE(Cod(camp).toStdString());
            for (const int id : elevi) {
                SCOPED_TRACE(id);
                const QString asteptat = SauEroarea([&] { return m_dm->ValoareCamp(camp, id); });
                EXPECT_EQ(SauEroarea([&] { return bloc.ValoareCamp(camp, id); }), asteptat);
            }
            EXPECT_EQ(bloc.TipDeDate(camp), ProfilStocat::TipDeDate(*m_dm, camp));
        }
    }

    std::vector<TLinieProfil> m_linii;
    const QList<int> m_toti{1, 2, 3, 4, 5, 99};
};

TEST_F(ValoriInBloc, GivesWhatTheSingleLookupGivesForEveryFieldAndSharingMode)
{
    const QString moduri[] = {QStringLiteral("DA"),       QStringLiteral("NU"),       QStringLiteral("nu"),
                              QStringLiteral("SELECTIV"), QStringLiteral("OPTIONAL"), QString(),
                              QStringLiteral("ALTCEVA")};
    for (const QString &mod : moduri) {
        SCOPED_TRACE(("mode " + mod).toStdString());
        ModPentruToate(mod);
        TValoriInBloc toti(*m_dm, std::nullopt);
        VerificaLaFel(toti, m_toti);
        TValoriInBloc unii(*m_dm, QList<int>{1, 4, 5});
        VerificaLaFel(unii, m_toti);
    }

    // Modes mixed over the fields, and sharing with a blank SIMILAR_CU.
    QStringList sql;
    for (size_t i = 0; i < m_linii.size(); ++i)
        sql << QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = '%1' where COD_CAMP = '%2'")
                   .arg(moduri[i % 7], m_linii[i].CodCamp);
    sql << QStringLiteral("update PROFIL_DIPLOMA set SIMILAR_CU = ' ' where COD_CAMP = 'D_NUME'");
    Executa(*m_dm, sql);
    TValoriInBloc amestecat(*m_dm, std::nullopt);
    VerificaLaFel(amestecat, m_toti);
}

TEST_F(ValoriInBloc, ReadsOnlyTheFieldsAskedForAndWhatTheyShare)
{
    for (const QString &mod : {QStringLiteral("DA"), QStringLiteral("OPTIONAL")}) {
        ModPentruToate(mod);
        // D_NUME shares C_NUME; the rest comes from the single lookup, with the same answers.
        TValoriInBloc bloc(*m_dm, std::nullopt,
                           {{kFormular, kPagina, QStringLiteral("D_NUME")},
                            {kFormular, kPagina, QStringLiteral("D_ADRESA")}});
        VerificaLaFel(bloc, m_toti);
    }
}

TEST_F(ValoriInBloc, NeedsAFewStatementsWhateverTheNumberOfCandidates)
{
    QStringList sql;
    for (int id = 100; id < 400; ++id) {
        sql << QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id)
            << Rand(QStringLiteral("C_NUME"), QStringLiteral("Nume %1").arg(id), QStringLiteral("ID_ELEVI"),
                    id)
            << Rand(QStringLiteral("C_ADRESA"), QString(), QStringLiteral("ID_ELEVI"), id,
                    QStringLiteral("10"));
    }
    Executa(*m_dm, sql);
    QList<int> iduri;
    for (int id = 100; id < 400; ++id)
        iduri.append(id);

    // The profile, the candidates' rows, the institutions' rows.
    TValoriInBloc toti(*m_dm, std::nullopt);
    EXPECT_EQ(toti.Comenzi(), 3);
    // The candidates' rows in blocks of 128 candidates.
    TValoriInBloc unii(*m_dm, iduri);
    EXPECT_EQ(unii.Comenzi(), 1 + 3 + 1);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    for (const int id : {100, 227, 228, 399}) {
        EXPECT_EQ(unii.ValoareCamp({kFormular, kPagina, QStringLiteral("C_NUME")}, id),
                  QStringLiteral("Nume %1").arg(id));
        EXPECT_EQ(unii.ValoareCamp({kFormular, kPagina, QStringLiteral("D_ADRESA")}, id),
                  QStringLiteral("C_ADRESA inst 10"));
    }

    // Inside the caller's transaction it reads there and leaves it open.
    m_dm->Tr.StartTransaction();
    TValoriInBloc inTranzactie(*m_dm, QList<int>{1});
    EXPECT_TRUE(m_dm->Tr.InTransaction());
    EXPECT_FALSE(m_dm->Q4.Active());
    m_dm->Tr.Rollback();
}

TEST_F(ValoriInBloc, FailsLikeTheSingleLookupOnAnUnknownLinkAndOnACircleOfSharedFields)
{
    Executa(*m_dm,
            {QStringLiteral("update PROFIL_DIPLOMA set ASOCIAT_CU = 'LIPSA' where COD_CAMP = 'C_ADRESA'"),
             // D_NUME takes C_NUME, which takes D_NUME again.
             QStringLiteral("update PROFIL_DIPLOMA set SIMILAR_CU = 'CertificatAcordare.FATA.D_NUME', "
                            "ONOREZ_SIMILAR = 'DA' where COD_CAMP = 'C_NUME'")});
    TValoriInBloc bloc(*m_dm, std::nullopt);
    for (const QString &camp :
         {QStringLiteral("C_ADRESA"), QStringLiteral("D_ADRESA"), QStringLiteral("D_NUME")}) {
        SCOPED_TRACE(camp.toStdString());
        const TReferintaCamp r{kFormular, kPagina, camp};
        const QString eroare = SauEroarea([&] { return m_dm->ValoareCamp(r, 1); });
        EXPECT_TRUE(eroare.startsWith(QStringLiteral("eroare: "))) << eroare.toStdString();
        EXPECT_EQ(SauEroarea([&] { return bloc.ValoareCamp(r, 1); }), eroare);
        EXPECT_FALSE(m_dm->Tr.InTransaction());
    }
    EXPECT_TRUE(SauEroarea([&] {
                    return m_dm->ValoareCamp({kFormular, kPagina, QStringLiteral("D_NUME")}, 1);
                }).contains(QStringLiteral("partajat in cerc")));
}

TEST_F(ValoriInBloc, CandidateListTextsAreThoseOfTheExpressionForEachCandidate)
{
    const QString expresie =
        QStringLiteral("{CertificatAcordare.FATA.C_NUME} - "
                       "{CertificatAcordare.FATA.D_INSTITUTIA_INVATAMANT} "
                       "({CertificatAcordare.FATA.NU_EXISTA}){CertificatAcordare.FATA.D_NUME");
    TGardaTranzactie garda(*m_dm);
    TTabelEntitate elevi(*m_dm, kElevi);
    const QList<int> iduri = elevi.Iduri();
    ASSERT_EQ(iduri.size(), 5);
    const QStringList texte = elevi.Denumiri(expresie, iduri);
    ASSERT_EQ(texte.size(), iduri.size());
    for (qsizetype i = 0; i < iduri.size(); ++i)
        EXPECT_EQ(texte.at(i), m_dm->ParseExp(expresie, iduri.at(i)));
    EXPECT_EQ(texte.at(iduri.indexOf(1)), QStringLiteral("C_NUME 1 - C_INSTITUTIA_INVATAMANT inst 10 ()"));
    EXPECT_EQ(elevi.Denumiri(QStringLiteral("fara campuri"), iduri),
              QStringList(5, QStringLiteral("fara campuri")));
    // A reference left open is dropped, as the single lookup drops it.
    EXPECT_EQ(elevi.Denumiri(QStringLiteral("nume {deschis"), iduri),
              QStringList(5, QStringLiteral("nume ")));
}
