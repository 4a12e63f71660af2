#pragma once

#include "data/UProfilDiploma.h"

// The form profile of the "Certificat de acordare".
class TListaLiniiProfilCertificatAcordare : public TListaLiniiProfilDiploma
{
public:
    TListaLiniiProfilCertificatAcordare();

    class Clasa : public TClasaListaProfilDiploma
    {
    public:
        QString NumeClasa() const override;
        QString NumeBazaDeDate() const override;
        QString ListaCampuriElev() const override;
        QString ListaCampuriGeneric() const override;
        std::unique_ptr<TListaLiniiProfilDiploma> Creeaza() const override;
    };
    static const Clasa &ClasaLista();
};
