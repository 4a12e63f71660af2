#pragma once

#include "editors/UEditorCampSimplu.h"

// The editor of a fiscal code (data type "CF"), stored exactly as typed.
class TEditorCampCF : public TEditorCampSimplu
{
    Q_OBJECT

public:
    explicit TEditorCampCF(QWidget *parent = nullptr);
};
