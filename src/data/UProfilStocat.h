#pragma once

#include <optional>
#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

#include "data/UReferintaCamp.h"

class TDM;

// One line of the form profile as the database holds it, as the profile
// configuration lists it.
struct TLinieProfil
{
    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
    QString EtichetaEditor;
    QString OnorezSimilar;
    QString AsociatCu;
};

// The two values of a profile line the user may change.
struct TSetareLinieProfil
{
    QString OnorezSimilar;
    QString AsociatCu;
};

// A profile line of one entity table, as the composite editor builds its
// editor from it. The sharing columns keep a NULL apart from an empty text:
// the two decide differently whether the line gets an editor.
struct TLinieProfilEditor
{
    TReferintaCamp Camp;
    std::optional<QString> SimilarCu;
    std::optional<QString> OnorezSimilar;
    QString EtichetaEditor;
    QString TipDeDate;
    int LatimeSugerata = 0; // 0 when NULL
    QString CodLinie;       // empty when NULL
};

// The profile lines in PROFIL_DIPLOMA and the entity tables in TABELE as the
// dialogs, the editors and the form filling read and change them. Every
// function works in Tr when it is active (a write is then the caller's to
// commit); otherwise in a transaction of its own, rolled back after a read
// and committed after a write.
namespace ProfilStocat {

// Every profile line, in the order the database returns them. Uses Q1.
std::vector<TLinieProfil> Linii(TDM &dm);

// The sharing mode and entity table of one line; nothing when the profile
// has no such line. Uses Q1.
std::optional<TSetareLinieProfil> CitesteSetarea(TDM &dm, const TReferintaCamp &camp);

// Writes the sharing mode and entity table of one line; the number of lines
// changed (0: the profile has no such line). Uses Q1.
int ScrieSetarea(TDM &dm, const TReferintaCamp &camp, const TSetareLinieProfil &setare);

// The profile lines of an entity table (ASOCIAT_CU), in profile order. Uses Q6.
std::vector<TLinieProfilEditor> LiniiTabel(TDM &dm, const QString &tabel);

// The fields of an entity table's lines, in profile order. Uses Q4.
QList<TReferintaCamp> CampuriTabel(TDM &dm, const QString &tabel);

// The data type (TIP_DE_DATE) of a field; nothing when the profile has no
// such field. Uses Q1, which must not be open across the call.
std::optional<QString> TipDeDate(TDM &dm, const TReferintaCamp &camp);

// The entity tables listed in TABELE, by name. Uses Q1.
QStringList NumeTabele(TDM &dm);

} // namespace ProfilStocat
