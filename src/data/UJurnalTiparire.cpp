#include "data/UJurnalTiparire.h"

#include "data/Cp1250.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UStocareValori.h"

namespace JurnalTiparire {

namespace {

const QString kTabel = QStringLiteral("JURNAL_TIPARIRI");

// Whether the system table `tabel` has a row whose `coloana` is `nume`.
bool Exista(TDM &dm, const QString &tabel, const QString &coloana, const QString &nume)
{
    const TInchideInterogari inchide{&dm.Q2};
    dm.Q2.SetSQL(QStringLiteral("select %1 from %2 where %1 = :NUME").arg(coloana, tabel));
    dm.Q2.ParamByName(QStringLiteral("NUME"), nume);
    dm.Q2.Open();
    return !dm.Q2.Eof();
}

// Each object in a transaction of its own, so a start that stopped half-way
// finishes the rest.
void CreeazaDaca(TDM &dm, const QString &tabelSistem, const QString &coloana, const QString &nume,
                 const QString &ddl)
{
    dm.CreeazaDacaLipseste([&] { return !Exista(dm, tabelSistem, coloana, nume); },
                           [&] {
                               dm.Q2.SetSQL(ddl);
                               dm.Q2.ExecSQL();
                           });
}

// A printer's or user's name may hold characters the code page lacks: the
// log keeps what it can rather than refuse to record a print.
QString TextJurnal(const QString &text, int lungime)
{
    return StocareValori::TextDeSalvat(Cp1250::Decodifica(Cp1250::Codifica(Cp1250::CuSedila(text))), lungime);
}

TTiparireJurnal Rand(const TQuery &q)
{
    TTiparireJurnal t;
    t.IdElev = q.AsInteger(QStringLiteral("ID_ELEVI"));
    t.Nume = q.AsString(QStringLiteral("NUME"));
    t.DataOra = q.FieldByName(QStringLiteral("DATA_ORA")).toDateTime();
    t.Imprimanta = q.AsString(QStringLiteral("IMPRIMANTA"));
    t.Utilizator = q.AsString(QStringLiteral("UTILIZATOR"));
    t.Retiparire = q.AsInteger(QStringLiteral("RETIPARIRE")) != 0;
    return t;
}

} // namespace

void CreeazaSchema(TDM &dm)
{
    CreeazaDaca(
        dm, QStringLiteral("RDB$RELATIONS"), QStringLiteral("RDB$RELATION_NAME"), kTabel,
        QStringLiteral("create table JURNAL_TIPARIRI (ID_JURNAL INTEGER NOT NULL, ID_ELEVI INTEGER NOT NULL, "
                       "NUME VARCHAR(256) DEFAULT '' NOT NULL, DATA_ORA TIMESTAMP NOT NULL, "
                       "IMPRIMANTA VARCHAR(256) DEFAULT '' NOT NULL, UTILIZATOR VARCHAR(64) DEFAULT '' NOT "
                       "NULL, RETIPARIRE SMALLINT DEFAULT 0 NOT NULL, CONSTRAINT PK_JURNAL_TIPARIRI PRIMARY "
                       "KEY (ID_JURNAL))"));
    CreeazaDaca(dm, QStringLiteral("RDB$GENERATORS"), QStringLiteral("RDB$GENERATOR_NAME"),
                QStringLiteral("G_ID_JURNAL_TIPARIRI"),
                QStringLiteral("CREATE GENERATOR G_ID_JURNAL_TIPARIRI"));
    CreeazaDaca(dm, QStringLiteral("RDB$INDICES"), QStringLiteral("RDB$INDEX_NAME"),
                QStringLiteral("IX_JURNAL_TIPARIRI_ELEV"),
                QStringLiteral("CREATE INDEX IX_JURNAL_TIPARIRI_ELEV ON JURNAL_TIPARIRI (ID_ELEVI)"));
}

TTiparireJurnal Inregistreaza(TDM &dm, int idElev, const QString &nume, const QString &imprimanta,
                              const QDateTime &cand)
{
    TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    TTiparireJurnal t;
    t.IdElev = idElev;
    t.Nume = TextJurnal(nume, 256);
    t.DataOra = cand;
    t.Imprimanta = TextJurnal(imprimanta, 256);
    t.Utilizator = TextJurnal(UtilizatorSistem(), 64);
    {
        const TInchideInterogari inchide{&dm.Q1};
        dm.Q1.SetSQL(QStringLiteral("select count(*) as N from JURNAL_TIPARIRI where ID_ELEVI = :ID"));
        dm.Q1.ParamByName(QStringLiteral("ID"), idElev);
        dm.Q1.Open();
        t.Retiparire = dm.Q1.AsInteger(QStringLiteral("N")) > 0;
    }
    dm.Q1.SetSQL(QStringLiteral("insert into JURNAL_TIPARIRI (ID_JURNAL, ID_ELEVI, NUME, DATA_ORA, "
                                "IMPRIMANTA, UTILIZATOR, RETIPARIRE) "
                                "values (GEN_ID(G_ID_JURNAL_TIPARIRI, 1), :ID, :NUME, :DATA_ORA, "
                                ":IMPRIMANTA, :UTILIZATOR, :RETIPARIRE)"));
    dm.Q1.ParamByName(QStringLiteral("ID"), idElev);
    dm.Q1.ParamByName(QStringLiteral("NUME"), t.Nume);
    dm.Q1.ParamByName(QStringLiteral("DATA_ORA"), t.DataOra);
    dm.Q1.ParamByName(QStringLiteral("IMPRIMANTA"), t.Imprimanta);
    dm.Q1.ParamByName(QStringLiteral("UTILIZATOR"), t.Utilizator);
    dm.Q1.ParamByName(QStringLiteral("RETIPARIRE"), t.Retiparire ? 1 : 0);
    dm.Q1.ExecSQL();
    garda.Commit();
    return t;
}

std::vector<TTiparireJurnal> Istoric(TDM &dm, int idElev)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(
        QStringLiteral("select * from JURNAL_TIPARIRI where ID_ELEVI = :ID order by DATA_ORA, ID_JURNAL"));
    dm.Q1.ParamByName(QStringLiteral("ID"), idElev);
    std::vector<TTiparireJurnal> randuri;
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next())
        randuri.push_back(Rand(dm.Q1));
    return randuri;
}

QHash<int, QDateTime> UltimeleTiparari(TDM &dm)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(
        QStringLiteral("select ID_ELEVI, max(DATA_ORA) as ULTIMA from JURNAL_TIPARIRI group by ID_ELEVI"));
    QHash<int, QDateTime> ultimele;
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next())
        ultimele.insert(dm.Q1.AsInteger(QStringLiteral("ID_ELEVI")),
                        dm.Q1.FieldByName(QStringLiteral("ULTIMA")).toDateTime());
    return ultimele;
}

QString UtilizatorSistem()
{
    QString nume = qEnvironmentVariable("USERNAME");
    if (nume.isEmpty())
        nume = qEnvironmentVariable("USER");
    if (nume.isEmpty())
        nume = qEnvironmentVariable("LOGNAME");
    return nume;
}

} // namespace JurnalTiparire
