#pragma once

#include "editors/UEditorCampSimplu.h"

// The editor of a SIRUES code (data type "SIRUES"), stored exactly as typed.
class TEditorCampSirues : public TEditorCampSimplu
{
    Q_OBJECT

public:
    explicit TEditorCampSirues(QWidget *parent = nullptr);
};
