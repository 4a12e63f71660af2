#include "data/UImportElevi.h"

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"

namespace ImportElevi {

namespace {

void LeagaCampul(TQuery &q, const TReferintaCamp &camp)
{
    q.ParamByName(QStringLiteral("FORMULAR"), camp.CodFormular);
    q.ParamByName(QStringLiteral("PAGINA"), camp.CodPagina);
    q.ParamByName(QStringLiteral("CAMP"), camp.CodCamp);
}

} // namespace

QString EtichetaFaraParanteze(const QString &eticheta)
{
    QString rezultat;
    int adancime = 1;
    for (const QChar c : eticheta) {
        if (c == u'[' || c == u'{')
            ++adancime;
        else if (c == u']' || c == u'}')
            --adancime;
        else if (adancime == 1)
            rezultat += c;
    }
    return rezultat;
}

std::vector<TCampImport> CampuriDeImportat(TDM &dm)
{
    const TGardaTranzactie garda(dm);
    const TInchideInterogari inchide{&dm.Q1};
    std::vector<TCampImport> campuri;
    dm.Q1.SetSQL(
        QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU = 'ELEVI') AND (SIMILAR_CU = '') "
                       "ORDER BY ORDINE"));
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next()) {
        if (dm.Q1.AsString(QStringLiteral("TIP_DE_DATE")) == QLatin1String("CNP"))
            continue;
        campuri.push_back({{dm.Q1.AsString(QStringLiteral("COD_FORMULAR")).trimmed(),
                            dm.Q1.AsString(QStringLiteral("COD_PAGINA")).trimmed(),
                            dm.Q1.AsString(QStringLiteral("COD_CAMP")).trimmed()},
                           EtichetaFaraParanteze(dm.Q1.AsString(QStringLiteral("ETICHETA_EDITOR")))});
    }
    return campuri;
}

std::optional<TReferintaCamp> CampCnp(TDM &dm)
{
    const TGardaTranzactie garda(dm);
    const TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE TIP_DE_DATE = 'CNP'"));
    dm.Q1.Open();
    if (dm.Q1.Eof())
        return std::nullopt;
    return TReferintaCamp{dm.Q1.AsString(QStringLiteral("COD_FORMULAR")),
                          dm.Q1.AsString(QStringLiteral("COD_PAGINA")),
                          dm.Q1.AsString(QStringLiteral("COD_CAMP"))};
}

int ElevDupaCnp(TDM &dm, const TReferintaCamp &campCnp, const QString &cnp, bool &nou)
{
    const TInchideInterogari inchide{&dm.Q1, &dm.Q2, &dm.Q3};
    dm.Q1.SetSQL(
        QStringLiteral("SELECT ID_ELEVI FROM \"DATE\" WHERE (VALOARE_TEXT=:CNP) AND (COD_FORMULAR=:FORMULAR) "
                       "AND (COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP)"));
    dm.Q1.ParamByName(QStringLiteral("CNP"), cnp);
    LeagaCampul(dm.Q1, campCnp);
    dm.Q1.Open();
    nou = dm.Q1.Eof();
    if (!nou)
        return dm.Q1.AsInteger(QStringLiteral("ID_ELEVI"));
    dm.Q1.Close();

    const int id = ElevNou(dm);
    ScrieValoarea(dm, id, campCnp, cnp);
    return id;
}

int ElevNou(TDM &dm)
{
    const TInchideInterogari inchide{&dm.Q2, &dm.Q3};
    dm.Q2.SetSQL(QStringLiteral("SELECT GEN_ID(G_ID_ELEVI, 1) AS \"ID\" FROM RDB$DATABASE"));
    dm.Q2.Open();
    const int id = dm.Q2.AsInteger(QStringLiteral("ID"));
    dm.Q2.Close();
    dm.Q2.SetSQL(QStringLiteral("INSERT INTO ELEVI (ID_ELEVI) VALUES (:ID_ELEVI)"));
    dm.Q2.ParamByName(QStringLiteral("ID_ELEVI"), id);
    dm.Q2.ExecSQL();
    dm.Q2.SetSQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = 'ELEVI'"));
    dm.Q3.SetSQL(QStringLiteral(
        "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
        "ID_ELEVI) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :VALOARE_TEXT, :VALOARE_NUM, "
        ":ID_ELEVI)"));
    for (dm.Q2.Open(); !dm.Q2.Eof(); dm.Q2.Next()) {
        for (const char *cod : {"COD_FORMULAR", "COD_PAGINA", "COD_CAMP"})
            dm.Q3.ParamByName(QLatin1String(cod), dm.Q2.AsString(QLatin1String(cod)));
        dm.Q3.ParamByName(QStringLiteral("VALOARE_TEXT"), QString());
        dm.Q3.ParamByName(QStringLiteral("VALOARE_NUM"), 0);
        dm.Q3.ParamByName(QStringLiteral("ID_ELEVI"), id);
        dm.Q3.ExecSQL();
    }
    dm.Q2.Close();
    return id;
}

void ScrieValoarea(TDM &dm, int idElev, const TReferintaCamp &camp, const QString &valoare)
{
    const TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL WHERE (ID_ELEVI=:ID_ELEVI) AND "
                                "(COD_FORMULAR=:FORMULAR) AND (COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP)"));
    dm.Q1.ParamByName(QStringLiteral("VAL"), valoare);
    dm.Q1.ParamByName(QStringLiteral("ID_ELEVI"), idElev);
    LeagaCampul(dm.Q1, camp);
    dm.Q1.ExecSQL();
}

} // namespace ImportElevi
