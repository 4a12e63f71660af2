#include "data/UValoriInBloc.h"

#include <algorithm>
#include <utility>

#include "data/Cp1250.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UPartajareValori.h"

namespace {

const QString kElevi = QStringLiteral("ELEVI");
// At most so many identifiers bound per statement; a shorter last block
// repeats its last identifier, so every block runs the same prepared statement.
constexpr qsizetype kBloc = 128;

// The database compares texts without their trailing spaces.
QString FaraSpatiiLaSfarsit(QString text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    text.truncate(n);
    return text;
}

QString CheieCoduri(const QString &formular, const QString &pagina, const QString &camp)
{
    return FaraSpatiiLaSfarsit(formular) + QChar(0x1F) + FaraSpatiiLaSfarsit(pagina) + QChar(0x1F) +
           FaraSpatiiLaSfarsit(camp);
}

QString ListaParametri(const QString &prefix, qsizetype bloc)
{
    QStringList nume;
    for (qsizetype i = 0; i < bloc; ++i)
        nume.append(QLatin1Char(':') + prefix + QString::number(i));
    return QLatin1Char('(') + nume.join(QLatin1Char(',')) + QLatin1Char(')');
}

} // namespace

QString TValoriInBloc::Cheie(const TReferintaCamp &camp)
{
    for (const auto &[r, cheie] : m_chei) {
        if (r.CodCamp == camp.CodCamp && r.CodPagina == camp.CodPagina && r.CodFormular == camp.CodFormular)
            return cheie;
    }
    // As a statement's parameters compare: in the code page the database keeps.
    QString cheie = CheieCoduri(Cp1250::PentruStocare(camp.CodFormular),
                                Cp1250::PentruStocare(camp.CodPagina), Cp1250::PentruStocare(camp.CodCamp));
    constexpr size_t kChei = 16;
    if (m_chei.size() >= kChei)
        m_chei.erase(m_chei.begin());
    m_chei.emplace_back(camp, cheie);
    return cheie;
}

TValoriInBloc::TLinie *TValoriInBloc::LiniaRandului(const TQuery &r, int formular, int pagina, int camp)
{
    const QString coduri[3] = {r.Camp(camp).toString(), r.Camp(pagina).toString(),
                               r.Camp(formular).toString()};
    if (!m_liniaCautata || coduri[0] != m_codRand[0] || coduri[1] != m_codRand[1] ||
        coduri[2] != m_codRand[2]) {
        m_liniaCautata = true;
        const auto linie = m_profil.find(CheieCoduri(coduri[2], coduri[1], coduri[0]));
        m_liniaRandului = linie == m_profil.end() ? nullptr : &*linie;
        for (int i = 0; i < 3; ++i)
            m_codRand[i] = coduri[i];
    }
    return m_liniaRandului;
}

TValoriInBloc::TValoriInBloc(TDM &dm, std::optional<QList<int>> elevi, const QList<TReferintaCamp> &campuri)
    : m_dm(dm)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const TInchideInterogari inchide{&dm.Q4};
    CitesteProfilul(dm.Q4);
    m_toateCampurile = campuri.isEmpty();
    if (m_toateCampurile) {
        for (const TLinie &linie : std::as_const(m_profil)) {
            if (linie.AsociatCu != kElevi)
                m_tabeleLegate.insert(linie.AsociatCu);
        }
    } else {
        AdaugaInchiderea(campuri);
    }
    m_totiElevii = !elevi.has_value();
    if (elevi)
        m_elevi = QSet<int>(elevi->cbegin(), elevi->cend());
    CitesteElevii(dm.Q4, elevi);
    CitesteLegaturile(dm.Q4);
}

