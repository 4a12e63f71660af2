#include "records/UEditeaza.h"

#include "editors/UEditorGenericComplex.h"

TEditeaza::TEditeaza(QWidget *parent)
    : TDialogInregistrare(parent, QStringLiteral("Editeaza"), QStringLiteral("Editeaza"), QSize(620, 420))
{}

void TEditeaza::PregatesteAdaugare()
{
    Editor->Construieste(-1, -1, Tabel);
}

void TEditeaza::PregatesteModificare(int id)
{
    IdInregistrare = id;
    RetineVersiunea(Tabel, id);
    Editor->Construieste(-1, id, Tabel);
}

void TEditeaza::Reincarca()
{
    RetineVersiunea(Tabel, IdInregistrare);
    Editor->Reincarca();
}

void TEditeaza::RzBitBtn1Click()
{
    if (!Editor->PotSalva())
        return;
    SalveazaInregistrarea(Tabel, IdInregistrare, [this](int id) { Editor->Salveaza(-1, id, Tabel); });
    accept();
}
