#pragma once

#include <functional>

#include <QWidget>

#include "data/UReferintaCamp.h"
#include "import/UImportExcel.h"
#include "import/USursaImport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TDM;
class TListaColoaneExcel;

// What a field page needs of its wizard: the sheet read and the column picker.
class IServiciiImport
{
public:
    virtual ~IServiciiImport() = default;
    virtual TDM &Dm() = 0;
    virtual const TListaColoaneExcel &ListaColoane() const = 0;
    // Opens the picker; the letters chosen, or nothing when cancelled.
    virtual std::optional<QString> AlegeColoana() = 0;
};

// One page of the import wizard: where one field's value comes from, and
// writing it for a candidate.
class TQenExcelImportFrame : public QWidget, public ICampImport
{
    Q_OBJECT

public:
    TQenExcelImportFrame(IServiciiImport &servicii, QWidget *parent = nullptr);

    void Pregateste(const QString &referinta, const QString &eticheta);
    const QString &Referinta() const { return m_referinta; }
    const QString &CodFormular() const { return m_codFormular; }

    // The choices made on the page.
    TSursaImport Sursa() const;
    void SetSursa(const TSursaImport &sursa);
    // Ticks "NU import date pentru aceasta coloana".
    void Exclude();
    // The page check: a source that needs a column has one.
    void PaginaOkClick();

    void ScrieValoarea(int r, int idElev, const QString &cnp) override;

private:
    void ArataPagina();

    IServiciiImport &m_servicii;
    QString m_referinta;
    QString m_codFormular;
    QLabel *m_linie1;
    QLabel *m_linie2;
    QComboBox *m_fel;
    QCheckBox *m_nuImport;
    QStackedWidget *m_pagini;
    QLineEdit *m_coloana;
    QLineEdit *m_constanta;
    QLineEdit *m_fete;
    QLineEdit *m_baieti;
};
