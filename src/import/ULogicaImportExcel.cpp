#include "import/ULogicaImportExcel.h"

#include <algorithm>

TLogicaImportExcel::TLogicaImportExcel(QStringList formularePagini)
    : m_formularePagini(std::move(formularePagini))
{
    for (const QString &f : m_formularePagini) {
        if (!m_formulare.contains(f))
            m_formulare.append(f);
    }
}

void TLogicaImportExcel::Bifeaza(const QList<int> &indici)
{
    m_bifate.clear();
    for (const int i : indici)
        m_bifate.append(m_formulare.value(i));
    std::sort(m_bifate.begin(), m_bifate.end());
}

int TLogicaImportExcel::Inainte(int pagina, QList<int> &excluse) const
{
    switch (pagina) {
    case Introducere:
        return Formulare;
    case Formulare:
        return Fisier;
    case Fisier:
        return Cnp;
    case Cnp:
        // The first field page is shown even when its form is unchecked.
        return NumarPagini() > PrimulCamp ? PrimulCamp : Final;
    case Final:
        return Final;
    default:
        break;
    }
    for (int p = pagina + 1; p < NumarPagini(); ++p) {
        if (m_bifate.contains(m_formularePagini.at(p - PrimulCamp)))
            return p;
        excluse.append(p - PrimulCamp);
    }
    return Final;
}

int TLogicaImportExcel::Inapoi(int pagina)
{
    switch (pagina) {
    case Introducere:
        return Introducere;
    case Fisier:
        return Formulare;
    case Cnp:
        return Fisier;
    case Final:
        return Cnp;
    case Formulare:
        return Introducere;
    default:
        return pagina - 1;
    }
}
