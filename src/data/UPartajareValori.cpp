#include "data/UPartajareValori.h"

#include "comun/Exceptie.h"

namespace PartajareValori {

namespace {

// Spaces and control characters at both ends do not count.
bool EsteGol(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > ' ')
            return false;
    }
    return true;
}

} // namespace

TSursa Sursa(const QString &onorezSimilar, const QString &similarCu)
{
    QString mare;
    for (const QChar c : onorezSimilar)
        mare += (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
    if (mare.isEmpty() || mare == QLatin1String("NU") || EsteGol(similarCu))
        return TSursa::Proprie;
    return onorezSimilar == QLatin1String("OPTIONAL") ? TSursa::ProprieApoiSimilar : TSursa::Similar;
}

void CercDePartajare(const TReferintaCamp &camp)
{
    throw Exceptie(
        QStringLiteral("Campul %1.%2.%3 este partajat in cerc: SIMILAR_CU trimite, din camp in camp, "
                       "inapoi la un camp deja vizitat. Corectati profilul diplomei.")
            .arg(camp.CodFormular, camp.CodPagina, camp.CodCamp));
}

} // namespace PartajareValori
