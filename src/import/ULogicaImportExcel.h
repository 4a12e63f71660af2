#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The import wizard's page order: which page "Inainte" and "Inapoi" show,
// the forms its field pages belong to and the fields of unchecked forms that
// are passed over. The wizard's pages only show and collect.
class TLogicaImportExcel
{
public:
    enum TPagina { Introducere = 0, Fisier = 1, Cnp = 2, Final = 3, Formulare = 4, PrimulCamp = 5 };

    // The form code of every field page, in page order.
    explicit TLogicaImportExcel(QStringList formularePagini);

    // The distinct form codes, in order of first appearance.
    const QStringList &ListaFormulare() const { return m_formulare; }
    int NumarPagini() const { return PrimulCamp + int(m_formularePagini.size()); }
    // The forms checked on the forms page, by their index in ListaFormulare.
    void Bifeaza(const QList<int> &indici);
    const QStringList &FormulareBifate() const { return m_bifate; }

    // The page after `pagina` once its step is done. The field pages of
    // unchecked forms reached from a field page are passed over; their
    // indices (0-based among the field pages) are added to `excluse`.
    int Inainte(int pagina, QList<int> &excluse) const;
    static int Inapoi(int pagina);
    static bool InapoiActiv(int pagina) { return pagina > Cnp; }

private:
    QStringList m_formularePagini;
    QStringList m_formulare;
    QStringList m_bifate;
};
