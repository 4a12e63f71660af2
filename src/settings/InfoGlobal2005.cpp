#include "settings/InfoGlobal2005.h"

QString TInfoGlobal2005::Cheie()
{
    return QStringLiteral("Software\\Zoravin SOFT\\Lumira\\") + QString::number(2006) +
           QStringLiteral("\\Global");
}

TInfoGlobal2005::TInfoGlobal2005(IStocareSetari *stocare) : TQenRegistryClass(Cheie(), stocare)
{
    Incarca();
}

TInfoGlobal2005::~TInfoGlobal2005()
{
    SalveazaLaDistrugere();
}
