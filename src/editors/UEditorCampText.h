#pragma once

#include "editors/UEditorGeneric.h"

class QComboBox;

// The editor of free text (data type "TEXT"): an editable combo that offers
// the texts already stored for the same field; keeps 256 characters.
class TEditorCampText : public TEditorGeneric
{
    Q_OBJECT

public:
    explicit TEditorCampText(QWidget *parent = nullptr);

    QComboBox *RzComboBox1 = nullptr;

    void Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                 const QString &tabel, int idElev, int idEntitate) override;
    bool PotSalva() override;
    void Salveaza(int idElev, int idEntitate, const QString &tabel) override;
    // The caret goes to the end of the text, so that typing appends.
    void DupaAfisare() override;
};
