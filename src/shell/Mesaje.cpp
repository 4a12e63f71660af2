#include "shell/Mesaje.h"

#include <cstdio>

namespace {

TMesajeConsola &Consola()
{
    static TMesajeConsola consola;
    return consola;
}

IMesaje *g_serviciu = nullptr;

void Scrie(const char *tip, const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", tip, text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

IMesaje &Mesaje()
{
    return g_serviciu ? *g_serviciu : Consola();
}

void InstaleazaMesaje(IMesaje *serviciu)
{
    g_serviciu = serviciu;
}

void TMesajeConsola::Eroare(const QString &text)
{
    Scrie("Eroare", text);
}

void TMesajeConsola::Avertizare(const QString &text)
{
    Scrie("Atentie", text);
}

void TMesajeConsola::Informare(const QString &text)
{
    Scrie("Informatie", text);
}

bool TMesajeConsola::Intrebare(const QString &text)
{
    Scrie("Intrebare (raspuns: Nu)", text);
    return false;
}
