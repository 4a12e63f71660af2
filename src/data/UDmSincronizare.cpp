// Writing the program's own description of the document into the database at
// every start: the entity tables and their schema, the data types, the profile.
#include "data/UDm.h"

#include "data/UGardaTranzactie.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "comun/Exceptie.h"

namespace {

const char *const kTipuriDeDate[] = {
    "TEXT", "CF", "SIRUES", "CNP", "NOTA", "CALIFICATIV", "NOTA sau CALIFICATIV"};

} // namespace

void TDM::SincronizeazaTabele()
{
    const TClasaListaTabel *clasa = m_optiuni.inregistrari ? m_optiuni.inregistrari->Tabele() : nullptr;
    if (!clasa)
        throw Exceptie(QStringLiteral("Nu ai inclus nici o \"lista tabel\""));
    const std::unique_ptr<TListaLiniiTabel> lista = clasa->Creeaza();

    TGardaTranzactie garda(*this);
    for (int i = 0; i < lista->Count(); ++i) {
        const TLinieTabel &linie = lista->Linie(i);
        Q1.SetSQL(QStringLiteral("select    * from    TABELE where    (NUME_TABEL = :NUME_TABEL)"));
        Q1.ParamByName(QStringLiteral("NUME_TABEL"), linie.NumeTabel);
        Q1.Open();
        const bool lipseste = Q1.Eof();
        Q1.Close();
        if (lipseste)
            Q1.SetSQL(QStringLiteral("insert into    TABELE    (NUME_TABEL, EXP_DENUMIRE) values    "
                                     "(:NUME_TABEL, :EXP_DENUMIRE)"));
        else
            Q1.SetSQL(QStringLiteral("update    TABELE set    NUME_TABEL = :NUME_TABEL, EXP_DENUMIRE = "
                                     ":EXP_DENUMIRE where    (NUME_TABEL = :NUME_TABEL)"));
        Q1.ParamByName(QStringLiteral("NUME_TABEL"), linie.NumeTabel);
        Q1.ParamByName(QStringLiteral("EXP_DENUMIRE"), linie.ExpDenumire);
        Q1.ExecSQL();
    }
    garda.Commit();
}

