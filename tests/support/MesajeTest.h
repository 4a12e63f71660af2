#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "comun/Mesaje.h"

// The message service of the tests: records every message and answers the
// questions from a queue the test fills (an empty queue answers "Nu").
class TMesajeTest : public IMesaje
{
public:
    enum class Tip { Eroare, Avertizare, Informare, Intrebare };
    struct Mesaj
    {
        Tip tip;
        QString text;
    };

    void Eroare(const QString &text) override;
    void Avertizare(const QString &text) override;
    void Informare(const QString &text) override;
    bool Intrebare(const QString &text) override;

    void Reseteaza();
    void Raspunde(bool da) { m_raspunsuri.append(da); }

    const QList<Mesaj> &Mesaje() const { return m_mesaje; }
    QStringList Texte(Tip tip) const;

private:
    QList<Mesaj> m_mesaje;
    QList<bool> m_raspunsuri;
};

// The instance installed for every test.
TMesajeTest &MesajeTest();
