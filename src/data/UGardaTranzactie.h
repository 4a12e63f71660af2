#pragma once

#include <initializer_list>
#include <vector>

class TDM;
class TQuery;

// Holds the data module's transaction Tr for one scope: rolled back when the
// scope is left without Commit(), by an early return or an exception alike.
// With Adopta a transaction the caller already holds is used as it is and
// left for the caller to end; only one this guard started is ended here.
class TGardaTranzactie
{
public:
    enum TMod { Porneste, Adopta };

    // Porneste: starts Tr, which must not be active. Adopta: starts it only
    // when it is not active.
    explicit TGardaTranzactie(TDM &dm, TMod mod = Porneste);
    ~TGardaTranzactie();
    TGardaTranzactie(const TGardaTranzactie &) = delete;
    TGardaTranzactie &operator=(const TGardaTranzactie &) = delete;

    // Commits the transaction this guard started; an adopted one stays open.
    // A failed commit throws and leaves the rollback to the destructor.
    void Commit();
    // Whether this guard started Tr (and so ends it).
    bool APornit() const { return m_aPornit; }

private:
    TDM &m_dm;
    bool m_aPornit = false;
    bool m_incheiata = false;
};

// Closes the shared statements when the scope is left, errors included: a
// routine working inside the caller's transaction must not leave one open.
class TInchideInterogari
{
public:
    TInchideInterogari(std::initializer_list<TQuery *> interogari) : m_interogari(interogari) {}
    ~TInchideInterogari();
    TInchideInterogari(const TInchideInterogari &) = delete;
    TInchideInterogari &operator=(const TInchideInterogari &) = delete;

private:
    std::vector<TQuery *> m_interogari;
};
