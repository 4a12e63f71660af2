#include "shell/UCertificatAcordareMain.h"

#include "shell/UPornireAplicatie.h"

TCertificatAcordareMain::TCertificatAcordareMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("CertificatAcordareMain"));
    setWindowTitle(QStringLiteral("CertificatAcordareMain"));
    resize(869, 623);
    CentreazaFereastra(this);
}
