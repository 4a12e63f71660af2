#pragma once

#include <vector>

#include <QString>

class TDM;

// One listed record: its identifier and the text shown for it.
struct TLinieInregistrare
{
    int Id = 0;
    QString Denumire;
};

using TListaLiniiInregistrari = std::vector<TLinieInregistrare>;

// The lines of a record list of one entity table (the candidate list, the
// generic record list): loaded and deleted in transactions of their own, so
// Tr must not be active when either starts.
class TListaInregistrari
{
public:
    // Re-reads every record of the table in the order the database returns
    // them, each with its display text made from `expresie`. A failed read
    // leaves the list empty.
    void Incarca(TDM &dm, const QString &tabel, const QString &expresie);
    // Deletes the record and commits; its value rows go with it. Its line
    // leaves the list.
    void Sterge(TDM &dm, const QString &tabel, int id);
    void Goleste() { m_linii.clear(); }

    const TListaLiniiInregistrari &Linii() const { return m_linii; }

private:
    TListaLiniiInregistrari m_linii;
};
