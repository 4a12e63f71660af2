#pragma once

#include "editors/UEditorGeneric.h"

class QLineEdit;

// A field editor over a single-line edit that takes any text: the common part
// of the CF, SIRUES, CALIFICATIV, "NOTA sau CALIFICATIV" and CNP editors.
// Stores the trimmed text cut to 64 characters and never refuses a save.
class TEditorCampSimplu : public TEditorGeneric
{
    Q_OBJECT

public:
    explicit TEditorCampSimplu(QWidget *parent = nullptr);

    QLineEdit *RzEdit1 = nullptr;

    void Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                 const QString &tabel, int idElev, int idEntitate) override;
    bool PotSalva() override;
    void Salveaza(int idElev, int idEntitate, const QString &tabel) override;
};
