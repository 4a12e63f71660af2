#include "support/MesajeTest.h"

void TMesajeTest::Eroare(const QString &text)
{
    m_mesaje.append({Tip::Eroare, text});
}

void TMesajeTest::Avertizare(const QString &text)
{
    m_mesaje.append({Tip::Avertizare, text});
}

void TMesajeTest::Informare(const QString &text)
{
    m_mesaje.append({Tip::Informare, text});
}

bool TMesajeTest::Intrebare(const QString &text)
{
    m_mesaje.append({Tip::Intrebare, text});
    return m_raspunsuri.isEmpty() ? false : m_raspunsuri.takeFirst();
}

void TMesajeTest::Reseteaza()
{
    m_mesaje.clear();
    m_raspunsuri.clear();
}

QStringList TMesajeTest::Texte(Tip tip) const
{
    QStringList texte;
    for (const Mesaj &m : m_mesaje) {
        if (m.tip == tip)
            texte.append(m.text);
    }
    return texte;
}

TMesajeTest &MesajeTest()
{
    static TMesajeTest mesaje;
    return mesaje;
}
