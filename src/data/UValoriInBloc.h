#pragma once

#include <optional>
#include <vector>

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include "data/USursaValori.h"

class TQuery;

// The values of many candidates read with a few statements: the profile
// once, then the value rows of those candidates and of the records they link
// to, a block of candidates per statement. The sharing of fields is then
// resolved in memory by the same rule as TDM::ValoareCamp, with the same
// results. What the block does not hold (another candidate, a field not asked
// for, an entity table whose link columns "DATE" lacks) is asked of the data
// module, so its answer and its errors stay those of the single lookup.
class TValoriInBloc final : public ISursaValori
{
public:
    // The candidates `elevi` (every candidate when nothing is given) and the
    // fields `campuri` with the fields they share (every field of the profile
    // when the list is empty). Reads in Tr when it is active, otherwise in a
    // read transaction of its own; uses Q4.
    TValoriInBloc(TDM &dm, std::optional<QList<int>> elevi, const QList<TReferintaCamp> &campuri = {});

    QString ValoareCamp(const TReferintaCamp &camp, int idElev) override;
    std::optional<QString> TipDeDate(const TReferintaCamp &camp) override;

    // How many statements the reading executed.
    int Comenzi() const { return m_comenzi; }

private:
    // A candidate's value row of a field: its shown value and, for a field
    // of another entity table, its link to that table's record.
    struct TRandElev
    {
        QString Valoare;
        QVariant Legatura;
    };
    // A line of the profile and the value rows read for its field.
    struct TLinie
    {
        TReferintaCamp Camp;
        QString OnorezSimilar;
        QString SimilarCu;
        QString AsociatCu;
        QString TipDeDate;
        // The first row of each candidate, and of each linked record.
        QHash<int, TRandElev> Elevi;
        QHash<qint64, QString> Inregistrari;
    };

    // The field's key as the database compares codes; the last keys asked
    // for are kept, a lookup asks for the same few over and over.
    QString Cheie(const TReferintaCamp &camp);
    // The profile line of the codes a value row holds; the last one is kept.
    TLinie *LiniaRandului(const TQuery &r, int formular, int pagina, int camp);
    void CitesteProfilul(TQuery &q);
    void AdaugaInchiderea(const QList<TReferintaCamp> &campuri);
    QString FiltruCampuri(TQuery *q) const;
    void CitesteElevii(TQuery &q, const std::optional<QList<int>> &elevi);
    void CitesteLegaturile(TQuery &q);
    // Opens the statement set on `q` (the field filter bound), hands it to
    // `deschis` once open and to `citesteRandul` at every row, then closes it.
    template <typename D, typename F> void CitesteRanduri(TQuery &q, D &&deschis, F &&citesteRandul);
    // The same for "inceput IN (:E0, ...) sfarsit" over `iduri`, a block at a time.
    template <typename D, typename F>
    void PeBlocuri(TQuery &q, const QString &inceput, const QString &sfarsit, const QList<QVariant> &iduri,
                   D &&deschis, F &&citesteRandul);

    QString Valoare(const TReferintaCamp &camp, int idElev, int adancime);
    QString ValoareProprie(const TReferintaCamp &camp, const TLinie &linie, int idElev);

    TDM &m_dm;
    QHash<QString, TLinie> m_profil;
    // The fields read (their keys); every field when m_toateCampurile.
    QSet<QString> m_campuri;
    bool m_toateCampurile = true;
    // The candidates read; every candidate when m_totiElevii.
    QSet<int> m_elevi;
    bool m_totiElevii = true;
    // The entity tables the fields read link to, and those whose link
    // columns "DATE" has (their rows are read).
    QSet<QString> m_tabeleLegate;
    QSet<QString> m_tabeleCitite;
    std::vector<std::pair<TReferintaCamp, QString>> m_chei;
    QString m_codRand[3];
    TLinie *m_liniaRandului = nullptr;
    bool m_liniaCautata = false;
    int m_comenzi = 0;
};
