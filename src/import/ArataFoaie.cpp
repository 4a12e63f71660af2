#include "import/ArataFoaie.h"

#include <QDir>

#include "comun/Exceptie.h"
#include "import/RegistruCalcul.h"
#include "import/UColoaneExcel.h"

QByteArray ArataFoaie(const QString &fisier, const std::optional<QString> &foaie)
{
    const std::unique_ptr<IRegistruCalcul> registru = DeschideRegistrul(fisier);
    const QStringList foi = registru->Foi();
    QStringList linii;
    if (!foaie) {
        linii = foi;
    } else {
        const int index = int(foi.indexOf(*foaie));
        if (index < 0)
            throw Exceptie(QStringLiteral("Fisierul \"%1\" nu are foaia de calcul \"%2\".")
                               .arg(QDir::toNativeSeparators(fisier), *foaie));
        TDomeniuFoaie domeniu(*registru, index);
        TListaColoaneExcel coloane;
        CitesteFoaia(domeniu, coloane);
        for (int r = 0; r < coloane.NumarRanduri(); ++r) {
            QStringList celule;
            for (int c = 0; c < coloane.Count(); ++c)
                celule.append(coloane.Items(c)->at(r));
            linii.append(celule.join(u'\t'));
        }
    }
    QByteArray iesire;
    for (const QString &l : std::as_const(linii))
        iesire += l.toUtf8() + '\n';
    return iesire;
}
