#include "data/UStocareValori.h"

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"

namespace StocareValori {

namespace {

bool EsteDeTaiat(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x7F;
}

} // namespace

int IdSelectat(const QString &tabel, int idElev, int idEntitate)
{
    return tabel == QLatin1String("ELEVI") ? idElev : idEntitate;
}

QString TextDeSalvat(const QString &text, int lungime)
{
    qsizetype inceput = 0;
    qsizetype sfarsit = text.size();
    while (inceput < sfarsit && EsteDeTaiat(text.at(inceput)))
        ++inceput;
    while (sfarsit > inceput && EsteDeTaiat(text.at(sfarsit - 1)))
        --sfarsit;
    QString rezultat = text.mid(inceput, sfarsit - inceput);
    // Counted in characters: a pair of surrogates is never split.
    qsizetype pozitie = 0;
    for (int n = 0; n < lungime && pozitie < rezultat.size(); ++n)
        pozitie += (rezultat.at(pozitie).isHighSurrogate() && pozitie + 1 < rezultat.size()) ? 2 : 1;
    rezultat.truncate(pozitie);
    return rezultat;
}

void DeschideRandurile(TQuery &q, const TReferintaCamp &camp, const QString &tabel, const QVariant &id)
{
    q.SetSQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                            "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP) AND (ID_") +
             tabel + QStringLiteral("=:ID)"));
    q.LeagaCodurile(camp);
    q.ParamByName(QStringLiteral("ID"), id);
    q.Open();
}

std::optional<QString> Citeste(TDM &dm, const TReferintaCamp &camp, const QString &tabel, int id)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    TInchideInterogari inchide{&dm.Q1};
    DeschideRandurile(dm.Q1, camp, tabel, id);
    if (dm.Q1.Eof())
        return std::nullopt;
    const QVariant valoare = dm.Q1.FieldByName(QStringLiteral("VALOARE_TEXT"));
    if (valoare.isNull())
        return std::nullopt;
    return valoare.toString();
}

void Scrie(TDM &dm, const TReferintaCamp &camp, const QString &tabel, int id, const QString &valoare)
{
    TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    {
        TInchideInterogari inchide{&dm.Q1, &dm.Q2};
        DeschideRandurile(dm.Q1, camp, tabel, id);
        if (dm.Q1.Eof()) {
            dm.Q2.SetSQL(
                QStringLiteral(
                    "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, VALOARE_TEXT, "
                    "VALOARE_NUM) VALUES (:COD_FORMULAR, :COD_PAGINA, :COD_CAMP, :ID, :VALOARE_TEXT, 0)")
                    .arg(tabel));
            dm.Q2.ParamByName(QStringLiteral("VALOARE_TEXT"), valoare);
        } else {
            QString sql = QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL, VALOARE_NUM=0");
            dm.Q2.SetSQL(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL <> :TAB"));
            dm.Q2.ParamByName(QStringLiteral("TAB"), tabel);
            for (dm.Q2.Open(); !dm.Q2.Eof(); dm.Q2.Next())
                sql += QStringLiteral(", ID_") + dm.Q2.AsString(QStringLiteral("NUME_TABEL")) +
                       QStringLiteral(" = NULL");
            dm.Q2.Close();
            sql += QStringLiteral(" WHERE (ID_") + tabel +
                   QStringLiteral("=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                                  "(COD_CAMP=:COD_CAMP)");
            dm.Q2.SetSQL(sql);
            dm.Q2.ParamByName(QStringLiteral("VAL"), valoare);
        }
        dm.Q2.LeagaCodurile(camp);
        dm.Q2.ParamByName(QStringLiteral("ID"), id);
        dm.Q2.ExecSQL();
    }
    garda.Commit();
}

QStringList Sugestii(TDM &dm, const TReferintaCamp &camp)
{
    const TGardaTranzactie garda(dm, TGardaTranzactie::Adopta);
    TInchideInterogari inchide{&dm.Q1};
    dm.Q1.SetSQL(
        QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                       "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
    dm.Q1.LeagaCodurile(camp);
    QStringList texte;
    for (dm.Q1.Open(); !dm.Q1.Eof(); dm.Q1.Next()) {
        // A blank suggestion offers nothing; the editors store an empty text
        // for every field left empty.
        const QVariant v = dm.Q1.FieldByName(QStringLiteral("VALOARE_TEXT"));
        if (!v.isNull() && !v.toString().isEmpty())
            texte.append(v.toString());
    }
    return texte;
}

} // namespace StocareValori
