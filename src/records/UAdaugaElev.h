#pragma once

#include <QList>
#include <QString>

#include "records/UDialogInregistrare.h"

class QComboBox;

// Adds or edits one candidate: the candidate's fields, and the record of
// each other entity table (the institution) the candidate belongs to.
class TAdaugaElev : public TDialogInregistrare
{
    Q_OBJECT

public:
    explicit TAdaugaElev(QWidget *parent = nullptr);

    int IdElev = -1;

    void PregatesteAdaugare();
    void PregatesteModificare(int id);

    // The choice of record for a linked table ("Legatura_<TABEL>"), or none.
    QComboBox *Legatura(const QString &tabel) const;

    void RzBitBtn1Click() override;
    void Reincarca() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ConstruiesteLegaturile();

    QWidget *m_legaturi;
    QList<QComboBox *> m_alegeri;
    bool m_afisat = false;
};
