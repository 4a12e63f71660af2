#include "shell/UPornireAplicatie.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTimer>


#include "comun/OprireLaSemnal.h"
#include "printing/ContextTiparire.h"
#include "printing/DispozitivProgram.h"
#include "printing/LucrareTiparire.h"
#include "printing/UAllStuffReg.h"
#include "shell/CEVersionInfo.h"
#include "shell/UCertificatAcordareMain.h"
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

namespace {

QString AlegeFisierPdf(const QString &titlu)
{
    const QString dosar = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString fisier = QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                  QStringLiteral("Salvati \"%1\" ca fisier PDF").arg(titlu),
                                                  dosar + QStringLiteral("/Certificat.pdf"),
                                                  QStringLiteral("Fisiere PDF (*.pdf)"));
    if (!fisier.isEmpty() && !fisier.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fisier += QStringLiteral(".pdf");
    return fisier;
}

} // namespace

int RuleazaFerestrele(bool doarPornire)
{
    TDispozitivProgram imprimanta(AlegeFisierPdf);
    TLucrareTiparire::SelecteazaImprimantaSalvata(imprimanta, TAllStuffReg());
    int cod = 0;
    {
        TCertificatAcordareMain principala;
        // Printing belongs to the main window; the windows it opens find it there.
        new TContextTiparire(imprimanta, &principala);
        principala.show();
        if (doarPornire)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        // A stop asked for during the start has already ended the loops that ran then.
        if (!OprireLaSemnal::Ceruta())
            cod = QApplication::exec();
    }
    return cod;
}
