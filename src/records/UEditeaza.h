#pragma once

#include <QString>

#include "records/UDialogInregistrare.h"

// Adds or edits one record of an entity table other than the candidates'.
class TEditeaza : public TDialogInregistrare
{
    Q_OBJECT

public:
    explicit TEditeaza(QWidget *parent = nullptr);

    QString Tabel;
    int IdInregistrare = -1;

    void PregatesteAdaugare();
    void PregatesteModificare(int id);

    void RzBitBtn1Click() override;
    void Reincarca() override;
};
