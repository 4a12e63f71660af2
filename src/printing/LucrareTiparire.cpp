#include "printing/LucrareTiparire.h"

#include "forms/DirectorModificari.h"
#include "forms/DocumentFormular.h"

TLucrareTiparire::TLucrareTiparire(const TValoriSetariImprimanta &setari, bool cereExpertul)
    : m_setari(setari), m_feedMode(setari.FeedMode)
{
    if (!cereExpertul && (m_feedMode < 1 || m_feedMode > 4))
        m_feedMode = 2;
}

TSetariDispozitiv TLucrareTiparire::Foaie(bool portret)
{
    TSetariDispozitiv setari;
    setari.Orientare = portret ? TSetariDispozitiv::Portret : TSetariDispozitiv::Peisaj;
    setari.Hartie = TSetariDispozitiv::HartieA4;
    setari.Calitate = TSetariDispozitiv::CalitateInalta;
    setari.Culoare = TSetariDispozitiv::Monocrom;
    setari.DimensiuneHartiePersonalizata = false;
    return setari;
}

QString TLucrareTiparire::Titlu(int side)
{
    return side == 0 ? QStringLiteral("Diploma de examen national - fata")
                     : QStringLiteral("Diploma de examen national - verso");
}

void TLucrareTiparire::Document(IDispozitivImprimanta &dispozitiv, const QString &titlu,
                                const std::function<void()> &deseneaza)
{
    dispozitiv.IncepeDocument(titlu);
    try {
        deseneaza();
    } catch (...) {
        dispozitiv.TerminaDocument();
        throw;
    }
    dispozitiv.TerminaDocument();
}

bool TLucrareTiparire::IntoarsaImplicit(const TValoriSetariImprimanta &setari, int side)
{
    const QString ales = setari.MirrorChoice(side);
    const bool feedIntoarce = setari.FeedMode == 1 || setari.FeedMode == 3;
    return ales == QLatin1String("*") ? ((side == 1) != feedIntoarce) : ales == QLatin1String("D");
}

void TLucrareTiparire::SelecteazaImprimantaSalvata(IDispozitivImprimanta &dispozitiv,
                                                   const TValoriSetariImprimanta &setari)
{
    const int index = dispozitiv.Imprimante().indexOf(setari.PrinterName);
    if (setari.Configured && index >= 0)
        dispozitiv.SelecteazaImprimanta(index);
}

TMargini TLucrareTiparire::Margini(int side) const
{
    return side == 0 ? TMargini{m_setari.FrontLeft, m_setari.FrontTop}
                     : TMargini{m_setari.BackLeft, m_setari.BackTop};
}

int TLucrareTiparire::TiparestePaginile(IDispozitivImprimanta &dispozitiv, int numar,
                                        const std::function<TPaginaFormular &(int)> &pregateste,
                                        const std::function<bool(int)> &continua, int side, bool intoarsa,
                                        const TMargini &margini) const
{
    int tiparite = 0;
    if (numar <= 0)
        return 0;
    Document(dispozitiv, Titlu(side), [&] {
        for (int i = 0; i < numar; ++i) {
            if (i > 0) {
                if (continua && !continua(i))
                    return;
                dispozitiv.PaginaNoua();
            }
            TPaginaFormular &pagina = pregateste(i);
            if (m_feedMode >= 1 && m_feedMode <= 4 && side == 0)
                pagina.PrintAll(dispozitiv, intoarsa, DirectorModificari(), margini.Stanga, margini.Sus);
            ++tiparite;
        }
    });
    return tiparite;
}

void TLucrareTiparire::TiparesteProba(IDispozitivImprimanta &dispozitiv, TPaginaFormular &pagina, int side,
                                      bool intoarsa, const TMargini &margini) const
{
    Document(dispozitiv, Titlu(side) + QStringLiteral(" - proba"), [&] {
        pagina.PrintAll(dispozitiv, intoarsa, DirectorModificari(), margini.Stanga, margini.Sus);
        pagina.PrintProba(dispozitiv, intoarsa, margini.Stanga, margini.Sus);
    });
}

void TLucrareTiparire::TiparestePagina(IDispozitivImprimanta &dispozitiv, TPaginaFormular &pagina, int side,
                                       bool intoarsa, const TMargini &margini) const
{
    Document(dispozitiv, Titlu(side), [&] {
        if (m_feedMode >= 1 && m_feedMode <= 4 && side == 0)
            pagina.PrintAll(dispozitiv, intoarsa, DirectorModificari(), margini.Stanga, margini.Sus);
    });
}
