#pragma once

#include <QObject>
#include <QPointer>

class IDispozitivImprimanta;
class TInsertPaperForm;

// What printing needs from the program: the printer in use and the one
// paper-insertion dialog, reused for every print. It belongs to the window
// that offers printing (the main window); the windows opened from there find
// it through their owners.
class TContextTiparire : public QObject
{
    Q_OBJECT

public:
    TContextTiparire(IDispozitivImprimanta &dispozitiv, QObject *proprietar = nullptr);
    ~TContextTiparire() override;

    IDispozitivImprimanta &Dispozitiv() const { return m_dispozitiv; }
    // Created on first use.
    TInsertPaperForm &DialogHartie();

    // The context of the nearest owner of the object that has one; fails with
    // a message when there is none.
    static TContextTiparire &Al(const QObject *obiect);

private:
    IDispozitivImprimanta &m_dispozitiv;
    QPointer<TInsertPaperForm> m_dialogHartie;
};
