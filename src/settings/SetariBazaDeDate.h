#pragma once

#include "data/UConexiuneBaza.h"

class IStocareSetari;

// The user's choice of database (the file in the data folder, or one on a
// server with its user and password), kept among the user's own settings:
// the registry's per-user part on Windows, elsewhere a file that only the
// user can read. Never beside the database.
namespace SetariBazaDeDate {

extern const QString kCheie;

// The stored choice; the file in the data folder when there is none or it
// cannot be read.
TConexiuneBaza Citeste(IStocareSetari &stocare);
void Scrie(IStocareSetari &stocare, const TConexiuneBaza &conexiune);

} // namespace SetariBazaDeDate
