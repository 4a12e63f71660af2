#pragma once

#include "comun/Mesaje.h"

class QWidget;

// Messages in message boxes over the active window.
class TMesajeDialog : public IMesaje
{
public:
    void Eroare(const QString &text) override;
    void Avertizare(const QString &text) override;
    void Informare(const QString &text) override;
    bool Intrebare(const QString &text) override;
};
