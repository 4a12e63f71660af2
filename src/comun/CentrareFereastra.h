#pragma once

class QWidget;

// Centres a window on the work area of the monitor under the mouse pointer.
void CentreazaFereastra(QWidget *fereastra);
