#pragma once

#include "data/UTabele.h"

class TInregistrari;

// The entity tables of the "Certificat de acordare".
class TListaLiniiTabelCertificatAcordare : public TListaLiniiTabel
{
public:
    TListaLiniiTabelCertificatAcordare();

    class Clasa : public TClasaListaTabel
    {
    public:
        QString NumeClasa() const override;
        std::unique_ptr<TListaLiniiTabel> Creeaza() const override;
    };
    static const Clasa &ClasaLista();
};

// Registers the certificate's profile list and table list classes.
void InregistreazaCertificatAcordare(TInregistrari &inregistrari);
