#include "data/USursaValori.h"

#include "data/UDm.h"
#include "data/UProfilStocat.h"

QString TSursaValoriDm::ValoareCamp(const TReferintaCamp &camp, int idElev)
{
    return m_dm.ValoareCamp(camp, idElev);
}

std::optional<QString> TSursaValoriDm::TipDeDate(const TReferintaCamp &camp)
{
    return ProfilStocat::TipDeDate(m_dm, camp);
}
