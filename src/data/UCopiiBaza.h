#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

class ICeas;
class ICopiereFisier;

// One copy of the database in the copies' folder.
struct TCopieBaza
{
    QString cale;
    QDateTime data;
    qint64 marime = 0;
};

// What opening a file as one of the program's databases found.
struct TInfoBaza
{
    bool valida = false;
    QString eroare;
    int candidati = 0;
};

// The copies of one database file, in the folder "copii" beside it, named
// "<base>-AAAALLZZ-HHMMSS.FDB". They are taken while the engine is not
// attached to the file, so a copy of the bytes is a consistent database.
class TCopiiBaza
{
public:
    static constexpr int UltimelePastrate = 10;
    static constexpr int LuniPastrate = 12;

    TCopiiBaza(QString caleBaza, ICeas &ceas, ICopiereFisier &copiere);

    const QString &CaleBaza() const { return m_caleBaza; }
    QString Dosar() const;
    // The copies in the folder, newest first; files named otherwise are not ours.
    QList<TCopieBaza> Lista() const;

    // A new copy of the database file, written under a temporary name and
    // renamed once complete. Returns its path; on failure (a full disk) it
    // raises, leaving no part of it behind and the older copies as they were.
    QString CopieAutomata();
    // Removes the copies that are neither among the last ten nor the first
    // copy of one of the twelve months before the current one. Returns the
    // removed ones.
    QStringList Curata();
    // Which of the copies taken at `date` stay at `acum` (indices into
    // `date`). A copy dated after `acum` (a clock set wrong once) is kept and
    // does not count among the last ten.
    static QSet<int> DePastrat(const QList<QDateTime> &date, const QDateTime &acum);

    // Copies `sursa` to `tinta` through a temporary name beside `tinta`, so
    // that `tinta` only ever holds a complete copy; an existing `tinta` is
    // replaced only once the new copy is complete.
    void CopiazaSigur(const QString &sursa, const QString &tinta) const;
    // "<base>-<sufix>.FDB" beside the database, or with "-2", "-3"... when taken.
    QString NumeAlaturi(const QString &sufix) const;
    // The path itself when free, else with "-2", "-3"... before the extension.
    static QString NumeLiber(const QString &cale);
    // A name for `data` as the copies carry it: "AAAALLZZ-HHMMSS".
    static QString Marca(const QDateTime &data);

    // Opens the file through a connection of its own and checks that it has
    // the program's tables; counts its candidates.
    static TInfoBaza VerificaBaza(const QString &fisier);

private:
    QString Baza() const;

    QString m_caleBaza;
    ICeas &m_ceas;
    ICopiereFisier &m_copiere;
};
