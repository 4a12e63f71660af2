// Field references and the value lookup that honours sharing and entity tables.
#include "data/UDm.h"

#include <cmath>
#include <limits>

#include "data/UGardaTranzactie.h"
#include "data/UPartajareValori.h"
#include "data/UStocareValori.h"
#include "comun/Exceptie.h"

namespace {

const QString kSqlProfil =
    QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                   "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)");

qint64 CaIntreg64(const QVariant &v)
{
    const double d = v.toDouble();
    if (!std::isfinite(d))
        return 0;
    if (d >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (d <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return qint64(std::llround(d));
}

} // namespace

TReferintaCamp TDM::ParseCamp(const QString &referinta)
{
    TReferintaCamp r;
    int parte = 1;
    for (const QChar c : referinta) {
        if (c == QLatin1Char('.')) {
            ++parte;
            continue;
        }
        if (parte == 1)
            r.CodFormular += c;
        else if (parte == 2)
            r.CodPagina += c;
        else if (parte == 3)
            r.CodCamp += c;
    }
    return r;
}

QString TDM::SeparaCuvinte(const QString &cod)
{
    QString rezultat;
    rezultat.reserve(cod.size() * 2);
    for (const QChar c : cod) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            rezultat += QLatin1Char(' ');
        rezultat += c;
    }
    return rezultat;
}

QString TDM::FormateazaValoare(const QString &tipDeDate, const QString &text, qint64 numar)
{
    Q_UNUSED(tipDeDate);
    Q_UNUSED(numar);
    return text;
}

QString TDM::ValoareRand(const QString &tipDeDate, const QVariant &text, const QVariant &numar)
{
    return FormateazaValoare(tipDeDate, text.toString(), CaIntreg64(numar));
}

QString TDM::ValoareCamp(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                         int idElev)
{
    return ValoareCamp(TReferintaCamp{codFormular, codPagina, codCamp}, idElev);
}

QString TDM::ValoareCamp(const TReferintaCamp &camp, int idElev)
{
    return ValoareCamp(camp, idElev, 0);
}

QString TDM::ValoareCamp(const TReferintaCamp &camp, int idElev, int adancime)
{
    if (adancime > PartajareValori::kAdancimeMaxima)
        PartajareValori::CercDePartajare(camp);
    const TGardaTranzactie garda(*this, TGardaTranzactie::Adopta);
    QString rezultat;
    try {
        Q1.SetSQL(kSqlProfil);
        Q1.LeagaCodurile(camp);
        Q1.Open();
        if (!Q1.Eof()) {
            const QString similar = Q1.AsString(QStringLiteral("SIMILAR_CU"));
            const PartajareValori::TSursa sursa =
                PartajareValori::Sursa(Q1.AsString(QStringLiteral("ONOREZ_SIMILAR")), similar);
            if (sursa != PartajareValori::TSursa::Similar)
                rezultat = ValoareProprie(camp, idElev);
            if (sursa != PartajareValori::TSursa::Proprie && rezultat.isEmpty()) {
                Q1.Close();
                rezultat = ValoareCamp(ParseCamp(similar), idElev, adancime + 1);
            }
        }
        Q1.Close();
    } catch (...) {
        // Inside the caller's transaction the statements must not stay open either.
        Q1.Close();
        Q2.Close();
        Q3.Close();
        throw;
    }
    return rezultat;
}

// The field's own value; the profile row is open on Q1.
QString TDM::ValoareProprie(const TReferintaCamp &camp, int idElev)
{
    const QString tabel = Q1.AsString(QStringLiteral("ASOCIAT_CU"));
    StocareValori::DeschideRandurile(Q2, camp, QStringLiteral("ELEVI"), idElev);
    TQuery *rand = &Q2;
    if (tabel != QLatin1String("ELEVI")) {
        // A field of another entity table: the candidate's row links to the record.
        // Null when there is no row; an unknown column fails either way.
        const QVariant legatura = Q2.FieldByName(QStringLiteral("IDF_") + tabel);
        Q2.Close();
        if (legatura.isNull())
            return QString();
        StocareValori::DeschideRandurile(Q3, camp, tabel, legatura);
        rand = &Q3;
    }
    QString valoare;
    if (!rand->Eof()) {
        valoare = ValoareRand(Q1.AsString(QStringLiteral("TIP_DE_DATE")),
                              rand->FieldByName(QStringLiteral("VALOARE_TEXT")),
                              rand->FieldByName(QStringLiteral("VALOARE_NUM")));
    }
    Q3.Close();
    Q2.Close();
    return valoare;
}

QString TDM::ExpandeazaReferinte(const QString &expresie,
                                 const std::function<QString(const TReferintaCamp &)> &valoare)
{
    QString rezultat;
    QString referinta;
    bool inauntru = false;
    for (const QChar c : expresie) {
        if (!inauntru) {
            if (c == QLatin1Char('{')) {
                inauntru = true;
                referinta.clear();
            } else {
                rezultat += c;
            }
        } else if (c == QLatin1Char('}')) {
            rezultat += valoare(ParseCamp(referinta));
            inauntru = false;
        } else {
            referinta += c;
        }
    }
    return rezultat;
}

QString TDM::ParseExp(const QString &expresie, int id)
{
    if (!Tr.InTransaction())
        throw Exceptie(
            QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
    return ExpandeazaReferinte(expresie, [this, id](const TReferintaCamp &r) { return ValoareCamp(r, id); });
}
