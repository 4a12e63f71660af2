#include "import/UMemorieImport.h"

#include "settings/StocareSetari.h"

namespace MemorieImport {

const QString kCheie =
    QStringLiteral("SOFTWARE\\Zoravin SOFT\\Lumira\\2006\\Certificat de acordare\\Import din Excel");

TAlegeri Citeste(IStocareSetari &stocare, const QStringList &referinte)
{
    TAlegeri alegeri;
    try {
        const std::unique_ptr<ICheieSetari> cheie = stocare.DeschideCheie(kCheie);
        alegeri.Dosar = cheie->SirSauGol(QStringLiteral("Dosar"));
        alegeri.ColoanaCnp = cheie->SirSauGol(QStringLiteral("ColoanaCnp"));
        for (const QString &r : referinte) {
            if (cheie->Tip(r + QStringLiteral(".Sursa")) != TTipValoare::Intreg)
                continue;
            TSursaImport s;
            s.Fel = cheie->CitesteIntreg(r + QStringLiteral(".Sursa"));
            s.Coloana = cheie->SirSauGol(r + QStringLiteral(".Coloana"));
            s.TextConstant = cheie->SirSauGol(r + QStringLiteral(".Constanta"));
            s.Fete = cheie->SirSauGol(r + QStringLiteral(".Fete"));
            s.Baieti = cheie->SirSauGol(r + QStringLiteral(".Baieti"));
            s.Exclus = cheie->Tip(r + QStringLiteral(".Exclus")) == TTipValoare::Intreg &&
                       cheie->CitesteIntreg(r + QStringLiteral(".Exclus")) != 0;
            alegeri.Surse.insert(r, s);
        }
    } catch (const Exceptie &) {
        return TAlegeri();
    }
    return alegeri;
}

void Scrie(IStocareSetari &stocare, const TAlegeri &alegeri)
{
    const std::unique_ptr<ICheieSetari> cheie = stocare.DeschideCheie(kCheie);
    cheie->ScrieSir(QStringLiteral("Dosar"), alegeri.Dosar);
    cheie->ScrieSir(QStringLiteral("ColoanaCnp"), alegeri.ColoanaCnp);
    for (auto i = alegeri.Surse.cbegin(); i != alegeri.Surse.cend(); ++i) {
        const QString &r = i.key();
        cheie->ScrieIntreg(r + QStringLiteral(".Sursa"), i->Fel);
        cheie->ScrieSir(r + QStringLiteral(".Coloana"), i->Coloana);
        cheie->ScrieSir(r + QStringLiteral(".Constanta"), i->TextConstant);
        cheie->ScrieSir(r + QStringLiteral(".Fete"), i->Fete);
        cheie->ScrieSir(r + QStringLiteral(".Baieti"), i->Baieti);
        cheie->ScrieIntreg(r + QStringLiteral(".Exclus"), i->Exclus ? 1 : 0);
    }
    cheie->Inchide();
}

} // namespace MemorieImport
