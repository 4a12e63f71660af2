#include "editors/NotaText.h"

#include <limits>

qint64 NotaDinText(const QString &text)
{
    int parte = 1;
    qint64 intreg = 0;
    bool preaMare = false;
    int zecimale[2] = {0, 0};
    int numarZecimale = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (parte < 3)
                ++parte;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        const int cifra = c.unicode() - '0';
        if (parte == 1) {
            // Read digit by digit so that no length of digit string can overflow.
            if (!preaMare) {
                intreg = intreg * 10 + cifra;
                if (intreg > std::numeric_limits<qint32>::max())
                    preaMare = true;
            }
        } else if (parte == 2 && numarZecimale < 2) {
            zecimale[numarZecimale++] = cifra;
        }
    }
    if (preaMare)
        intreg = 0;
    // At most 2147483647 * 10000 + 99 * 100: well inside 64 bits.
    return intreg * 10000 + (zecimale[0] * 10 + zecimale[1]) * 100;
}
