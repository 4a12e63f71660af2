#pragma once

#include <memory>

#include <QString>
#include <QTemporaryDir>

#include "data/UDm.h"
#include "data/UInregistrari.h"

// A database of the benchmarks' own, in a temporary folder: the program's
// template beside a program folder, and `n` candidates, each with a name, a
// grade and a link to one institution whose every field holds a value, as the
// record dialogs would write them.
struct TDateBench
{
    explicit TDateBench(int n, const QString &dosarDate = QString());

    QTemporaryDir dosar;
    QString dosarProgram;
    QString dosarDate;
    TInregistrari inregistrari;
    std::unique_ptr<TDM> dm;
};

// Adds candidates first..last to the data module's database in one transaction.
void AdaugaCandidati(TDM &dm, int prim, int ultim);
