#pragma once

#include "editors/UEditorCampSimplu.h"

// The editor of a qualifier (data type "CALIFICATIV"), stored exactly as typed.
class TEditorCampCalificativ : public TEditorCampSimplu
{
    Q_OBJECT

public:
    explicit TEditorCampCalificativ(QWidget *parent = nullptr);
};