void TDM::CreeazaSchemaEntitati()
{
    QStringList tabele;
    {
        TGardaTranzactie garda(*this);
        Q1.SetSQL(QStringLiteral("select NUME_TABEL from TABELE"));
        for (Q1.Open(); !Q1.Eof(); Q1.Next())
            tabele.append(Q1.AsString(QStringLiteral("NUME_TABEL")));
        Q1.Close();
        garda.Commit();
    }

    // Whether a system table holds a row with the given name.
    const auto exista = [this](const QString &sql, const QString &parametru, const QString &nume) {
        Q2.SetSQL(sql);
        Q2.ParamByName(parametru, nume);
        Q2.Open();
        const bool gasit = !Q2.Eof();
        Q2.Close();
        return gasit;
    };
    const QString constrangere =
        QStringLiteral("select    RDB$CONSTRAINT_NAME from    RDB$RELATION_CONSTRAINTS "
                       "where    RDB$CONSTRAINT_NAME = :CONSTRAINT_NAME");
    const auto executa = [](TQuery &q, const QString &sql) {
        q.SetSQL(sql);
        q.ExecSQL();
    };

    const auto coloanaLipseste = [this](const QString &coloana) {
        Q2.SetSQL(QStringLiteral("SELECT * FROM RDB$RELATION_FIELDS WHERE (RDB$RELATION_NAME=:TAB) AND "
                                 "(RDB$FIELD_NAME=:FLD)"));
        Q2.ParamByName(QStringLiteral("TAB"), QStringLiteral("DATE"));
        Q2.ParamByName(QStringLiteral("FLD"), coloana);
        Q2.Open();
        const bool lipseste = Q2.Eof();
        Q2.Close();
        return lipseste;
    };

    // Each object in a transaction of its own, created only when missing.
    for (const QString &t : std::as_const(tabele)) {
        // The table with its key column.
        CreeazaDacaLipseste(
            [&] {
                return !exista(QStringLiteral("select    RDB$RELATION_NAME from    RDB$RELATIONS where    "
                                              "RDB$RELATION_NAME = :RELATION_NAME"),
                               QStringLiteral("RELATION_NAME"), t);
            },
            [&] {
                executa(Q2, QStringLiteral("create table ") + t + QStringLiteral("(") +
                                QStringLiteral("    ID_") + t + QStringLiteral(" INTEGER NOT NULL ") +
                                QStringLiteral(");"));
            });
        // Its primary key.
        CreeazaDacaLipseste(
            [&] {
                return !exista(constrangere, QStringLiteral("CONSTRAINT_NAME"), QStringLiteral("PK_") + t);
            },
            [&] {
                executa(Q2, QStringLiteral("ALTER TABLE ") + t + QStringLiteral(" ADD CONSTRAINT PK_") + t +
                                QStringLiteral(" PRIMARY KEY (ID_") + t + QStringLiteral(");"));
            });
        // Its generator, starting at 0; an existing one keeps its value.
        CreeazaDacaLipseste(
            [&] {
                return !exista(QStringLiteral("select    RDB$GENERATOR_NAME from    RDB$GENERATORS where    "
                                              "RDB$GENERATOR_NAME = :GENERATOR_NAME"),
                               QStringLiteral("GENERATOR_NAME"), QStringLiteral("G_ID_") + t);
            },
            [&] {
                executa(Q2, QStringLiteral("CREATE GENERATOR G_ID_") + t + QStringLiteral(";"));
                executa(Q2, QStringLiteral("SET GENERATOR G_ID_") + t + QStringLiteral(" TO 0;"));
            });
        // The link columns in "DATE".
        for (const QString &prefix : {QStringLiteral("ID_"), QStringLiteral("IDF_")})
            CreeazaDacaLipseste([&] { return coloanaLipseste(prefix + t); },
                                [&] {
                                    executa(Q3, QStringLiteral("ALTER TABLE \"DATE\" ADD ") + prefix + t +
                                                    QStringLiteral(" INTEGER"));
                                });
        // The two cascading foreign keys from "DATE".
        const QString sabloane[] = {
            QStringLiteral("alter table \"DATE\" add constraint FK_%1_1 foreign key (ID_%1) references "
                           "%1(ID_%1) on delete CASCADE"),
            QStringLiteral("alter table \"DATE\" add constraint FK_%1_2 foreign key (IDF_%1) references "
                           "%1(ID_%1) on delete CASCADE"),
        };
        for (int i = 0; i < 2; ++i) {
            const QString nume = QStringLiteral("FK_%1_%2").arg(t).arg(i + 1);
            CreeazaDacaLipseste(
                [&] { return !exista(constrangere, QStringLiteral("CONSTRAINT_NAME"), nume); },
                [&] { executa(Q2, QString(sabloane[i]).replace(QStringLiteral("%1"), t)); });
        }
    }
}

void TDM::SincronizeazaTipuriDeDate()
{
    TGardaTranzactie garda(*this);
    for (const char *tip : kTipuriDeDate) {
        Q1.SetSQL(QStringLiteral("select * from TIPURI_DE_DATE where TIP_DE_DATE = :TIP_DE_DATE"));
        Q1.ParamByName(QStringLiteral("TIP_DE_DATE"), QLatin1String(tip));
        Q1.Open();
        const bool lipseste = Q1.Eof();
        Q1.Close();
        if (lipseste) {
            Q1.SetSQL(QStringLiteral("insert into TIPURI_DE_DATE (TIP_DE_DATE) values (:TIP_DE_DATE)"));
            Q1.ParamByName(QStringLiteral("TIP_DE_DATE"), QLatin1String(tip));
            Q1.ExecSQL();
        }
    }
    garda.Commit();
}

