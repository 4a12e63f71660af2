#include "import/UQenExcelImportFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "data/UImportElevi.h"
#include "import/UColoaneExcel.h"

namespace {

QLabel *Titlu(const QString &text, QWidget *parinte)
{
    auto *l = new QLabel(text, parinte);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: maroon"));
    return l;
}

QLineEdit *Camp(const char *nume, QWidget *parinte)
{
    auto *e = new QLineEdit(parinte);
    e->setObjectName(QLatin1String(nume));
    return e;
}

} // namespace

TQenExcelImportFrame::TQenExcelImportFrame(IServiciiImport &servicii, QWidget *parent)
    : QWidget(parent), m_servicii(servicii)
{
    resize(620, 379);
    auto *asezare = new QVBoxLayout(this);
    asezare->addWidget(Titlu(QStringLiteral("Va rugam specificati coloana de pe care se va prelua:"), this));
    m_linie1 = Titlu(QString(), this);
    m_linie1->setObjectName(QStringLiteral("LblReferinta"));
    m_linie2 = Titlu(QString(), this);
    m_linie2->setObjectName(QStringLiteral("LblEticheta"));
    asezare->addWidget(m_linie1);
    asezare->addWidget(m_linie2);
    asezare->addWidget(new QLabel(QStringLiteral("Cum generez date pentru aceasta coloana:"), this));
    m_fel = new QComboBox(this);
    m_fel->setObjectName(QStringLiteral("CbSursa"));
    m_fel->addItems({QStringLiteral("Preiau direct dintr-o coloana Excel"),
                     QStringLiteral("Valoare constanta pentru toate diplomele"),
                     QStringLiteral("Valoare derivata din CNP-ul elevului"),
                     QStringLiteral("Preiau prima parte a numelui din coloana Excel"),
                     QStringLiteral("Preiau a doua parte a numelui din coloana Excel")});
    asezare->addWidget(m_fel);
    m_nuImport = new QCheckBox(QStringLiteral("NU import date pentru aceasta coloana"), this);
    m_nuImport->setObjectName(QStringLiteral("NuImport"));
    asezare->addWidget(m_nuImport);

    m_pagini = new QStackedWidget(this);
    m_pagini->setObjectName(QStringLiteral("PaginiSursa"));
    {
        auto *p = new QWidget(m_pagini);
        auto *a = new QVBoxLayout(p);
        a->addWidget(new QLabel(QStringLiteral("Coloana pentru preluarea acestui camp de date:"), p));
        auto *rand = new QHBoxLayout;
        m_coloana = Camp("EdColoana", p);
        m_coloana->setReadOnly(true);
        auto *buton = new QToolButton(p);
        buton->setObjectName(QStringLiteral("BtnColoana"));
        buton->setArrowType(Qt::DownArrow);
        rand->addWidget(m_coloana);
        rand->addWidget(buton);
        a->addLayout(rand);
        a->addStretch();
        connect(buton, &QToolButton::clicked, this, [this] {
            RuleazaActiune([this] {
                if (const std::optional<QString> c = m_servicii.AlegeColoana())
                    m_coloana->setText(*c);
            });
        });
        m_pagini->addWidget(p);
    }
    {
        auto *p = new QWidget(m_pagini);
        auto *a = new QVBoxLayout(p);
        a->addWidget(new QLabel(QStringLiteral("Ce scriu in aceasta coloana:"), p));
        m_constanta = Camp("EdConstanta", p);
        a->addWidget(m_constanta);
        a->addStretch();
        m_pagini->addWidget(p);
    }
    {
        auto *p = new QWidget(m_pagini);
        auto *a = new QVBoxLayout(p);
        a->addWidget(new QLabel(QStringLiteral("Ce scriu pentru fete (prima cifra din CNP=2)"), p));
        m_fete = Camp("EdFete", p);
        a->addWidget(m_fete);
        a->addWidget(new QLabel(QStringLiteral("Ce scriu pentru baieti (prima cifra din CNP=1)"), p));
        m_baieti = Camp("EdBaieti", p);
        a->addWidget(m_baieti);
        a->addStretch();
        m_pagini->addWidget(p);
    }
    asezare->addWidget(m_pagini, 1);
    auto *paginaOk = new QPushButton(this);
    paginaOk->setObjectName(QStringLiteral("PaginaOk"));
    paginaOk->hide();
    connect(paginaOk, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { PaginaOkClick(); }); });

    connect(m_fel, &QComboBox::currentIndexChanged, this, &TQenExcelImportFrame::ArataPagina);
    connect(m_nuImport, &QCheckBox::toggled, this, [this](bool bifat) {
        m_pagini->setVisible(!bifat);
        m_fel->setEnabled(!bifat);
    });
}

void TQenExcelImportFrame::Pregateste(const QString &referinta, const QString &eticheta)
{
    m_referinta = referinta;
    m_codFormular = TDM::ParseCamp(referinta).CodFormular;
    m_linie1->setText(TDM::SeparaCuvinte(referinta));
    m_linie2->setText(eticheta);
    m_fel->setCurrentIndex(0);
    m_pagini->setCurrentIndex(0);
}

void TQenExcelImportFrame::ArataPagina()
{
    const int fel = m_fel->currentIndex();
    m_pagini->setCurrentIndex(fel == TSursaImport::Constanta ? 1 : fel == TSursaImport::DupaCnp ? 2 : 0);
}

TSursaImport TQenExcelImportFrame::Sursa() const
{
    TSursaImport s;
    s.Fel = m_fel->currentIndex();
    s.Coloana = m_coloana->text();
    s.TextConstant = m_constanta->text();
    s.Fete = m_fete->text();
    s.Baieti = m_baieti->text();
    s.Exclus = m_nuImport->isChecked();
    return s;
}

void TQenExcelImportFrame::SetSursa(const TSursaImport &sursa)
{
    m_fel->setCurrentIndex(sursa.Fel >= 0 && sursa.Fel < m_fel->count() ? sursa.Fel : 0);
    m_coloana->setText(sursa.Coloana);
    m_constanta->setText(sursa.TextConstant);
    m_fete->setText(sursa.Fete);
    m_baieti->setText(sursa.Baieti);
    m_nuImport->setChecked(sursa.Exclus);
}

void TQenExcelImportFrame::Exclude()
{
    m_nuImport->setChecked(true);
}

void TQenExcelImportFrame::PaginaOkClick()
{
    const TSursaImport s = Sursa();
    if (!s.Exclus && s.CereColoana() && s.Coloana.isEmpty())
        throw Exceptie(QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
}

void TQenExcelImportFrame::ScrieValoarea(int r, int idElev, const QString &cnp)
{
    if (m_nuImport->isChecked())
        return;
    TCampDinSursa(m_servicii.Dm(), m_servicii.ListaColoane(), TDM::ParseCamp(m_referinta), Sursa())
        .ScrieValoarea(r, idElev, cnp);
}
