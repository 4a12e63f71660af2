#include "data/UGardaTranzactie.h"

#include "data/UDm.h"

TGardaTranzactie::TGardaTranzactie(TDM &dm, TMod mod) : m_dm(dm)
{
    if (mod == Adopta && m_dm.Tr.InTransaction())
        return;
    m_dm.Tr.StartTransaction();
    m_aPornit = true;
}

TGardaTranzactie::~TGardaTranzactie()
{
    if (!m_aPornit || m_incheiata || !m_dm.Tr.InTransaction())
        return;
    // Already on the way out, perhaps because of an error: a failing rollback
    // has nobody left to report to, and Tr counts as ended either way.
    try {
        m_dm.Tr.Rollback();
    } catch (...) {
    }
}

void TGardaTranzactie::Commit()
{
    if (!m_aPornit || m_incheiata)
        return;
    m_dm.Tr.Commit();
    m_incheiata = true;
}

TInchideInterogari::~TInchideInterogari()
{
    for (TQuery *q : m_interogari)
        q->Close();
}
