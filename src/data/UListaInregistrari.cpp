#include "data/UListaInregistrari.h"

#include <algorithm>

#include "data/UGardaTranzactie.h"
#include "data/UTabelEntitate.h"

void TListaInregistrari::Incarca(TDM &dm, const QString &tabel, const QString &expresie)
{
    m_linii.clear();
    TListaLiniiInregistrari linii;
    {
        // A list only reads: the guard rolls back.
        const TGardaTranzactie garda(dm);
        TTabelEntitate entitate(dm, tabel);
        const QList<int> iduri = entitate.Iduri();
        const QStringList texte = entitate.Denumiri(expresie, iduri);
        linii.reserve(iduri.size());
        for (qsizetype i = 0; i < iduri.size(); ++i)
            linii.push_back({iduri.at(i), texte.at(i)});
    }
    m_linii = std::move(linii);
}

void TListaInregistrari::Sterge(TDM &dm, const QString &tabel, int id)
{
    TGardaTranzactie garda(dm);
    TTabelEntitate(dm, tabel).Sterge(id);
    garda.Commit();
    m_linii.erase(std::remove_if(m_linii.begin(), m_linii.end(),
                                 [id](const TLinieInregistrare &l) { return l.Id == id; }),
                  m_linii.end());
}
