#pragma once

#include <optional>

#include <QString>

#include "data/UReferintaCamp.h"

class TDM;

// Where the form filling takes the candidates' values and the fields' data
// types from: the data module, one lookup at a time, or values read before
// for many candidates at once (TValoriInBloc). Both give the same answers.
class ISursaValori
{
public:
    virtual ~ISursaValori() = default;
    // The candidate's value of the field, sharing and entity links honoured.
    virtual QString ValoareCamp(const TReferintaCamp &camp, int idElev) = 0;
    // The field's TIP_DE_DATE; nothing when the profile has no such field.
    virtual std::optional<QString> TipDeDate(const TReferintaCamp &camp) = 0;
};

// Every answer asked of the database when it is needed.
class TSursaValoriDm final : public ISursaValori
{
public:
    explicit TSursaValoriDm(TDM &dm) : m_dm(dm) {}
    QString ValoareCamp(const TReferintaCamp &camp, int idElev) override;
    std::optional<QString> TipDeDate(const TReferintaCamp &camp) override;

private:
    TDM &m_dm;
};
