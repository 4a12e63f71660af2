#include "editors/UEditorCampSirues.h"

TEditorCampSirues::TEditorCampSirues(QWidget *parent) : TEditorCampSimplu(parent)
{}
