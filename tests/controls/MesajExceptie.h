#pragma once

#include <functional>

#include <QString>

#include "comun/Exceptie.h"

// The message of the program's exception the call raises, or a text saying
// that it raised none.
inline QString MesajDin(const std::function<void()> &f)
{
    try {
        f();
    } catch (const Exceptie &e) {
        return e.Mesaj();
    }
    return QStringLiteral("(nicio exceptie)");
}
