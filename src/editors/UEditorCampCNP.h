#pragma once

#include "editors/UEditorCampSimplu.h"

// The editor of a personal numeric code (data type "CNP"): an invalid code
// is saved only when the user confirms it.
class TEditorCampCNP : public TEditorCampSimplu
{
    Q_OBJECT

public:
    explicit TEditorCampCNP(QWidget *parent = nullptr);

    bool PotSalva() override;
};
