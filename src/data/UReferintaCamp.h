#pragma once

#include <QString>

// A field reference "FORMULAR.PAGINA.CAMP" split into its three codes: the
// one way the program names a field of the form profile and its values.
struct TReferintaCamp
{
    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
};
