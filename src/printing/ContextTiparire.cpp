#include "printing/ContextTiparire.h"

#include "comun/Exceptie.h"
#include "printing/InsertPaper.h"

TContextTiparire::TContextTiparire(IDispozitivImprimanta &dispozitiv, QObject *proprietar)
    : QObject(proprietar), m_dispozitiv(dispozitiv)
{}

TContextTiparire::~TContextTiparire()
{
    delete m_dialogHartie.data();
}

TInsertPaperForm &TContextTiparire::DialogHartie()
{
    if (!m_dialogHartie)
        m_dialogHartie = new TInsertPaperForm;
    return *m_dialogHartie;
}

TContextTiparire &TContextTiparire::Al(const QObject *obiect)
{
    for (const QObject *o = obiect; o; o = o->parent()) {
        if (auto *context = o->findChild<TContextTiparire *>(QString(), Qt::FindDirectChildrenOnly))
            return *context;
    }
    throw Exceptie(QStringLiteral("Nu este pregatita nicio imprimanta pentru aceasta fereastra."));
}
