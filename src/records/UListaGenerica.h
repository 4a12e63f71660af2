#pragma once

#include <vector>

#include <QDialog>
#include <QString>

class QPushButton;
class QTreeWidget;

// One listed record: its identifier and the text shown for it.
struct TLinieGenerica
{
    int Id = 0;
    QString Denumire;
};
using TListaLiniiGenerice = std::vector<TLinieGenerica>;

// The records of one entity table (the institution), to add, edit and delete.
class TListaGenerica : public QDialog
{
    Q_OBJECT

public:
    explicit TListaGenerica(QWidget *parent = nullptr);

    QString Tabel;
    // (Re)fills the list from the table.
    void IncarcaLista();
    const TListaLiniiGenerice &Linii() const { return m_linii; }

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

    TListaLiniiGenerice m_linii;
};
