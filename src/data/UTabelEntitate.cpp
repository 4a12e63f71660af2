#include "data/UTabelEntitate.h"

#include <optional>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UStocareValori.h"
#include "data/UValoriInBloc.h"

namespace {

const QString kElevi = QStringLiteral("ELEVI");

} // namespace

TTabelEntitate::TTabelEntitate(TDM &dm, const QString &nume) : m_dm(dm), m_nume(nume), m_elevi(nume == kElevi)
{
    if (m_elevi) {
        m_comenzi = {QStringLiteral("select    ID_ELEVI  from    ELEVI"),
                     QStringLiteral("select ID_ELEVI from ELEVI order by ID_ELEVI"),
                     QStringLiteral("ID_ELEVI"),
                     QStringLiteral("insert into    ELEVI    (ID_ELEVI) values    (:id)"),
                     QStringLiteral("delete from ELEVI where ID_ELEVI = :ID_ELEVI")};
    } else {
        m_comenzi = {QStringLiteral("select id_%1 as \"ID\" from %1 ").arg(nume),
                     QStringLiteral("select ID_%1 as ID from %1 order by ID_%1").arg(nume),
                     QStringLiteral("ID"), QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(nume),
                     QStringLiteral("delete from %1 where ID_%1 = :ID").arg(nume)};
    }
}

int TTabelEntitate::IdNou()
{
    // The generator's step is outside any transaction: a rollback does not give it back.
    const TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&m_dm.Q1};
    m_dm.Q1.SetSQL(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(m_nume));
    m_dm.Q1.Open();
    return m_dm.Q1.AsInteger(QStringLiteral("ID"));
}

void TTabelEntitate::Insereaza(int id)
{
    TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    m_dm.Q1.SetSQL(m_comenzi.insereaza);
    m_dm.Q1.ParamByName(QStringLiteral("id"), id);
    m_dm.Q1.ExecSQL();
    garda.Commit();
}

void TTabelEntitate::Sterge(int id)
{
    TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    m_dm.Q1.SetSQL(m_comenzi.sterge);
    m_dm.Q1.ParamByName(m_comenzi.numeId, id);
    m_dm.Q1.ExecSQL();
    garda.Commit();
}

QList<int> TTabelEntitate::Iduri()
{
    const TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&m_dm.Q5};
    QList<int> iduri;
    m_dm.Q5.SetSQL(m_comenzi.iduri);
    for (m_dm.Q5.Open(); !m_dm.Q5.Eof(); m_dm.Q5.Next())
        iduri.append(m_dm.Q5.AsInteger(m_comenzi.numeId));
    return iduri;
}

QList<int> TTabelEntitate::IduriInOrdine()
{
    const TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&m_dm.Q5};
    QList<int> iduri;
    m_dm.Q5.SetSQL(m_comenzi.iduriInOrdine);
    for (m_dm.Q5.Open(); !m_dm.Q5.Eof(); m_dm.Q5.Next())
        iduri.append(m_dm.Q5.AsInteger(m_comenzi.numeId));
    return iduri;
}

QString TTabelEntitate::Denumire(const QString &expresie, int id)
{
    const TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    if (m_elevi)
        return m_dm.ParseExp(expresie, id);
    // The lookup finds fields through a candidate's links; a record is read by its own identifier.
    return TDM::ExpandeazaReferinte(expresie, [&](const TReferintaCamp &camp) {
        return StocareValori::Citeste(m_dm, camp, m_nume, id).value_or(QString());
    });
}

QStringList TTabelEntitate::Denumiri(const QString &expresie, const QList<int> &iduri)
{
    const TGardaTranzactie garda(m_dm, TGardaTranzactie::Adopta);
    QStringList texte;
    texte.reserve(iduri.size());
    if (!m_elevi) {
        for (const int id : iduri)
            texte.append(Denumire(expresie, id));
        return texte;
    }
    // The expression taken apart once: its texts between the fields, and the
    // fields, read for every candidate at once.
    constexpr QChar kLoc(0xFFFF); // a non-character: no text holds it
    QList<TReferintaCamp> campuri;
    const QString sablon = TDM::ExpandeazaReferinte(expresie, [&campuri](const TReferintaCamp &camp) {
        campuri.append(camp);
        return QString(kLoc);
    });
    if (expresie.contains(kLoc)) {
        for (const int id : iduri)
            texte.append(Denumire(expresie, id));
        return texte;
    }
    const QStringList bucati = sablon.split(kLoc);
    std::optional<TValoriInBloc> valori;
    if (!campuri.isEmpty())
        valori.emplace(m_dm, std::nullopt, campuri);
    for (const int id : iduri) {
        QString text = bucati.first();
        for (qsizetype i = 0; i < campuri.size(); ++i)
            text += valori->ValoareCamp(campuri.at(i), id) + bucati.at(i + 1);
        texte.append(std::move(text));
    }
    return texte;
}

QList<int> IduriElevi(TDM &dm)
{
    return TTabelEntitate(dm, kElevi).IduriInOrdine();
}
