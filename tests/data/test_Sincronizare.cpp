#include <gtest/gtest.h>

#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

QStringList Coloana(TDM &dm, const QString &sql)
{
    QStringList valori;
    dm.Tr.StartTransaction();
    dm.Q5.SetSQL(sql);
    for (dm.Q5.Open(); !dm.Q5.Eof(); dm.Q5.Next())
        valori.append(dm.Q5.FieldByName(QStringLiteral("V")).toString().trimmed());
    dm.Tr.Rollback();
    return valori;
}

} // namespace

class Sincronizare : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit()) << MesajeTest().Mesaje().value(0).text.toStdString();
    }

    QStringList Coloana(const QString &sql) { return ::Coloana(*m_dm, sql); }
};

TEST_F(Sincronizare, FirstStartWritesTablesTypesProfileAndEntitySchema)
{
    EXPECT_EQ(Coloana(QStringLiteral("select NUME_TABEL || '=' || EXP_DENUMIRE as V from TABELE order by 1")),
              (QStringList{QStringLiteral("CANDIDAT="), QStringLiteral("INSTITUTIA=Denumirea scolii")}));
    EXPECT_EQ(Coloana(QStringLiteral("select TIP_DE_DATE as V from TIPURI_DE_DATE order by 1")).size(), 7);
    EXPECT_EQ(Coloana(QStringLiteral("select ORDINE as V from PROFIL_DIPLOMA where ONOREZ_SIMILAR = 'DA' and "
                                     "COD_FORMULAR = 'CertificatAcordare' and COD_PAGINA = 'FATA' order by ORDINE"))
                  .join(QLatin1Char(',')),
              [] {
                  QStringList n;
                  for (int i = 1; i <= 37; ++i)
                      n.append(QString::number(i));
                  return n.join(QLatin1Char(','));
              }());
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA")).toInt(), 37);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select COD_LINIE || ':' || LATIME_SUGERATA || ':' || SIMILAR_CU as V "
                                            "from PROFIL_DIPLOMA where COD_CAMP = 'D_NUME'")),
              QStringLiteral("L1:256:CertificatAcordare.FATA.C_NUME"));

    for (const char *t : {"CANDIDAT", "INSTITUTIA"}) {
        const QString tabel = QLatin1String(t);
        EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from RDB$RELATION_CONSTRAINTS where "
                                                "RDB$CONSTRAINT_NAME = 'PK_%1' and RDB$RELATION_NAME = '%1'")
                                     .arg(tabel))
                      .toInt(),
                  1);
        EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select gen_id(G_ID_%1, 0) as V from RDB$DATABASE").arg(tabel)).toInt(), 0);
        EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from RDB$RELATION_FIELDS where "
                                                "RDB$RELATION_NAME = 'DATE' and RDB$FIELD_NAME in ('ID_%1', 'IDF_%1')")
                                     .arg(tabel))
                      .toInt(),
                  2);
        EXPECT_EQ(Coloana(QStringLiteral("select trim(c.RDB$CONSTRAINT_NAME) || ':' || trim(r.RDB$DELETE_RULE) as V "
                                         "from RDB$RELATION_CONSTRAINTS c join RDB$REF_CONSTRAINTS r on "
                                         "r.RDB$CONSTRAINT_NAME = c.RDB$CONSTRAINT_NAME where c.RDB$RELATION_NAME = "
                                         "'DATE' and c.RDB$CONSTRAINT_NAME starting with 'FK_%1_' order by 1")
                              .arg(tabel)),
                  (QStringList{QStringLiteral("FK_%1_1:CASCADE").arg(tabel), QStringLiteral("FK_%1_2:CASCADE").arg(tabel)}));
    }
}

TEST_F(Sincronizare, SecondStartOnAnUnchangedDatabaseRunsNoDdlAndInsertsNothing)
{
    const QString numarare = QStringLiteral("select (select count(*) from PROFIL_DIPLOMA) || '/' || (select count(*) "
                                            "from TABELE) || '/' || (select count(*) from TIPURI_DE_DATE) || '/' || "
                                            "(select count(*) from RDB$RELATION_FIELDS) as V from RDB$DATABASE");
    const QVariant inainte = Valoare(*m_dm, numarare);

    Reporneste();

    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(m_dm->Contor().ddl, 0);
    EXPECT_EQ(m_dm->Contor().inserari, 0);
    EXPECT_EQ(m_dm->Contor().stergeri, 0);
    EXPECT_EQ(m_dm->Contor().actualizari, 2 + 37);
    EXPECT_EQ(Valoare(*m_dm, numarare), inainte);
}

