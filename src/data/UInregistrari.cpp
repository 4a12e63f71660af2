#include "data/UInregistrari.h"

#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "comun/Exceptie.h"

namespace {
const QString kDejaInregistrat = QStringLiteral("Am inregistrat deja un profil de diploma: ");
}

void TInregistrari::InregistreazaProfil(const TClasaListaProfilDiploma &clasa)
{
    if (m_profil)
        throw Exceptie(kDejaInregistrat + m_profil->NumeClasa());
    m_profil = &clasa;
}

void TInregistrari::InregistreazaTabele(const TClasaListaTabel &clasa)
{
    if (m_tabele)
        throw Exceptie(kDejaInregistrat + m_tabele->NumeClasa());
    m_tabele = &clasa;
}

TInregistrari &Inregistrari()
{
    static TInregistrari inregistrari;
    return inregistrari;
}
