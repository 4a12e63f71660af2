#include "candidates/UDialogElev.h"

#include "shell/Mesaje.h"

bool ArataDialogElev(QWidget *owner, int idElev)
{
    Q_UNUSED(owner);
    Q_UNUSED(idElev);
    Mesaje().Informare(QStringLiteral("Fereastra de editare a candidatului nu este inca disponibila in aceasta "
                                      "versiune."));
    return false;
}
