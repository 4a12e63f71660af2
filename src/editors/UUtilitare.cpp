#include "editors/UUtilitare.h"

#include <QDate>

bool CnpValid(const QString &cod)
{
    if (cod.size() != 13)
        return false;
    int cifre[13];
    for (int i = 0; i < 13; ++i) {
        const QChar c = cod.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        cifre[i] = c.unicode() - '0';
    }
    if (cifre[0] != 1 && cifre[0] != 2 && cifre[0] != 5 && cifre[0] != 6)
        return false;
    const int yy = cifre[1] * 10 + cifre[2];
    const int an = yy >= 5 ? 1900 + yy : 2000 + yy;
    const int luna = cifre[3] * 10 + cifre[4];
    const int zi = cifre[5] * 10 + cifre[6];
    if (!QDate::isValid(an, luna, zi))
        return false;
    static const int ponderi[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int suma = 0;
    for (int i = 0; i < 12; ++i)
        suma += cifre[i] * ponderi[i];
    int rest = suma % 11;
    if (rest == 10)
        rest = 1;
    return rest == cifre[12];
}
