#pragma once

class TClasaListaProfilDiploma;
class TClasaListaTabel;

// The document type the program serves: its profile list class and its table
// list class, each registered once during program initialisation.
class TInregistrari
{
public:
    void InregistreazaProfil(const TClasaListaProfilDiploma &clasa);
    void InregistreazaTabele(const TClasaListaTabel &clasa);

    const TClasaListaProfilDiploma *Profil() const { return m_profil; }
    const TClasaListaTabel *Tabele() const { return m_tabele; }

private:
    const TClasaListaProfilDiploma *m_profil = nullptr;
    const TClasaListaTabel *m_tabele = nullptr;
};

// The program's registrations.
TInregistrari &Inregistrari();
