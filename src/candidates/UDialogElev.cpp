#include "candidates/UDialogElev.h"

#include "records/UAdaugaElev.h"

bool ArataDialogElev(QWidget *owner, int idElev)
{
    TAdaugaElev dialog(owner);
    if (idElev < 0)
        dialog.PregatesteAdaugare();
    else
        dialog.PregatesteModificare(idElev);
    return dialog.exec() == QDialog::Accepted;
}
