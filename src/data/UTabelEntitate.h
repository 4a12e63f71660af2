#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TDM;

// The records of one entity table: identifiers from its generator G_ID_<table>,
// its rows and the display text of a record. A record's data are its value
// rows; deleting the record deletes them by the cascading keys of "DATE".
// Every operation works in Tr when it is active (a write is then the
// caller's to commit); otherwise in a transaction of its own, rolled back
// after a read and committed after a write.
class TTabelEntitate
{
public:
    TTabelEntitate(TDM &dm, const QString &nume);

    const QString &Nume() const { return m_nume; }

    // The next identifier of the table; taken even when the record is never
    // saved. Uses Q1.
    int IdNou();
    // The record's row in the table. Uses Q1.
    void Insereaza(int id);
    // Deletes the record. Uses Q1.
    void Sterge(int id);
    // Every record's identifier, in the order the database returns them. Uses Q5.
    QList<int> Iduri();
    // Every record's identifier, ascending. Uses Q5.
    QList<int> IduriInOrdine();
    // The record's display text: every "{FORMULAR.PAGINA.CAMP}" of the
    // expression replaced by a value. A candidate's come from the value
    // lookup, sharing and links included; a record of another table shows
    // its own values. Uses what the lookup uses, or Q1.
    QString Denumire(const QString &expresie, int id);
    // The display texts of the records, in the order given, the same as
    // Denumire gives one by one; the candidates' values are read together
    // (TValoriInBloc, which uses Q4).
    QStringList Denumiri(const QString &expresie, const QList<int> &iduri);

private:
    // The statements of the table; the candidates' table keeps its own spelling.
    struct TComenzi
    {
        QString iduri;
        QString iduriInOrdine;
        // The identifier's column in the reads and parameter of the delete.
        QString numeId;
        QString insereaza;
        QString sterge;
    };

    TDM &m_dm;
    QString m_nume;
    bool m_elevi;
    TComenzi m_comenzi;
};

// The identifiers of all candidates, ascending; in Tr when it is active,
// otherwise in a read transaction of its own.
QList<int> IduriElevi(TDM &dm);
