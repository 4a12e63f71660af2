#pragma once

#include <QDialog>
#include <QString>

#include "data/UListaInregistrari.h"

class QPushButton;
class QTreeWidget;

// The listed records: the lines every record list shows.
using TLinieGenerica = TLinieInregistrare;
using TListaLiniiGenerice = TListaLiniiInregistrari;

// The records of one entity table (the institution), to add, edit and delete.
class TListaGenerica : public QDialog
{
    Q_OBJECT

public:
    explicit TListaGenerica(QWidget *parent = nullptr);

    QString Tabel;
    // (Re)fills the list from the table.
    void IncarcaLista();
    const TListaLiniiGenerice &Linii() const { return m_lista.Linii(); }

    QTreeWidget *VT;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;
    QPushButton *RzBitBtn3;

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();

private:
    int IdSelectat() const;

    TListaInregistrari m_lista;
};
