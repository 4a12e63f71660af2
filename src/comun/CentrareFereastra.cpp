#include "comun/CentrareFereastra.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "comun/Pozitionare.h"

void CentreazaFereastra(QWidget *fereastra)
{
    QScreen *ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    fereastra->move(PozitieCentrata(ecran->availableGeometry(), fereastra->frameGeometry().size()));
}
