#include "import/USursaImport.h"

#include "import/UColoaneExcel.h"

namespace SursaImport {

QString PrimaParte(const QString &nume)
{
    const QString t = nume.trimmed();
    const qsizetype spatiu = t.indexOf(u' ');
    return (spatiu < 0 ? t : t.left(spatiu)).trimmed();
}

QString ADouaParte(const QString &nume)
{
    const QString t = nume.trimmed();
    const qsizetype spatiu = t.indexOf(u' ');
    return spatiu < 0 ? QString() : t.mid(spatiu + 1).trimmed();
}

QString Valoare(const TSursaImport &sursa, const TListaColoaneExcel &coloane, int r, const QString &cnp)
{
    switch (sursa.Fel) {
    case TSursaImport::DinColoana:
        return coloane.Text(sursa.Coloana, r);
    case TSursaImport::PrimaParte:
        return PrimaParte(coloane.Text(sursa.Coloana, r));
    case TSursaImport::ADouaParte:
        return ADouaParte(coloane.Text(sursa.Coloana, r));
    case TSursaImport::Constanta:
        return sursa.TextConstant;
    case TSursaImport::DupaCnp:
        return cnp.startsWith(u'1') ? sursa.Baieti : sursa.Fete;
    default:
        return QString();
    }
}

} // namespace SursaImport
