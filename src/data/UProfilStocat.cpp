#include "data/UProfilStocat.h"

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"

namespace ProfilStocat {

namespace {

std::optional<QString> TextSauNull(const TQuery &q, const QString &coloana)
{
    const QVariant v = q.FieldByName(coloana);
    if (v.isNull())
        return std::nullopt;
    return v.toString();
}

} // namespace

std::vector<TLinieProfil> Linii(TDM &dm)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q1};
    std::vector<TLinieProfil> linii;
    dm.Q1.SetSQL(QStringLiteral("select    COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, ONOREZ_SIMILAR, "
                                "ETICHETA_EDITOR from    PROFIL_DIPLOMA "));
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next()) {
        TLinieProfil l;
        l.CodFormular = dm.Q1.AsString(QStringLiteral("COD_FORMULAR"));
        l.CodPagina = dm.Q1.AsString(QStringLiteral("COD_PAGINA"));
        l.CodCamp = dm.Q1.AsString(QStringLiteral("COD_CAMP"));
        l.EtichetaEditor = dm.Q1.AsString(QStringLiteral("ETICHETA_EDITOR"));
        l.OnorezSimilar = dm.Q1.AsString(QStringLiteral("ONOREZ_SIMILAR"));
        l.AsociatCu = dm.Q1.AsString(QStringLiteral("ASOCIAT_CU"));
        linii.push_back(std::move(l));
    }
    return linii;
}

std::optional<TSetareLinieProfil> CitesteSetarea(TDM &dm, const TReferintaCamp &camp)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(QStringLiteral("select    ONOREZ_SIMILAR, ASOCIAT_CU from    PROFIL_DIPLOMA where    "
                                "(COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and "
                                "(COD_CAMP = :COD_CAMP)"));
    dm.Q1.LeagaCodurile(camp);
    dm.Q1.Open();
    if (dm.Q1.Eof())
        return std::nullopt;
    return TSetareLinieProfil{dm.Q1.AsString(QStringLiteral("ONOREZ_SIMILAR")),
                              dm.Q1.AsString(QStringLiteral("ASOCIAT_CU"))};
}

int ScrieSetarea(TDM &dm, const TReferintaCamp &camp, const TSetareLinieProfil &setare)
{
    TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    dm.Q1.SetSQL(
        QStringLiteral("update    PROFIL_DIPLOMA set    ONOREZ_SIMILAR = :ONOREZ_SIMILAR, ASOCIAT_CU = "
                       ":ASOCIAT_CU where    (COD_FORMULAR = :COD_FORMULAR)    and    (COD_PAGINA = "
                       ":COD_PAGINA)    and    (COD_CAMP = :COD_CAMP)"));
    dm.Q1.ParamByName(QStringLiteral("ONOREZ_SIMILAR"), setare.OnorezSimilar);
    dm.Q1.ParamByName(QStringLiteral("ASOCIAT_CU"), setare.AsociatCu);
    dm.Q1.LeagaCodurile(camp);
    dm.Q1.ExecSQL();
    const int schimbate = dm.Q1.RowsAffected();
    garda.Commit();
    return schimbate;
}

std::vector<TLinieProfilEditor> LiniiTabel(TDM &dm, const QString &tabel)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q6};
    std::vector<TLinieProfilEditor> linii;
    // Ordered by the profile's own order, so that the layout does not
    // depend on how the database happens to return the rows.
    dm.Q6.SetSQL(
        QStringLiteral("select    COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR,    "
                       "ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, "
                       "COD_LINIE from    PROFIL_DIPLOMA where    ASOCIAT_CU = :ASOCIAT_CU order by ORDINE"));
    dm.Q6.ParamByName(QStringLiteral("ASOCIAT_CU"), tabel);
    for (dm.Q6.Open(); !dm.Q6.Eof(); dm.Q6.Next()) {
        TLinieProfilEditor l;
        l.Camp = {dm.Q6.AsString(QStringLiteral("COD_FORMULAR")),
                  dm.Q6.AsString(QStringLiteral("COD_PAGINA")), dm.Q6.AsString(QStringLiteral("COD_CAMP"))};
        l.SimilarCu = TextSauNull(dm.Q6, QStringLiteral("SIMILAR_CU"));
        l.OnorezSimilar = TextSauNull(dm.Q6, QStringLiteral("ONOREZ_SIMILAR"));
        l.EtichetaEditor = dm.Q6.AsString(QStringLiteral("ETICHETA_EDITOR"));
        l.TipDeDate = dm.Q6.AsString(QStringLiteral("TIP_DE_DATE"));
        l.LatimeSugerata = dm.Q6.AsInteger(QStringLiteral("LATIME_SUGERATA"));
        l.CodLinie = dm.Q6.AsString(QStringLiteral("COD_LINIE"));
        linii.push_back(std::move(l));
    }
    return linii;
}

QList<TReferintaCamp> CampuriTabel(TDM &dm, const QString &tabel)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q4};
    QList<TReferintaCamp> campuri;
    dm.Q4.SetSQL(
        QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA where ASOCIAT_CU = "
                       ":TABEL order by ORDINE"));
    dm.Q4.ParamByName(QStringLiteral("TABEL"), tabel);
    for (dm.Q4.Open(); !dm.Q4.Eof(); dm.Q4.Next())
        campuri.append({dm.Q4.AsString(QStringLiteral("COD_FORMULAR")),
                        dm.Q4.AsString(QStringLiteral("COD_PAGINA")),
                        dm.Q4.AsString(QStringLiteral("COD_CAMP"))});
    return campuri;
}

std::optional<QString> TipDeDate(TDM &dm, const TReferintaCamp &camp)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(
        QStringLiteral("SELECT TIP_DE_DATE FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                       "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
    dm.Q1.LeagaCodurile(camp);
    dm.Q1.Open();
    if (dm.Q1.Eof())
        return std::nullopt;
    return dm.Q1.AsString(QStringLiteral("TIP_DE_DATE"));
}

QStringList NumeTabele(TDM &dm)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q1};
    QStringList tabele;
    dm.Q1.SetSQL(QStringLiteral("select    NUME_TABEL from    TABELE order by NUME_TABEL"));
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next())
        tabele.append(dm.Q1.AsString(QStringLiteral("NUME_TABEL")));
    return tabele;
}

} // namespace ProfilStocat
