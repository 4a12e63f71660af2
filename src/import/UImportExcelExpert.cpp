#include "import/UImportExcelExpert.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UImportElevi.h"
#include "data/ULegaturi.h"
#include "import/RegistruCalcul.h"
#include "import/UExcelSelectieColoana.h"
#include "import/UImportExcel.h"
#include "import/UMemorieImport.h"
#include "settings/StocareSetari.h"

namespace {

QStringList FormularePagini(const std::vector<TCampImport> &campuri)
{
    QStringList f;
    for (const TCampImport &c : campuri)
        f.append(c.Camp.CodFormular);
    return f;
}

QLabel *Text(const QString &text, QWidget *parinte, bool titlu = false)
{
    auto *l = new QLabel(text, parinte);
    l->setWordWrap(true);
    if (titlu) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// A page of the wizard: its heading and then what is added to it.
QVBoxLayout *PaginaNoua(QStackedWidget *pagini, const QString &titlu)
{
    auto *p = new QWidget(pagini);
    auto *a = new QVBoxLayout(p);
    a->addWidget(Text(titlu, p, true));
    pagini->addWidget(p);
    return a;
}

} // namespace

TImportExcelExpert::TImportExcelExpert(TDM &dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm),
      m_logica(QStringList())
{
    setObjectName(QStringLiteral("ImportExcelExpert"));
    setWindowTitle(QStringLiteral("Import de date din Excel"));
    QFont font(QStringLiteral("Arial"), 9);
    setFont(font);
    resize(665, 453);
    AlegeFisier = [this] {
        return QFileDialog::getOpenFileName(
            this, QString(), m_dosar,
            QStringLiteral(
                "Foi de calcul Excel (*.xls);;Foi de calcul Excel 2007 (*.xlsx);;Text separat prin "
                "virgula (*.csv *.txt)"),
            nullptr, QFileDialog::ReadOnly);
    };
    ConstruiestePaginile();
    // Last time's choices, for a sheet of the same shape.
    QStringList referinte;
    for (const TQenExcelImportFrame *f : m_campuri)
        referinte.append(f->Referinta());
    const MemorieImport::TAlegeri alegeri = MemorieImport::Citeste(StocareSetari(), referinte);
    m_dosar = alegeri.Dosar;
    m_coloanaCnp->setText(alegeri.ColoanaCnp);
    for (TQenExcelImportFrame *f : m_campuri) {
        if (alegeri.Surse.contains(f->Referinta()))
            f->SetSursa(alegeri.Surse.value(f->Referinta()));
    }
    CentreazaFereastra(this);
    Arata(TLogicaImportExcel::Introducere);
}

TImportExcelExpert::~TImportExcelExpert() = default;

void TImportExcelExpert::ConstruiestePaginile()
{
    auto *asezare = new QVBoxLayout(this);
    auto *antet = new QWidget(this);
    antet->setFixedHeight(55);
    antet->setAutoFillBackground(true);
    antet->setStyleSheet(QStringLiteral("background: white"));
    auto *asezareAntet = new QHBoxLayout(antet);
    auto *titlu =
        Text(QStringLiteral("Formular pentru preluarea datelor dintr-o foaie de calcul Excel"), antet, true);
    titlu->setStyleSheet(QStringLiteral("color: navy"));
    asezareAntet->addWidget(titlu);
    asezare->addWidget(antet);

    m_pagini = new QStackedWidget(this);
    m_pagini->setObjectName(QStringLiteral("PageControl1"));
    asezare->addWidget(m_pagini, 1);

    // 0: introduction.
    QVBoxLayout *a = PaginaNoua(
        m_pagini, QStringLiteral("Formular pentru preluarea datelor dintr-o foaie de calcul Excel"));
    a->addWidget(
        Text(QStringLiteral("Acesta este un formular (sau expert) pentru preluarea datelor dintr-o foaie de "
                            "calcul Excel. Preluarea datelor este un proces care necesita un minim de "
                            "cunostinte de specialitate si se poate face cu inlocuirea datelor existente sau "
                            "in completare."),
             m_pagini));
    a->addWidget(Text(
        QStringLiteral("Pentru inceput va rugam apasati butonul \"Inainte\" pentru a trece la pagina "
                       "pentru selectia fisierului XLS din care se face importul si pentru selectia foii "
                       "de calcul din respectivul fisier."),
        m_pagini));
    a->addStretch();

    // 1: file and sheet.
    a = PaginaNoua(m_pagini,
                   QStringLiteral("Va rugam specificati numele fisierului din care se va face preluarea:"));
    a->addWidget(Text(QStringLiteral("Numele fisierului:"), m_pagini));
    auto *rand = new QHBoxLayout;
    m_fisier = new QLineEdit(m_pagini);
    m_fisier->setObjectName(QStringLiteral("EdFisier"));
    m_fisier->setReadOnly(true);
    auto *cauta = new QPushButton(QStringLiteral("Cauta ..."), m_pagini);
    cauta->setObjectName(QStringLiteral("BtnCauta"));
    rand->addWidget(m_fisier);
    rand->addWidget(cauta);
    a->addLayout(rand);
    a->addWidget(Text(QStringLiteral("Numele foii de calcul de pe care se va face preluarea:"), m_pagini));
    m_foi = new QComboBox(m_pagini);
    m_foi->setObjectName(QStringLiteral("CbFoi"));
    m_foi->setEnabled(false);
    a->addWidget(m_foi);
    a->addStretch();
    connect(cauta, &QPushButton::clicked, this, [this] {
        RuleazaActiune([this] {
            const QString fisier = AlegeFisier();
            if (!fisier.isEmpty())
                DeschideFisierul(fisier);
        });
    });

    // 2: the personal code's column.
    a = PaginaNoua(m_pagini, QStringLiteral("Va rugam specificati coloana de pe care se va prelua CNP-ul"));
    a->addWidget(Text(QStringLiteral("Coloana pentru selectia CNP:"), m_pagini));
    rand = new QHBoxLayout;
    m_coloanaCnp = new QLineEdit(m_pagini);
    m_coloanaCnp->setObjectName(QStringLiteral("EdColoanaCnp"));
    m_coloanaCnp->setReadOnly(true);
    auto *alege = new QToolButton(m_pagini);
    alege->setObjectName(QStringLiteral("BtnColoanaCnp"));
    alege->setArrowType(Qt::DownArrow);
    rand->addWidget(m_coloanaCnp);
    rand->addWidget(alege);
    a->addLayout(rand);
    a->addStretch();
    connect(alege, &QToolButton::clicked, this, [this] {
        RuleazaActiune([this] {
            if (const std::optional<QString> c = AlegeColoana())
                m_coloanaCnp->setText(*c);
        });
    });

    // 3: the final page, with the institution new candidates are linked to.
    a = PaginaNoua(m_pagini, QStringLiteral("Toate datele necesare au fost identificate"));
    a->addWidget(Text(QStringLiteral("Institutia:"), m_pagini));
    m_institutia = new QComboBox(m_pagini);
    m_institutia->setObjectName(QStringLiteral("CbInstitutia"));
    m_institutia->addItem(QStringLiteral("(niciuna)"), QVariant());
    {
        const TGardaTranzactie garda(m_dm);
        for (const TLinieInregistrare &i : Legaturi::Inregistrari(m_dm, QStringLiteral("INSTITUTIA")))
            m_institutia->addItem(i.Denumire, i.Id);
    }
    if (m_institutia->count() == 2)
        m_institutia->setCurrentIndex(1);
    a->addWidget(m_institutia);
    a->addStretch();

    // 4: the forms.
    a = PaginaNoua(m_pagini, QStringLiteral("Bifati formularele (diplomele) pentru care preluati date"));
    a->addWidget(
        Text(QStringLiteral("Acest program este capabil sa tipareasca mai multe formate de diplome. Va rugam "
                            "bifati in lista de mai jos numai diplomele pentru care doriti sa preluati "
                            "efectiv date!"),
             m_pagini));
    m_formulare = new QListWidget(m_pagini);
    m_formulare->setObjectName(QStringLiteral("LstFormulare"));
    a->addWidget(m_formulare, 1);

    // 5 and up: one page per field.
    const std::vector<TCampImport> campuri = ImportElevi::CampuriDeImportat(m_dm);
    m_logica = TLogicaImportExcel(FormularePagini(campuri));
    for (const TCampImport &c : campuri) {
        auto *frame = new TQenExcelImportFrame(*this, m_pagini);
        frame->Pregateste(c.Camp.CodFormular + u'.' + c.Camp.CodPagina + u'.' + c.Camp.CodCamp, c.Eticheta);
        m_pagini->addWidget(frame);
        m_campuri.push_back(frame);
    }
    for (const QString &f : m_logica.ListaFormulare()) {
        auto *item = new QListWidgetItem(TDM::SeparaCuvinte(f), m_formulare);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    auto *butoane = new QHBoxLayout;
    butoane->addStretch();
    m_inapoi = new QPushButton(QStringLiteral("Inapoi"), this);
    m_inapoi->setObjectName(QStringLiteral("BtnInapoi"));
    m_inainte = new QPushButton(QStringLiteral("Inainte"), this);
    m_inainte->setObjectName(QStringLiteral("BtnInainte"));
    auto *renunt = new QPushButton(QStringLiteral("Renunt"), this);
    renunt->setObjectName(QStringLiteral("BtnRenunt"));
    butoane->addWidget(m_inapoi);
    butoane->addWidget(m_inainte);
    butoane->addWidget(renunt);
    asezare->addLayout(butoane);
    m_inapoi->setEnabled(false);
    connect(m_inapoi, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { Inapoi(); }); });
    connect(m_inainte, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { Inainte(); }); });
    connect(renunt, &QPushButton::clicked, this, &QDialog::reject);
}