TEST_F(Sincronizare, UserSharingModeSurvivesAndEverythingElseFollowsTheCode)
{
    Executa(*m_dm,
            {QStringLiteral("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'NU', ETICHETA_EDITOR = 'schimbat', "
                            "ASOCIAT_CU = 'CANDIDAT' where COD_CAMP = 'D_NUME'"),
             QStringLiteral("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP) values "
                            "('CertificatAcordare', 'FATA', 'DE_MANA')"),
             QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT) values "
                            "('CertificatAcordare', 'FATA', 'DE_MANA', 'ramane')"),
             QStringLiteral("insert into TABELE (NUME_TABEL, EXP_DENUMIRE) values ('EXTRA', 'adaugat de mana')"),
             QStringLiteral("update TABELE set EXP_DENUMIRE = 'x' where NUME_TABEL = 'INSTITUTIA'")});

    Reporneste();

    ASSERT_TRUE(m_dm->Pregatit());
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select ONOREZ_SIMILAR || '|' || ETICHETA_EDITOR || '|' || ASOCIAT_CU "
                                            "as V from PROFIL_DIPLOMA where COD_CAMP = 'D_NUME'")),
              QStringLiteral("NU|[Candidat]Numele si prenumele{certificat}|ELEVI"));
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from PROFIL_DIPLOMA")).toInt(), 37);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\" where COD_CAMP = 'DE_MANA'")).toInt(), 1);
    EXPECT_EQ(Coloana(QStringLiteral("select NUME_TABEL || '=' || EXP_DENUMIRE as V from TABELE order by 1")),
              (QStringList{QStringLiteral("CANDIDAT="), QStringLiteral("EXTRA=adaugat de mana"),
                           QStringLiteral("INSTITUTIA=Denumirea scolii")}));
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select gen_id(G_ID_EXTRA, 0) as V from RDB$DATABASE")).toInt(), 0);
}

TEST_F(Sincronizare, DeletingARecordDeletesItsValueRows)
{
    Executa(*m_dm,
            {QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (1)"),
             QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (2)"),
             QStringLiteral("insert into ELEVI (ID_ELEVI) values (5)"),
             QStringLiteral("insert into \"DATE\" (COD_CAMP, VALOARE_TEXT, ID_INSTITUTIA) values ('C_ADRESA', 'a', 1)"),
             QStringLiteral("insert into \"DATE\" (COD_CAMP, VALOARE_TEXT, ID_INSTITUTIA) values ('C_ADRESA', 'b', 2)"),
             QStringLiteral("insert into \"DATE\" (COD_CAMP, ID_ELEVI, IDF_INSTITUTIA) values ('C_ADRESA', 5, 1)"),
             QStringLiteral("insert into \"DATE\" (COD_CAMP, VALOARE_TEXT, ID_ELEVI) values ('C_NUME', 'n', 5)")});

    Executa(*m_dm, {QStringLiteral("delete from INSTITUTIA where ID_INSTITUTIA = 1")});
    EXPECT_EQ(Coloana(QStringLiteral("select VALOARE_TEXT as V from \"DATE\" order by 1")),
              (QStringList{QStringLiteral("b"), QStringLiteral("n")}));

    Executa(*m_dm, {QStringLiteral("delete from ELEVI where ID_ELEVI = 5")});
    EXPECT_EQ(Coloana(QStringLiteral("select VALOARE_TEXT as V from \"DATE\" order by 1")),
              (QStringList{QStringLiteral("b")}));
}

class SchemaPartiala : public TBazaTest
{
};

TEST_F(SchemaPartiala, ATableWithoutItsObjectsGetsThemAndKeepsItsRows)
{
    CopiazaSablonulInBaza();
    ExecutaDirect(CaleBaza(), {QStringLiteral("create table INSTITUTIA (ID_INSTITUTIA INTEGER NOT NULL)"),
                               QStringLiteral("insert into INSTITUTIA values (3)"),
                               QStringLiteral("insert into INSTITUTIA values (4)")});

    m_dm = Porneste();

    ASSERT_TRUE(m_dm->Pregatit()) << MesajeTest().Mesaje().value(0).text.toStdString();
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from INSTITUTIA")).toInt(), 2);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from RDB$RELATION_CONSTRAINTS where "
                                            "RDB$CONSTRAINT_NAME in ('PK_INSTITUTIA', 'FK_INSTITUTIA_1', "
                                            "'FK_INSTITUTIA_2')"))
                  .toInt(),
              3);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select gen_id(G_ID_INSTITUTIA, 0) as V from RDB$DATABASE")).toInt(), 0);
}

TEST_F(SchemaPartiala, AnInvalidTableNameStopsTheStartWithAnErrorAndTheNextStartResumes)
{
    m_dm = Porneste();
    Executa(*m_dm, {QStringLiteral("insert into TABELE (NUME_TABEL) values ('NUME GRESIT')")});
    MesajeTest().Reseteaza();

    Reporneste();

    EXPECT_FALSE(m_dm->Pregatit());
    ASSERT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    EXPECT_FALSE(m_dm->Tr.InTransaction());

    Executa(*m_dm, {QStringLiteral("delete from TABELE where NUME_TABEL = 'NUME GRESIT'")});
    MesajeTest().Reseteaza();
    Reporneste();
    EXPECT_TRUE(m_dm->Pregatit());
}
