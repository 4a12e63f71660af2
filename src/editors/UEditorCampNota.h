#pragma once

#include <QString>
#include <QtGlobal>

#include "editors/NotaText.h"
#include "editors/UEditorGeneric.h"

class TQenNumEdit;

// The grade field's editor (data type "NOTA"): a number edit taking grades
// from 5 to 10 with up to two decimals, stored with a decimal comma.
class TEditorCampNota : public TEditorGeneric
{
public:
    explicit TEditorCampNota(QWidget *parent = nullptr);

    TQenNumEdit *QenNumEdit1 = nullptr;

    void Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                 const QString &tabel, int idElev, int idEntitate) override;
    // An empty grade, or one from 5 to 10 (both included).
    bool PotSalva() override;
    void Salveaza(int idElev, int idEntitate, const QString &tabel) override;

    // The grade parser (NotaText.h), which printing uses without any editor.
    static qint64 NotaDinText(const QString &text) { return ::NotaDinText(text); }
};
