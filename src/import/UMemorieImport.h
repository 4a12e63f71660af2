#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include "import/USursaImport.h"

class IStocareSetari;

// The choices of the last completed import, kept per user in the settings
// store, so that next year's import of a sheet of the same shape starts
// from them.
namespace MemorieImport {

extern const QString kCheie;

struct TAlegeri
{
    // The folder of the last file.
    QString Dosar;
    QString ColoanaCnp;
    // By field reference.
    QHash<QString, TSursaImport> Surse;
};

// What was kept for these fields; a store that cannot be read gives nothing:
// the wizard then starts from its defaults.
TAlegeri Citeste(IStocareSetari &stocare, const QStringList &referinte);
// Fails with an Exceptie when the store cannot be written.
void Scrie(IStocareSetari &stocare, const TAlegeri &alegeri);

} // namespace MemorieImport
