#include "shell/UPornireAplicatie.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "shell/CEVersionInfo.h"
#include "shell/Pozitionare.h"
#include "shell/UErrCodePage.h"
#include "shell/USplashForm.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int CodPaginaSistem()
{
#ifdef Q_OS_WIN
    return int(GetACP());
#else
    return 1250;
#endif
}

void PornireAplicatie(const QString &titlu, const TOptiuniPornire &optiuni)
{
#ifdef Q_OS_WIN
    QDir().mkpath(QStringLiteral("C:/Temp"));
#endif
    const int codPagina = optiuni.codPagina ? optiuni.codPagina() : CodPaginaSistem();
    if (codPagina != 1250) {
        TErrCodePage dialog;
        dialog.exec();
    }
    if (!optiuni.faraSplash) {
        TSplashForm splash;
        splash.SeteazaText(titlu + QStringLiteral(" - ") + TextVersiune());
        splash.exec();
    }
}

void CentreazaFereastra(QWidget *fereastra)
{
    QScreen *ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    fereastra->move(PozitieCentrata(ecran->availableGeometry(), fereastra->frameGeometry().size()));
}