void TDM::SincronizeazaProfil()
{
    const TClasaListaProfilDiploma *clasa =
        m_optiuni.inregistrari ? m_optiuni.inregistrari->Profil() : nullptr;
    if (!clasa)
        throw Exceptie(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    const std::unique_ptr<TListaLiniiProfilDiploma> lista = clasa->Creeaza();

    const auto legaCoduri = [](TQuery &q, const QString &formular, const QString &pagina,
                               const QString &camp) {
        q.ParamByName(QStringLiteral("COD_FORMULAR"), formular);
        q.ParamByName(QStringLiteral("COD_PAGINA"), pagina);
        q.ParamByName(QStringLiteral("COD_CAMP"), camp);
    };

    TGardaTranzactie garda(*this);
    for (int i = 0; i < lista->Count(); ++i) {
        const TLinieProfilDiploma &l = lista->Linie(i);
        Q1.SetSQL(QStringLiteral("select    * from    PROFIL_DIPLOMA where    (COD_FORMULAR = :COD_FORMULAR) "
                                 "and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
        legaCoduri(Q1, l.CodFormular, l.CodPagina, l.CodCamp);
        Q1.Open();
        const bool lipseste = Q1.Eof();
        Q1.Close();
        if (lipseste)
            Q1.SetSQL(QStringLiteral(
                "insert into    PROFIL_DIPLOMA    (COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, "
                "ONOREZ_SIMILAR,    ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, "
                "LATIME_SUGERATA, COD_LINIE, ORDINE) values    (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, "
                ":SIMILAR_CU, 'DA',    :ETICHETA_EDITOR, :FORMULA, :VIZIBIL, :TIP_DE_DATE, :ASOCIAT_CU, "
                ":GRUP, :LATIME_SUGERATA, :COD_LINIE, :ORDINE)"));
        else
            Q1.SetSQL(QStringLiteral(
                "update    PROFIL_DIPLOMA set    SIMILAR_CU = :SIMILAR_CU, ETICHETA_EDITOR = "
                ":ETICHETA_EDITOR,    FORMULA = :FORMULA, VIZIBIL = :VIZIBIL, TIP_DE_DATE = :TIP_DE_DATE,    "
                "ASOCIAT_CU = :ASOCIAT_CU, GRUP = :GRUP, LATIME_SUGERATA=:LATIME_SUGERATA, "
                "COD_LINIE=:COD_LINIE, ORDINE=:ORDINE where    (COD_FORMULAR = :COD_FORMULAR) and "
                "(COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
        legaCoduri(Q1, l.CodFormular, l.CodPagina, l.CodCamp);
        Q1.ParamByName(QStringLiteral("SIMILAR_CU"), l.SimilarCu);
        Q1.ParamByName(QStringLiteral("ETICHETA_EDITOR"), l.EtichetaEditor);
        Q1.ParamByName(QStringLiteral("FORMULA"), l.Formula);
        Q1.ParamByName(QStringLiteral("VIZIBIL"), l.Vizibil);
        Q1.ParamByName(QStringLiteral("TIP_DE_DATE"), l.TipDeDate);
        Q1.ParamByName(QStringLiteral("ASOCIAT_CU"), l.AsociatCu);
        Q1.ParamByName(QStringLiteral("GRUP"), l.Grup);
        Q1.ParamByName(QStringLiteral("LATIME_SUGERATA"), l.LatimeSugerata);
        Q1.ParamByName(QStringLiteral("COD_LINIE"), l.CodLinie);
        Q1.ParamByName(QStringLiteral("ORDINE"), l.Ordine);
        Q1.ExecSQL();
    }

    // Rows whose codes the profile no longer has go; their values stay.
    Q1.SetSQL(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA"));
    for (Q1.Open(); !Q1.Eof(); Q1.Next()) {
        const QString formular = Q1.AsString(QStringLiteral("COD_FORMULAR"));
        const QString pagina = Q1.AsString(QStringLiteral("COD_PAGINA"));
        const QString camp = Q1.AsString(QStringLiteral("COD_CAMP"));
        bool inProfil = false;
        for (int i = 0; i < lista->Count() && !inProfil; ++i) {
            const TLinieProfilDiploma &l = lista->Linie(i);
            inProfil = l.CodFormular == formular && l.CodPagina == pagina && l.CodCamp == camp;
        }
        if (inProfil)
            continue;
        Q2.SetSQL(QStringLiteral("delete from PROFIL_DIPLOMA where (COD_FORMULAR = :COD_FORMULAR) and "
                                 "(COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
        legaCoduri(Q2, formular, pagina, camp);
        Q2.ExecSQL();
    }
    Q1.Close();
    garda.Commit();
}
