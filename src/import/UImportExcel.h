#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "data/UReferintaCamp.h"
#include "import/USursaImport.h"

class TDM;
class TListaColoaneExcel;

// One field the import writes for each row: its page's choices.
class ICampImport
{
public:
    virtual ~ICampImport() = default;
    // Writes the field's value of row r for the candidate, inside the row's
    // transaction; nothing when the field is excluded.
    virtual void ScrieValoarea(int r, int idElev, const QString &cnp) = 0;
};

// A field and where its value comes from, written on the data module.
class TCampDinSursa : public ICampImport
{
public:
    TCampDinSursa(TDM &dm, const TListaColoaneExcel &coloane, TReferintaCamp camp, TSursaImport sursa)
        : m_dm(dm), m_coloane(coloane), m_camp(std::move(camp)), m_sursa(std::move(sursa))
    {}
    void ScrieValoarea(int r, int idElev, const QString &cnp) override;

private:
    TDM &m_dm;
    const TListaColoaneExcel &m_coloane;
    TReferintaCamp m_camp;
    TSursaImport m_sursa;
};

struct TRezultatImport
{
    int Importate = 0;
    int Total = 0;
    // Rows whose personal code cell is empty: not imported.
    int FaraCnp = 0;
    bool Oprit = false;
};

// The import of the rows kept of a sheet: one transaction per row, in which
// the candidate is found by its personal code (or created, and linked to the
// institution when one is given) and every field is written in order. A
// failing row is rolled back and ends the import with its error; the rows
// before it stay. A row with an empty code is left out. `progres`(r, n)
// runs before row r of n; false stops there.
TRezultatImport ImportaRandurile(TDM &dm, const TListaColoaneExcel &coloane, const QString &coloanaCnp,
                                 const std::vector<ICampImport *> &campuri, std::optional<int> institutie,
                                 const std::function<bool(int, int)> &progres = {});

// The final message of an import.
QString MesajFinal(const TRezultatImport &rezultat);
