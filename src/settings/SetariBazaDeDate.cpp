#include "settings/SetariBazaDeDate.h"

#include "comun/Exceptie.h"
#include "settings/StocareSetari.h"

namespace SetariBazaDeDate {

const QString kCheie =
    QStringLiteral("SOFTWARE\\Zoravin SOFT\\Lumira\\2006\\Certificat de acordare\\Baza de date");

TConexiuneBaza Citeste(IStocareSetari &stocare)
{
    // Read at every start: a user who never chose leaves no key behind.
    if (!stocare.ExistaCheie(kCheie))
        return {};
    const std::unique_ptr<ICheieSetari> cheie = stocare.DeschideCheie(kCheie);
    TConexiuneBaza c;
    c.Server = cheie->SirSauGol(QStringLiteral("Server")).trimmed();
    if (!c.PeServer())
        return {};
    c.Cale = cheie->SirSauGol(QStringLiteral("Cale")).trimmed();
    c.Utilizator = cheie->SirSauGol(QStringLiteral("Utilizator"));
    c.Parola = cheie->SirSauGol(QStringLiteral("Parola"));
    return c;
}

void Scrie(IStocareSetari &stocare, const TConexiuneBaza &conexiune)
{
    const std::unique_ptr<ICheieSetari> cheie = stocare.DeschideCheie(kCheie);
    const bool server = conexiune.PeServer();
    cheie->ScrieSir(QStringLiteral("Server"), server ? conexiune.Server : QString());
    cheie->ScrieSir(QStringLiteral("Cale"), server ? conexiune.Cale : QString());
    cheie->ScrieSir(QStringLiteral("Utilizator"), server ? conexiune.Utilizator : QString());
    cheie->ScrieSir(QStringLiteral("Parola"), server ? conexiune.Parola : QString());
    cheie->Inchide();
}

} // namespace SetariBazaDeDate
