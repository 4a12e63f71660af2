#pragma once

#include <QString>
#include <QtGlobal>

#include "editors/UEditorGeneric.h"

class TQenNumEdit;

// The grade field's editor (data type "NOTA"): a number edit taking grades
// from 5 to 10 with up to two decimals, stored with a decimal comma. Its
// grade parser serves printing too, without any editor.
//
// No Q_OBJECT here: UEditorCampNota.cpp (the parser) belongs to the library
// without widgets, so the widget side lives in UEditorCampNotaEditor.cpp and
// nothing of it may need a meta-object compiled there.
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

    // A stored grade text ("9,63") as a fixed-point value counting
    // ten-thousandths (96300). Digits before the first "," or "." form the
    // integer part, digits after it the first two decimals, digits after a
    // further separator are dropped; every other character is ignored. An
    // integer part beyond 2147483647 counts as 0. Never fails.
    static qint64 NotaDinText(const QString &text);
};