int TImportExcelExpert::Pagina() const
{
    return m_pagini->currentIndex();
}

void TImportExcelExpert::Arata(int pagina)
{
    m_pagini->setCurrentIndex(pagina);
}

void TImportExcelExpert::Inainte()
{
    const int pagina = Pagina();
    if (pagina >= TLogicaImportExcel::PrimulCamp)
        m_campuri.at(size_t(pagina - TLogicaImportExcel::PrimulCamp))->PaginaOkClick();
    switch (pagina) {
    case TLogicaImportExcel::Cnp:
        if (m_coloanaCnp->text().isEmpty())
            throw Exceptie(
                QStringLiteral("Va rugam selectati coloana de pe care se vor prelua date pentru CNP"));
        break;
    case TLogicaImportExcel::Formulare: {
        QList<int> bifate;
        for (int i = 0; i < m_formulare->count(); ++i) {
            if (m_formulare->item(i)->checkState() == Qt::Checked)
                bifate.append(i);
        }
        if (bifate.isEmpty()) {
            Mesaje().Informare(QStringLiteral("Va rugam bifati cel putin un formular"));
            return;
        }
        m_logica.Bifeaza(bifate);
        break;
    }
    case TLogicaImportExcel::Fisier:
        if (!m_registru || m_foi->currentIndex() < 0) {
            Mesaje().Informare(
                QStringLiteral("Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe care "
                               "se va face importul"));
            return;
        }
        CitesteFoaia();
        break;
    case TLogicaImportExcel::Final:
        Importa();
        return;
    default:
        break;
    }
    QList<int> excluse;
    const int urmatoarea = m_logica.Inainte(pagina, excluse);
    for (const int i : excluse)
        m_campuri.at(size_t(i))->Exclude();
    Arata(urmatoarea);
    m_inapoi->setEnabled(TLogicaImportExcel::InapoiActiv(urmatoarea));
}

