#include "data/ULegaturi.h"

#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "data/UProfilStocat.h"
#include "data/UTabelEntitate.h"
#include "comun/Exceptie.h"

namespace Legaturi {
namespace {

void CereTranzactie(TDM &dm)
{
    if (!dm.Tr.InTransaction())
        throw Exceptie(QStringLiteral("Tranzactia trebuie sa fie activa pentru legaturile candidatului."));
}

// Table names end up in statements: only plain identifiers of TABELE are used.
void VerificaNume(const QString &tabel)
{
    for (const QChar c : tabel) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('_'))
            throw Exceptie(QStringLiteral("Numele de tabel \"%1\" nu este valid.").arg(tabel));
    }
    if (tabel.isEmpty())
        throw Exceptie(QStringLiteral("Lipseste numele tabelului."));
}

} // namespace

QStringList TabeleLegate(TDM &dm)
{
    CereTranzactie(dm);
    QStringList tabele;
    dm.Q4.SetSQL(QStringLiteral("select p.ASOCIAT_CU from PROFIL_DIPLOMA p where p.ASOCIAT_CU <> 'ELEVI' and exists "
                                "(select 1 from TABELE t where t.NUME_TABEL = p.ASOCIAT_CU) order by p.ORDINE"));
    for (dm.Q4.Open(); !dm.Q4.Eof(); dm.Q4.Next()) {
        const QString t = dm.Q4.AsString(QStringLiteral("ASOCIAT_CU"));
        if (!tabele.contains(t))
            tabele.append(t);
    }
    dm.Q4.Close();
    return tabele;
}

TListaLiniiInregistrari Inregistrari(TDM &dm, const QString &tabel)
{
    CereTranzactie(dm);
    VerificaNume(tabel);
    const TClasaListaProfilDiploma *profil = ::Inregistrari().Profil();
    const QString expresie = profil ? profil->ListaCampuriGeneric() : QString();
    TTabelEntitate entitate(dm, tabel);
    TListaLiniiInregistrari inregistrari;
    for (const int id : entitate.IduriInOrdine())
        inregistrari.push_back({id, entitate.Denumire(expresie, id)});
    return inregistrari;
}

std::optional<int> Legatura(TDM &dm, int idElev, const QString &tabel)
{
    CereTranzactie(dm);
    VerificaNume(tabel);
    dm.Q4.SetSQL(QStringLiteral("select first 1 d.IDF_%1 as IDF from \"DATE\" d join PROFIL_DIPLOMA p on "
                                "p.COD_FORMULAR = d.COD_FORMULAR and p.COD_PAGINA = d.COD_PAGINA and p.COD_CAMP = "
                                "d.COD_CAMP where d.ID_ELEVI = :ID and p.ASOCIAT_CU = :TABEL and d.IDF_%1 is not null "
                                "order by p.ORDINE")
                     .arg(tabel));
    dm.Q4.ParamByName(QStringLiteral("ID"), idElev);
    dm.Q4.ParamByName(QStringLiteral("TABEL"), tabel);
    dm.Q4.Open();
    std::optional<int> id;
    if (!dm.Q4.Eof())
        id = dm.Q4.AsInteger(QStringLiteral("IDF"));
    dm.Q4.Close();
    return id;
}

void ScrieLegatura(TDM &dm, int idElev, const QString &tabel, std::optional<int> idInregistrare)
{
    CereTranzactie(dm);
    VerificaNume(tabel);
    const QVariant valoare = idInregistrare ? QVariant(*idInregistrare) : QVariant(QMetaType::fromType<int>());
    for (const TReferintaCamp &c : ProfilStocat::CampuriTabel(dm, tabel)) {
        const auto coduri = [&](TQuery &q) {
            q.ParamByName(QStringLiteral("COD_FORMULAR"), c.CodFormular);
            q.ParamByName(QStringLiteral("COD_PAGINA"), c.CodPagina);
            q.ParamByName(QStringLiteral("COD_CAMP"), c.CodCamp);
            q.ParamByName(QStringLiteral("ID"), idElev);
        };
        dm.Q4.SetSQL(QStringLiteral("select count(*) as N from \"DATE\" where COD_FORMULAR = :COD_FORMULAR and "
                                    "COD_PAGINA = :COD_PAGINA and COD_CAMP = :COD_CAMP and ID_ELEVI = :ID"));
        coduri(dm.Q4);
        dm.Q4.Open();
        const bool exista = dm.Q4.AsInteger(QStringLiteral("N")) > 0;
        dm.Q4.Close();
        if (exista)
            dm.Q4.SetSQL(QStringLiteral("update \"DATE\" set IDF_%1 = :IDF where COD_FORMULAR = :COD_FORMULAR and "
                                        "COD_PAGINA = :COD_PAGINA and COD_CAMP = :COD_CAMP and ID_ELEVI = :ID")
                             .arg(tabel));
        else
            dm.Q4.SetSQL(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_%1, "
                                        "VALOARE_TEXT, VALOARE_NUM) values (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, "
                                        ":ID, :IDF, '', 0)")
                             .arg(tabel));
        coduri(dm.Q4);
        dm.Q4.ParamByName(QStringLiteral("IDF"), valoare);
        dm.Q4.ExecSQL();
    }
}

} // namespace Legaturi
