#include "comun/Mesaje.h"

#include <cstdio>

#include <QCoreApplication>
#include <QMetaObject>

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

void IMesaje::EroareAmanata(const QString &text)
{
    QCoreApplication *aplicatie = QCoreApplication::instance();
    if (!aplicatie) {
        Eroare(text);
        return;
    }
    // The service in use when the loop gets to it, not this one: it may be gone by then.
    QMetaObject::invokeMethod(aplicatie, [text] { Mesaje().Eroare(text); }, Qt::QueuedConnection);
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

void TMesajeConsola::EroareAmanata(const QString &text)
{
    Eroare(text);
}

bool TMesajeConsola::Intrebare(const QString &text)
{
    Scrie("Intrebare (raspuns: Nu)", text);
    return false;
}
