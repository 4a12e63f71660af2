#pragma once

#include <optional>

#include <QString>

class TDM;

// Adding candidates from a sheet without the wizard (the command line): the
// first row names the fields, by the label the import wizard shows for them
// or by their code; every later row that is not empty becomes a new
// candidate with those values.
struct TCerereAdaugare
{
    QString Fisier;
    // The first sheet when none is named.
    std::optional<QString> Foaie;
};

// One transaction for every candidate; a heading that names no field fails
// before anything is written, a failing row keeps the rows before it.
// Candidates added leave a copy of the database. Returns how many were added.
int AdaugaCandidati(TDM &dm, const TCerereAdaugare &cerere);