void TValoriInBloc::CitesteProfilul(TQuery &q)
{
    q.SetSQL(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA"));
    q.Open();
    ++m_comenzi;
    for (; !q.Eof(); q.Next()) {
        TLinie linie;
        linie.Camp = {q.AsString(QStringLiteral("COD_FORMULAR")), q.AsString(QStringLiteral("COD_PAGINA")),
                      q.AsString(QStringLiteral("COD_CAMP"))};
        linie.OnorezSimilar = q.AsString(QStringLiteral("ONOREZ_SIMILAR"));
        linie.SimilarCu = q.AsString(QStringLiteral("SIMILAR_CU"));
        linie.AsociatCu = q.AsString(QStringLiteral("ASOCIAT_CU"));
        linie.TipDeDate = q.AsString(QStringLiteral("TIP_DE_DATE"));
        const QString cheie = CheieCoduri(linie.Camp.CodFormular, linie.Camp.CodPagina, linie.Camp.CodCamp);
        if (!m_profil.contains(cheie))
            m_profil.insert(cheie, std::move(linie));
    }
    q.Close();
}

void TValoriInBloc::AdaugaInchiderea(const QList<TReferintaCamp> &campuri)
{
    // The fields asked for and every field they take their value from.
    QList<TReferintaCamp> deVazut = campuri;
    while (!deVazut.isEmpty()) {
        const TReferintaCamp camp = deVazut.takeLast();
        const QString cheie = Cheie(camp);
        if (m_campuri.contains(cheie))
            continue;
        m_campuri.insert(cheie);
        const auto linie = m_profil.constFind(cheie);
        if (linie == m_profil.cend())
            continue;
        if (linie->AsociatCu != kElevi)
            m_tabeleLegate.insert(linie->AsociatCu);
        if (PartajareValori::Sursa(linie->OnorezSimilar, linie->SimilarCu) !=
            PartajareValori::TSursa::Proprie)
            deVazut.append(TDM::ParseCamp(linie->SimilarCu));
    }
}

// " AND (...)" over the fields read, each by the codes the profile stores;
// empty when every field is read.
QString TValoriInBloc::FiltruCampuri(TQuery *q) const
{
    if (m_toateCampurile)
        return QString();
    QStringList conditii;
    int i = 0;
    for (const QString &cheie : m_campuri) {
        const auto linie = m_profil.constFind(cheie);
        if (linie == m_profil.cend())
            continue;
        const QString n = QString::number(i++);
        if (q) {
            q->ParamByName(QStringLiteral("F") + n, linie->Camp.CodFormular);
            q->ParamByName(QStringLiteral("P") + n, linie->Camp.CodPagina);
            q->ParamByName(QStringLiteral("C") + n, linie->Camp.CodCamp);
        } else {
            conditii.append(
                QStringLiteral("(COD_FORMULAR=:F%1 AND COD_PAGINA=:P%1 AND COD_CAMP=:C%1)").arg(n));
        }
    }
    return q ? QString()
             : QStringLiteral(" AND (") + conditii.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

template <typename D, typename F>
void TValoriInBloc::CitesteRanduri(TQuery &q, D &&deschis, F &&citesteRandul)
{
    FiltruCampuri(&q);
    q.Open();
    ++m_comenzi;
    deschis(q);
    for (; !q.Eof(); q.Next())
        citesteRandul(q);
    q.Close();
}

template <typename D, typename F>
void TValoriInBloc::PeBlocuri(TQuery &q, const QString &inceput, const QString &sfarsit,
                              const QList<QVariant> &iduri, D &&deschis, F &&citesteRandul)
{
    // A few identifiers get a statement of their size.
    const qsizetype bloc = std::min(kBloc, iduri.size());
    const QString sql = inceput + ListaParametri(QStringLiteral("E"), bloc) + sfarsit;
    for (qsizetype start = 0; start < iduri.size(); start += bloc) {
        q.SetSQL(sql);
        for (qsizetype i = 0; i < bloc; ++i)
            q.ParamByName(QStringLiteral("E") + QString::number(i),
                          iduri.at(std::min(start + i, iduri.size() - 1)));
        CitesteRanduri(q, deschis, citesteRandul);
    }
}

void TValoriInBloc::CitesteElevii(TQuery &q, const std::optional<QList<int>> &elevi)
{
    const QString filtru = FiltruCampuri(nullptr);
    if (!m_toateCampurile && filtru == QLatin1String(" AND ()"))
        return; // none of the fields is in the profile: no value rows to read

    struct TColoane
    {
        int formular = -1, pagina = -1, camp = -1, text = -1, numar = -1, elev = -1;
        QHash<QString, int> legaturi;
    };
    std::optional<TColoane> coloane;
    const auto deschis = [&](const TQuery &r) {
        if (!coloane) {
            // Every statement reads the same columns of "DATE".
            coloane.emplace();
            coloane->formular = r.IndexCamp(QStringLiteral("COD_FORMULAR"));
            coloane->pagina = r.IndexCamp(QStringLiteral("COD_PAGINA"));
            coloane->camp = r.IndexCamp(QStringLiteral("COD_CAMP"));
            coloane->text = r.IndexCamp(QStringLiteral("VALOARE_TEXT"));
            coloane->numar = r.IndexCamp(QStringLiteral("VALOARE_NUM"));
            coloane->elev = r.IndexCamp(QStringLiteral("ID_ELEVI"));
            for (const QString &tabel : std::as_const(m_tabeleLegate)) {
                const int idf = r.IndexCamp(QStringLiteral("IDF_") + tabel);
                if (idf >= 0 && r.IndexCamp(QStringLiteral("ID_") + tabel) >= 0) {
                    coloane->legaturi.insert(tabel, idf);
                    m_tabeleCitite.insert(tabel);
                }
            }
        }
    };
    const auto citeste = [&](const TQuery &r) {
        TLinie *linie = LiniaRandului(r, coloane->formular, coloane->pagina, coloane->camp);
        if (!linie)
            return;
        const int id = r.Camp(coloane->elev).toInt();
        if (linie->Elevi.contains(id))
            return; // the first row counts, as in the single lookup
        TRandElev rand;
        rand.Valoare = TDM::ValoareRand(linie->TipDeDate, r.Camp(coloane->text), r.Camp(coloane->numar));
        if (linie->AsociatCu != kElevi) {
            const auto legatura = coloane->legaturi.constFind(linie->AsociatCu);
            if (legatura != coloane->legaturi.cend())
                rand.Legatura = r.Camp(*legatura);
        }
        linie->Elevi.insert(id, std::move(rand));
    };
    if (!elevi) {
        q.SetSQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE ID_ELEVI IS NOT NULL") + filtru);
        CitesteRanduri(q, deschis, citeste);
        return;
    }
    QList<QVariant> iduri;
    for (const int id : *elevi)
        iduri.append(id);
    PeBlocuri(q, QStringLiteral("SELECT * FROM \"DATE\" WHERE ID_ELEVI IN "), filtru, iduri, deschis,
              citeste);
}

void TValoriInBloc::CitesteLegaturile(TQuery &q)
{
    const QString filtru = FiltruCampuri(nullptr);
    for (const QString &tabel : std::as_const(m_tabeleCitite)) {
        // The records the candidates' rows link to.
        QList<QVariant> iduri;
        QSet<qint64> vazute;
        for (const TLinie &linie : std::as_const(m_profil)) {
            if (linie.AsociatCu != tabel)
                continue;
            for (const TRandElev &rand : linie.Elevi) {
                if (!rand.Legatura.isNull() && !vazute.contains(rand.Legatura.toLongLong())) {
                    vazute.insert(rand.Legatura.toLongLong());
                    iduri.append(rand.Legatura);
                }
            }
        }
        int formular = -1, pagina = -1, camp = -1, text = -1, numar = -1, id = -1;
        const auto deschis = [&](const TQuery &r) {
            if (id < 0) {
                formular = r.IndexCamp(QStringLiteral("COD_FORMULAR"));
                pagina = r.IndexCamp(QStringLiteral("COD_PAGINA"));
                camp = r.IndexCamp(QStringLiteral("COD_CAMP"));
                text = r.IndexCamp(QStringLiteral("VALOARE_TEXT"));
                numar = r.IndexCamp(QStringLiteral("VALOARE_NUM"));
                id = r.IndexCamp(QStringLiteral("ID_") + tabel);
            }
        };
        const auto citeste = [&](const TQuery &r) {
            TLinie *linie = LiniaRandului(r, formular, pagina, camp);
            if (!linie || linie->AsociatCu != tabel)
                return;
            const qint64 inregistrare = r.Camp(id).toLongLong();
            if (!linie->Inregistrari.contains(inregistrare))
                linie->Inregistrari.insert(inregistrare,
                                           TDM::ValoareRand(linie->TipDeDate, r.Camp(text), r.Camp(numar)));
        };
        PeBlocuri(q, QStringLiteral("SELECT * FROM \"DATE\" WHERE ID_%1 IN ").arg(tabel), filtru, iduri,
                  deschis, citeste);
    }
}

QString TValoriInBloc::ValoareCamp(const TReferintaCamp &camp, int idElev)
{
    return Valoare(camp, idElev, 0);
}

std::optional<QString> TValoriInBloc::TipDeDate(const TReferintaCamp &camp)
{
    const auto linie = m_profil.constFind(Cheie(camp));
    if (linie == m_profil.cend())
        return std::nullopt;
    return linie->TipDeDate;
}

QString TValoriInBloc::Valoare(const TReferintaCamp &camp, int idElev, int adancime)
{
    if (adancime > PartajareValori::kAdancimeMaxima)
        PartajareValori::CercDePartajare(camp);
    if (!m_totiElevii && !m_elevi.contains(idElev))
        return m_dm.ValoareCamp(camp, idElev);
    const QString cheie = Cheie(camp);
    if (!m_toateCampurile && !m_campuri.contains(cheie))
        return m_dm.ValoareCamp(camp, idElev);
    const auto linie = m_profil.constFind(cheie);
    if (linie == m_profil.cend())
        return QString();
    const PartajareValori::TSursa sursa = PartajareValori::Sursa(linie->OnorezSimilar, linie->SimilarCu);
    QString rezultat;
    if (sursa != PartajareValori::TSursa::Similar)
        rezultat = ValoareProprie(camp, *linie, idElev);
    if (sursa != PartajareValori::TSursa::Proprie && rezultat.isEmpty())
        rezultat = Valoare(TDM::ParseCamp(linie->SimilarCu), idElev, adancime + 1);
    return rezultat;
}

QString TValoriInBloc::ValoareProprie(const TReferintaCamp &camp, const TLinie &linie, int idElev)
{
    const auto rand = linie.Elevi.constFind(idElev);
    if (linie.AsociatCu == kElevi)
        return rand == linie.Elevi.cend() ? QString() : rand->Valoare;
    // A table "DATE" has no link columns for: the single lookup gives its own error.
    if (!m_tabeleCitite.contains(linie.AsociatCu))
        return m_dm.ValoareCamp(camp, idElev);
    if (rand == linie.Elevi.cend() || rand->Legatura.isNull())
        return QString();
    return linie.Inregistrari.value(rand->Legatura.toLongLong());
}
