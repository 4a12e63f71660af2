#include "data/UTabele.h"

void TListaLiniiTabel::AdaugaTabel(const QString &numeTabel, const QString &expDenumire)
{
    m_linii.push_back({numeTabel, expDenumire});
}
