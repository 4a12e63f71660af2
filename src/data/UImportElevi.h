#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "data/UReferintaCamp.h"

class TDM;

// A candidate field the spreadsheet import offers a page for.
struct TCampImport
{
    TReferintaCamp Camp;
    // The editor label without its bracketed parts.
    QString Eticheta;
};

// What the spreadsheet import reads and writes in the database: the fields it
// offers, the field it matches candidates by, the candidates it finds or
// creates and the values it writes.
namespace ImportElevi {

// The editor label without its "[...]" and "{...}" parts (nested ones too),
// the spaces around them kept.
QString EtichetaFaraParanteze(const QString &eticheta);

// The candidate fields without a shared source, the personal code excepted,
// in profile order. In a read transaction of its own; uses Q1.
std::vector<TCampImport> CampuriDeImportat(TDM &dm);

// The first profile line of data type CNP; nothing when there is none. In a
// read transaction of its own; uses Q1.
std::optional<TReferintaCamp> CampCnp(TDM &dm);

// In Tr: the candidate whose value of the CNP field is `cnp`; when there is
// none, a new candidate with one value row (empty, 0) per candidate field of
// the profile and then its personal code. `nou` tells which. Uses Q1, Q2, Q3.
int ElevDupaCnp(TDM &dm, const TReferintaCamp &campCnp, const QString &cnp, bool &nou);

// In Tr: a new candidate, numbered by the generator, with one value row
// (empty, 0) per candidate field of the profile. Uses Q2, Q3.
int ElevNou(TDM &dm);

// In Tr: sets the text of the candidate's value row of the field; a field
// without a row is left without one. Uses Q1.
void ScrieValoarea(TDM &dm, int idElev, const TReferintaCamp &camp, const QString &valoare);

} // namespace ImportElevi
