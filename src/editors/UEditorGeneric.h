#pragma once

#include <optional>

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>

#include "data/UReferintaCamp.h"
#include "data/UStocareValori.h"

class QLabel;

// The base of every field editor: a frame bound to one field (its three
// codes) and one record of one entity table, driven through four operations
// by the composite editor. It reads and writes the field's value row.
class TEditorGeneric : public QFrame
{
    Q_OBJECT

public:
    explicit TEditorGeneric(QWidget *parent = nullptr);

    QString CodFormular;
    QString CodPagina;
    QString CodCamp;
    QString Tabel;
    int IdElev = -1;
    int IdEntitate = -1;
    int LatimeSugerata = 0;

    // The caption of the field, set by the composite editor; null in the base.
    QLabel *RzLabel1 = nullptr;

    // Binds the editor and loads its value; the base only remembers the binding.
    virtual void Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                         const QString &tabel, int idElev, int idEntitate);
    // Whether the input may be saved; the base warns and refuses.
    virtual bool PotSalva();
    // Writes the input for the record given here; the base writes nothing.
    virtual void Salveaza(int idElev, int idEntitate, const QString &tabel);
    // Run once after the owning dialog is first shown.
    virtual void DupaAfisare();

protected:
    // The edited field.
    TReferintaCamp Coduri() const;
    // The stored text of the bound record; nothing when none is stored.
    std::optional<QString> CitesteValoare() const;
    // Writes the text, trimmed and cut to `lungime` characters.
    void ScrieValoare(const QString &text, int lungime, int idElev, int idEntitate,
                      const QString &tabel) const;
    // The common layout of the typed editors: margins, the caption on top and
    // the input control under it, 36 pixels in all.
    void AsazaControlul(QWidget *control);
};

// The editors of one composite editor or row, in creation order; it does not
// own them (their window does).
class TListaEditorGeneric
{
public:
    void Add(TEditorGeneric *editor) { m_editori.append(editor); }
    int Count() const { return int(m_editori.size()); }
    // Fails when the item is gone or is not a field editor.
    TEditorGeneric *Items(int index) const;
    TEditorGeneric *operator[](int index) const { return Items(index); }

private:
    QList<QPointer<QObject>> m_editori;
};

// The background of the editors' margins and of the composite editor.
QColor CuloareFundalEditori();
