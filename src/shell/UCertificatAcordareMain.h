#pragma once

#include <QMainWindow>

// The program's main window.
class TCertificatAcordareMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCertificatAcordareMain(QWidget *parent = nullptr);
};
