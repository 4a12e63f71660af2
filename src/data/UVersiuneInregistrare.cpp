#include "data/UVersiuneInregistrare.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QStringList>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"

namespace VersiuneInregistrare {

namespace {

QByteArray Calculeaza(TDM &dm, const QString &tabel, int id)
{
    const TInchideInterogari inchide{&dm.Q5};
    dm.Q5.SetSQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE ID_%1 = :ID").arg(tabel));
    dm.Q5.ParamByName(QStringLiteral("ID"), id);
    QStringList randuri;
    for (dm.Q5.Open(); !dm.Q5.Eof(); dm.Q5.Next()) {
        QStringList campuri;
        for (int i = 0; i < dm.Q5.NumarCampuri(); ++i) {
            const QVariant v = dm.Q5.Camp(i);
            campuri.append(v.isNull() ? QStringLiteral("\x01") : v.toString());
        }
        randuri.append(campuri.join(QChar(0x1f)));
    }
    // The engine returns the rows in no fixed order.
    std::sort(randuri.begin(), randuri.end());
    return QCryptographicHash::hash(randuri.join(QChar(0x1e)).toUtf8(), QCryptographicHash::Sha256);
}

} // namespace

QByteArray Amprenta(TDM &dm, const QString &tabel, int id)
{
    TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    const QByteArray amprenta = Calculeaza(dm, tabel, id);
    garda.Commit();
    return amprenta;
}

void Verifica(TDM &dm, const QString &tabel, int id, const QByteArray &amprenta)
{
    try {
        dm.Q5.SetSQL(QStringLiteral("UPDATE %1 SET ID_%1 = ID_%1 WHERE ID_%1 = :ID").arg(tabel));
        dm.Q5.ParamByName(QStringLiteral("ID"), id);
        dm.Q5.ExecSQL();
    } catch (const EroareBaza &e) {
        // Another connection saved the record after this transaction began.
        if (e.Tip() == EroareBaza::Conflict)
            throw ConflictInregistrare(MesajConflict(tabel));
        throw;
    }
    if (dm.Q5.RowsAffected() == 0 || Calculeaza(dm, tabel, id) != amprenta)
        throw ConflictInregistrare(MesajConflict(tabel));
}

QString MesajConflict(const QString &tabel)
{
    if (tabel.compare(QLatin1String("ELEVI"), Qt::CaseInsensitive) == 0)
        return QStringLiteral(
            "Candidatul a fost modificat intre timp pe alt calculator; datele au fost reincarcate");
    return QStringLiteral(
        "Inregistrarea a fost modificata intre timp pe alt calculator; datele au fost reincarcate");
}

} // namespace VersiuneInregistrare
