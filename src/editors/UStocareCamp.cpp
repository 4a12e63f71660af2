#include "editors/UStocareCamp.h"

#include <vector>

#include "data/UDm.h"

namespace StocareCamp {

namespace {

// Closes the shared statements on every way out, errors included.
class TInchide
{
public:
    TInchide(std::initializer_list<TQuery *> interogari) : m_interogari(interogari) {}
    ~TInchide()
    {
        for (TQuery *q : m_interogari)
            q->Close();
    }
    TInchide(const TInchide &) = delete;
    TInchide &operator=(const TInchide &) = delete;

private:
    std::vector<TQuery *> m_interogari;
};

bool EsteDeTaiat(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x7F;
}

void DeschideSelectul(TQuery &q, const TCoduri &coduri, const QString &tabel, int id)
{
    q.SetSQL(QStringLiteral("SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND "
                            "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)")
                 .arg(tabel));
    q.ParamByName(QStringLiteral("COD_FORMULAR"), coduri.CodFormular);
    q.ParamByName(QStringLiteral("COD_PAGINA"), coduri.CodPagina);
    q.ParamByName(QStringLiteral("COD_CAMP"), coduri.CodCamp);
    q.ParamByName(QStringLiteral("ID"), id);
    q.Open();
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

std::optional<QString> Citeste(TDM &dm, const TCoduri &coduri, const QString &tabel, int id)
{
    TInchide inchide{&dm.Q1};
    DeschideSelectul(dm.Q1, coduri, tabel, id);
    if (dm.Q1.Eof())
        return std::nullopt;
    const QVariant valoare = dm.Q1.FieldByName(QStringLiteral("VALOARE_TEXT"));
    if (valoare.isNull())
        return std::nullopt;
    return valoare.toString();
}

void Scrie(TDM &dm, const TCoduri &coduri, const QString &tabel, int id, const QString &valoare)
{
    TInchide inchide{&dm.Q1, &dm.Q2};
    DeschideSelectul(dm.Q1, coduri, tabel, id);
    if (dm.Q1.Eof()) {
        dm.Q2.SetSQL(QStringLiteral(
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
    dm.Q2.ParamByName(QStringLiteral("COD_FORMULAR"), coduri.CodFormular);
    dm.Q2.ParamByName(QStringLiteral("COD_PAGINA"), coduri.CodPagina);
    dm.Q2.ParamByName(QStringLiteral("COD_CAMP"), coduri.CodCamp);
    dm.Q2.ParamByName(QStringLiteral("ID"), id);
    dm.Q2.ExecSQL();
}

QStringList Sugestii(TDM &dm, const TCoduri &coduri)
{
    TInchide inchide{&dm.Q1};
    dm.Q1.SetSQL(
        QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                       "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
    dm.Q1.ParamByName(QStringLiteral("COD_FORMULAR"), coduri.CodFormular);
    dm.Q1.ParamByName(QStringLiteral("COD_PAGINA"), coduri.CodPagina);
    dm.Q1.ParamByName(QStringLiteral("COD_CAMP"), coduri.CodCamp);
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

} // namespace StocareCamp
