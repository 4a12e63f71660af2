#include "editors/UEditorGenericNotaSauCalificativ.h"

TEditorGenericNotaSauCalificativ::TEditorGenericNotaSauCalificativ(QWidget *parent)
    : TEditorCampSimplu(parent)
{
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, CuloareFundalEditori());
    setPalette(paleta);
}
