#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QDialog>

#include "import/UColoaneExcel.h"
#include "import/ULogicaImportExcel.h"
#include "import/UQenExcelImportFrame.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class IRegistruCalcul;
class TDM;
class TExcelSelectieColoana;

// "Import de date din Excel": a file and its sheet, the column of the
// personal code, one page per candidate field, the forms to take data for,
// then the import. Its decisions live in TLogicaImportExcel and the import
// in ImportaRandurile; the pages show and collect.
class TImportExcelExpert : public QDialog, public IServiciiImport
{
    Q_OBJECT

public:
    TImportExcelExpert(TDM &dm, QWidget *parent = nullptr);
    ~TImportExcelExpert() override;

    // The steps of the buttons; a failing step raises and leaves the page as it is.
    void Inainte();
    void Inapoi();
    // Opens the file and lists its sheets, as "Cauta ..." does once the file is chosen.
    void DeschideFisierul(const QString &fisier);
    // Asks for the file to open; an empty text cancels. A file dialog unless replaced.
    std::function<QString()> AlegeFisier;

    int Pagina() const;
    const std::vector<TQenExcelImportFrame *> &Campuri() const { return m_campuri; }
    TExcelSelectieColoana *SelectorColoana() const { return m_selector; }
    const TLogicaImportExcel &Logica() const { return m_logica; }

    TDM &Dm() override { return m_dm; }
    const TListaColoaneExcel &ListaColoane() const override { return m_coloane; }
    std::optional<QString> AlegeColoana() override;

private:
    void ConstruiestePaginile();
    void CitesteFoaia();
    void Importa();
    void Arata(int pagina);

    TDM &m_dm;
    TLogicaImportExcel m_logica;
    QString m_dosar;
    std::unique_ptr<IRegistruCalcul> m_registru;
    TListaColoaneExcel m_coloane;
    TExcelSelectieColoana *m_selector = nullptr;
    std::vector<TQenExcelImportFrame *> m_campuri;
    QStackedWidget *m_pagini = nullptr;
    QPushButton *m_inapoi = nullptr;
    QPushButton *m_inainte = nullptr;
    QLineEdit *m_fisier = nullptr;
    QComboBox *m_foi = nullptr;
    QLineEdit *m_coloanaCnp = nullptr;
    QListWidget *m_formulare = nullptr;
    QComboBox *m_institutia = nullptr;
};
