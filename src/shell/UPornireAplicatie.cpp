#include "shell/UPornireAplicatie.h"

#include <QDir>


#include "shell/CEVersionInfo.h"
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
