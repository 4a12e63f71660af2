#include "comun/OprireLaSemnal.h"

#include <atomic>
#include <csignal>

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#endif

namespace {

std::atomic<bool> g_ceruta{false};

void OpresteAcum()
{
    if (QCoreApplication::instance())
        QCoreApplication::exit(0);
}

#ifdef Q_OS_WIN

std::atomic<bool> g_bucleOprite{false};

BOOL WINAPI LaEveniment(DWORD eveniment)
{
    switch (eveniment) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        g_ceruta = true;
        // The handler runs on a thread of its own: posting to the application is safe.
        if (g_bucleOprite && QCoreApplication::instance())
            QMetaObject::invokeMethod(QCoreApplication::instance(), &OpresteAcum, Qt::QueuedConnection);
        return TRUE;
    default:
        return FALSE;
    }
}

#else

// Written by the handler, read by the event loop: the only thing a signal
// handler may safely do to reach it.
int g_teava[2] = {-1, -1};

extern "C" void LaSemnal(int)
{
    g_ceruta = true;
    if (g_teava[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] const ssize_t scris = ::write(g_teava[1], &c, 1);
    }
}

bool DeschideTeava()
{
    if (g_teava[0] >= 0)
        return true;
    int capete[2];
    if (::pipe(capete) != 0)
        return false;
    for (const int capat : capete) {
        ::fcntl(capat, F_SETFD, FD_CLOEXEC);
        ::fcntl(capat, F_SETFL, ::fcntl(capat, F_GETFL) | O_NONBLOCK);
    }
    g_teava[0] = capete[0];
    g_teava[1] = capete[1];
    return true;
}

#endif

} // namespace

namespace OprireLaSemnal {

void Instaleaza()
{
#ifdef Q_OS_WIN
    SetConsoleCtrlHandler(&LaEveniment, TRUE);
#else
    DeschideTeava();
    struct sigaction actiune
    {
    };
    actiune.sa_handler = &LaSemnal;
    sigemptyset(&actiune.sa_mask);
    actiune.sa_flags = SA_RESTART;
    for (const int semnal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(semnal, &actiune, nullptr);
#endif
}

bool Ceruta()
{
    return g_ceruta;
}

void OpresteBuclele()
{
    QCoreApplication *aplicatie = QCoreApplication::instance();
    if (!aplicatie)
        return;
#ifdef Q_OS_WIN
    g_bucleOprite = true;
#else
    static QPointer<QSocketNotifier> notificare;
    if (!notificare && DeschideTeava()) {
        notificare = new QSocketNotifier(g_teava[0], QSocketNotifier::Read, aplicatie);
        QObject::connect(notificare.data(), &QSocketNotifier::activated, aplicatie, [] {
            char tampon[64];
            while (::read(g_teava[0], tampon, sizeof tampon) > 0) {
            }
            OpresteAcum();
        });
    }
#endif
    if (g_ceruta)
        QMetaObject::invokeMethod(aplicatie, &OpresteAcum, Qt::QueuedConnection);
}

void Cere()
{
#ifdef Q_OS_WIN
    LaEveniment(CTRL_C_EVENT);
#else
    LaSemnal(SIGTERM);
#endif
}

} // namespace OprireLaSemnal
