#include "records/UConfigurareDiploma.h"

#include <optional>

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "records/UModificaLinieProfil.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "comun/CentrareFereastra.h"

namespace {

// The index of the node's line in the line list.
const int kRolIndex = Qt::UserRole;

bool AceeasiLinie(const TLinieProfil &a, const TLinieProfil &b)
{
    return a.CodFormular == b.CodFormular && a.CodPagina == b.CodPagina && a.CodCamp == b.CodCamp;
}

} // namespace

TConfigurareDiploma::TConfigurareDiploma(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ConfigurareDiploma"));
    setWindowTitle(QStringLiteral("Configurare Diploma"));
    resize(640, 480);

    auto *asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(5, 5, 5, 0);
    asezare->setSpacing(0);

    VT = new QTreeWidget(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setColumnCount(3);
    VT->setHeaderLabels(
        {QStringLiteral("Eticheta editor"), QStringLiteral("Onorez similar"), QStringLiteral("Asociat cu")});
    VT->setColumnWidth(0, 256);
    VT->setColumnWidth(1, 128);
    VT->setColumnWidth(2, 128);
    VT->setRootIsDecorated(false);
    VT->setSelectionMode(QAbstractItemView::SingleSelection);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    VT->setAllColumnsShowFocus(true);
    VT->header()->setVisible(true);
    VT->header()->setSectionsMovable(true);
    VT->header()->setSectionResizeMode(QHeaderView::Interactive);
    VT->header()->setStretchLastSection(false);
    // Horizontal and vertical grid lines between the cells.
    VT->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid #d4d0c8; border-bottom: 1px solid #d4d0c8; }"));
    asezare->addWidget(VT);

    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFixedHeight(31);
    auto *bara = new QHBoxLayout(RzPanel1);
    bara->setContentsMargins(0, 3, 0, 3);
    RzBitBtn3 = new QPushButton(QStringLiteral("Modifica"), RzPanel1);
    RzBitBtn3->setObjectName(QStringLiteral("RzBitBtn3"));
    RzBitBtn3->setFixedSize(75, 25);
    bara->addWidget(RzBitBtn3);
    bara->addStretch();
    asezare->addWidget(RzPanel1);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TConfigurareDiploma::RzBitBtn3Click);
    connect(VT, &QTreeWidget::itemDoubleClicked, this, &TConfigurareDiploma::RzBitBtn3Click);

    CentreazaFereastra(this);
    RuleazaActiune([this] { IncarcaLinii(); });
}

void TConfigurareDiploma::IncarcaLinii()
{
    if (!DM || !DM->Conectat())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    TDM &dm = *DM;
    std::optional<TLinieProfil> selectata;
    if (const TLinieProfil *l = LiniaSelectata())
        selectata = *l;

    // Read whole before the list changes: a failed read leaves the list as it was.
    TListaLiniiTProfil linii;
    {
        const TGardaTranzactie garda(dm);
        linii = ProfilStocat::Linii(dm);
    }

    VT->clear();
    m_linii = std::move(linii);
    for (size_t i = 0; i < m_linii.size(); ++i) {
        const TLinieProfil &l = m_linii[i];
        auto *nod = new QTreeWidgetItem(VT, {l.EtichetaEditor, l.OnorezSimilar, l.AsociatCu});
        nod->setData(0, kRolIndex, int(i));
        if (selectata && AceeasiLinie(l, *selectata)) {
            VT->setCurrentItem(nod);
            nod->setSelected(true);
        }
    }
}

const TLinieProfil *TConfigurareDiploma::LiniaSelectata() const
{
    const QList<QTreeWidgetItem *> selectate = VT->selectedItems();
    if (selectate.isEmpty())
        return nullptr;
    const int index = selectate.first()->data(0, kRolIndex).toInt();
    if (index < 0 || size_t(index) >= m_linii.size())
        return nullptr;
    return &m_linii[size_t(index)];
}

void TConfigurareDiploma::RzBitBtn3Click()
{
    RuleazaActiune([this] {
        const TLinieProfil *selectata = LiniaSelectata();
        if (!selectata) {
            Mesaje().Informare(QStringLiteral("Va rog selectati o linie pentru a o modifica!"));
            return;
        }
        TModificaLinieProfil dialog(this);
        dialog.IncarcaLinia(selectata->CodFormular, selectata->CodPagina, selectata->CodCamp);
        if (dialog.exec() == QDialog::Accepted)
            IncarcaLinii();
    });
}
