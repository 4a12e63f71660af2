#include "editors/UEditorCampCalificativ.h"

TEditorCampCalificativ::TEditorCampCalificativ(QWidget *parent) : TEditorCampSimplu(parent)
{}
