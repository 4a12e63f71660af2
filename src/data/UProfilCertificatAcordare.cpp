#include "data/UProfilCertificatAcordare.h"

TListaLiniiProfilCertificatAcordare::TListaLiniiProfilCertificatAcordare()
{
}

QString TListaLiniiProfilCertificatAcordare::Clasa::NumeClasa() const
{
    return QStringLiteral("TListaLiniiProfilCertificatAcordare");
}

QString TListaLiniiProfilCertificatAcordare::Clasa::NumeBazaDeDate() const
{
    return QStringLiteral("CertificatAcordare2006");
}

QString TListaLiniiProfilCertificatAcordare::Clasa::ListaCampuriElev() const
{
    return QStringLiteral("{CertificatAcordare.FATA.C_NUME}");
}

QString TListaLiniiProfilCertificatAcordare::Clasa::ListaCampuriGeneric() const
{
    return QStringLiteral("{CertificatAcordare.FATA.C_INSTITUTIA_INVATAMANT}");
}

std::unique_ptr<TListaLiniiProfilDiploma> TListaLiniiProfilCertificatAcordare::Clasa::Creeaza() const
{
    return std::make_unique<TListaLiniiProfilCertificatAcordare>();
}

const TListaLiniiProfilCertificatAcordare::Clasa &TListaLiniiProfilCertificatAcordare::ClasaLista()
{
    static const Clasa clasa;
    return clasa;
}
