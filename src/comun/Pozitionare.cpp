#include "comun/Pozitionare.h"

QPoint PozitieCentrata(const QRect &zonaLucru, const QSize &fereastra)
{
    // Integer division truncates toward zero, as the placement rule wants.
    int stanga = zonaLucru.left() + (zonaLucru.width() - fereastra.width()) / 2;
    int sus = zonaLucru.top() + (zonaLucru.height() - fereastra.height()) / 2;
    if (stanga < zonaLucru.left())
        stanga = zonaLucru.left();
    if (sus < zonaLucru.top())
        sus = zonaLucru.top();
    return {stanga, sus};
}
