#pragma once

#include "editors/UEditorCampSimplu.h"

// The editor of a grade or a qualifier (data type "NOTA sau CALIFICATIV"), stored as typed.
class TEditorGenericNotaSauCalificativ : public TEditorCampSimplu
{
    Q_OBJECT

public:
    explicit TEditorGenericNotaSauCalificativ(QWidget *parent = nullptr);
};
