#include "data/UTabeleCertificatAcordare.h"

#include "data/UInregistrari.h"
#include "data/UProfilCertificatAcordare.h"

TListaLiniiTabelCertificatAcordare::TListaLiniiTabelCertificatAcordare()
{
    AdaugaTabel(QStringLiteral("CANDIDAT"), QString());
    AdaugaTabel(QStringLiteral("INSTITUTIA"), QStringLiteral("Denumirea scolii"));
}

QString TListaLiniiTabelCertificatAcordare::Clasa::NumeClasa() const
{
    return QStringLiteral("TListaLiniiTabelCertificatAcordare");
}

std::unique_ptr<TListaLiniiTabel> TListaLiniiTabelCertificatAcordare::Clasa::Creeaza() const
{
    return std::make_unique<TListaLiniiTabelCertificatAcordare>();
}

const TListaLiniiTabelCertificatAcordare::Clasa &TListaLiniiTabelCertificatAcordare::ClasaLista()
{
    static const Clasa clasa;
    return clasa;
}

void InregistreazaCertificatAcordare(TInregistrari &inregistrari)
{
    inregistrari.InregistreazaProfil(TListaLiniiProfilCertificatAcordare::ClasaLista());
    inregistrari.InregistreazaTabele(TListaLiniiTabelCertificatAcordare::ClasaLista());
}
