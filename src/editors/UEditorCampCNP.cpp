#include "editors/UEditorCampCNP.h"

#include <QLineEdit>

#include "editors/UUtilitare.h"
#include "comun/Mesaje.h"

TEditorCampCNP::TEditorCampCNP(QWidget *parent) : TEditorCampSimplu(parent)
{}

bool TEditorCampCNP::PotSalva()
{
    // Checked as typed: a blank around the code makes it invalid here,
    // although the save trims it.
    if (CnpValid(RzEdit1->text()))
        return true;
    return Mesaje().Intrebare(
        QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa ontinuati?"));
}
