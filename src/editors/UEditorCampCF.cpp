#include "editors/UEditorCampCF.h"

TEditorCampCF::TEditorCampCF(QWidget *parent) : TEditorCampSimplu(parent)
{}
