#pragma once

#include <QDialog>

#include "controls/QenVirtualGrid.h"

class QLabel;
class QPushButton;
class TListaColoaneExcel;

// The picker's grid line: the row of the sheet it shows.
class TLinieGrid : public TQenVirtualGridLine
{
public:
    explicit TLinieGrid(int index) : Index(index) {}
    int Index;
};

// "Selectie coloana EXCEL": the sheet read, shown in a grid; a click in a
// column selects it. The selection stays from one opening to the next.
class TExcelSelectieColoana : public QDialog
{
    Q_OBJECT

public:
    explicit TExcelSelectieColoana(QWidget *parent = nullptr);

    void IncarcaColoanele(const TListaColoaneExcel *coloane);
    const QString &ColoanaSelectata() const { return m_coloanaSelectata; }
    // Selects the grid's column c, as a click in it does.
    void SelecteazaColoana(int c);

    TQenVirtualGrid *Grila() const { return m_grila; }

private:
    const TListaColoaneExcel *m_coloane = nullptr;
    QString m_coloanaSelectata;
    TQenVirtualGrid *m_grila;
    QLabel *m_eticheta;
    QLabel *m_masura;
};
