#include "settings/SetariBazaDeDate.h"

#include "comun/Exceptie.h"
#include "settings/StocareSetari.h"

namespace SetariBazaDeDate {

const QString kCheie =
    QStringLiteral("SOFTWARE\\Zoravin SOFT\\Lumira\\2006\\Certificat de acordare\\Baza de date");

namespace {

QString Sir(const ICheieSetari &cheie, const QString &nume)
{
    return cheie.Tip(nume) == TTipValoare::Sir ? cheie.CitesteSir(nume) : QString();
}

} // namespace

TConexiuneBaza Citeste(IStocareSetari &stocare)
{
    // Read at every start: a user who never chose leaves no key behind.
    if (!stocare.ExistaCheie(kCheie))
        return {};
    const std::unique_ptr<ICheieSetari> cheie = stocare.DeschideCheie(kCheie);
    TConexiuneBaza c;
    c.Server = Sir(*cheie, QStringLiteral("Server")).trimmed();
    if (!c.PeServer())
        return {};
    c.Cale = Sir(*cheie, QStringLiteral("Cale")).trimmed();
    c.Utilizator = Sir(*cheie, QStringLiteral("Utilizator"));
    c.Parola = Sir(*cheie, QStringLiteral("Parola"));
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
