#pragma once

#include <QFrame>
#include <QString>

#include "editors/UEditorGeneric.h"

class QTabWidget;
class QWidget;

// A row of a group in which several field editors stand side by side,
// sharing the row's width in proportion to their suggested widths.
class TLinieGrupare : public QFrame
{
    Q_OBJECT

public:
    explicit TLinieGrupare(QWidget *parent = nullptr);

    TListaEditorGeneric Editori;

    // Puts the editor at the right end of the row.
    void Adauga(TEditorGeneric *editor);
    // Each editor gets width × its suggested width / their sum, at least 16
    // pixels; when the suggested widths add up to nothing they share equally.
    void RecalculeazaLatimile();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

// The editors of one entity table's record, built from the form profile:
// one page per form, framed groups, side-by-side rows. Validates and saves
// them all through the editor contract.
class TEditorGenericComplex : public QFrame
{
    Q_OBJECT

public:
    explicit TEditorGenericComplex(QWidget *parent = nullptr);

    QTabWidget *PC = nullptr;
    TListaEditorGeneric Editori;

    // Builds and loads the editors of `tabel` for the record chosen as the
    // editors choose it (-1: a record not created yet). Runs its own read
    // transaction; none may be active.
    void Construieste(int idElev, int idEntitate, const QString &tabel);
    // Loads every editor's value again from the database, in a read
    // transaction of its own; none may be active.
    void Reincarca();
    // Asks the editors in creation order and stops at the first refusal.
    bool PotSalva();
    // Saves every editor; the caller's transaction must be active.
    void Salveaza(int idElev, int idEntitate, const QString &tabel);
    void DupaAfisare();

    // The caption of the page of a form code: the code split before its
    // capitals, wrapped at a blank once more than 10 characters stand.
    static QString TitluPagina(const QString &codFormular);
    // Letters only, in lower case: pages whose captions share it are one.
    static QString CheiePagina(const QString &titlu);
};