void TImportExcelExpert::Inapoi()
{
    Arata(TLogicaImportExcel::Inapoi(Pagina()));
}

void TImportExcelExpert::DeschideFisierul(const QString &fisier)
{
    m_fisier->setText(QDir::toNativeSeparators(fisier));
    m_dosar = QFileInfo(fisier).absolutePath();
    m_registru.reset();
    m_foi->clear();
    m_foi->setEnabled(false);
    m_registru = DeschideRegistrul(fisier);
    m_foi->addItems(m_registru->Foi());
    m_foi->setCurrentIndex(-1);
    m_foi->setEnabled(true);
}

void TImportExcelExpert::CitesteFoaia()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct TCursor
    {
        ~TCursor() { QApplication::restoreOverrideCursor(); }
    } cursor;
    TDomeniuFoaie domeniu(*m_registru, m_foi->currentIndex());
    ::CitesteFoaia(domeniu, m_coloane);
    m_selector = new TExcelSelectieColoana(this);
    m_selector->IncarcaColoanele(&m_coloane);
}

std::optional<QString> TImportExcelExpert::AlegeColoana()
{
    if (!m_selector)
        return std::nullopt;
    if (m_selector->exec() != QDialog::Accepted)
        return std::nullopt;
    return m_selector->ColoanaSelectata();
}

void TImportExcelExpert::Importa()
{
    std::vector<ICampImport *> campuri(m_campuri.begin(), m_campuri.end());
    const QVariant institutie = m_institutia->currentData();
    QProgressDialog progres(QString(), QStringLiteral("Opreste"), 0, qMax(1, m_coloane.NumarRanduri()), this);
    progres.setObjectName(QStringLiteral("Progres"));
    progres.setWindowTitle(windowTitle());
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(500);
    const TRezultatImport rezultat =
        ImportaRandurile(m_dm, m_coloane, m_coloanaCnp->text(), campuri,
                         institutie.isValid() ? std::optional<int>(institutie.toInt()) : std::nullopt,
                         [&progres](int r, int n) {
                             progres.setLabelText(QStringLiteral("Randul %1 din %2").arg(r + 1).arg(n));
                             progres.setValue(r);
                             QApplication::processEvents();
                             return !progres.wasCanceled();
                         });
    progres.reset();
    // A copy of the database with what came in, reported once when it fails.
    if (rezultat.Importate > 0)
        m_dm.CopieDupaImport();
    MemorieImport::TAlegeri alegeri;
    alegeri.Dosar = m_dosar;
    alegeri.ColoanaCnp = m_coloanaCnp->text();
    for (const TQenExcelImportFrame *f : m_campuri)
        alegeri.Surse.insert(f->Referinta(), f->Sursa());
    try {
        MemorieImport::Scrie(StocareSetari(), alegeri);
    } catch (const Exceptie &e) {
        // The import is done; only next time's defaults are lost.
        Mesaje().Avertizare(e.Mesaj());
    }
    Mesaje().Informare(MesajFinal(rezultat));
    accept();
}
