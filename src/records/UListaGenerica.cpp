#include "records/UListaGenerica.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "records/UEditeaza.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "comun/CentrareFereastra.h"

TListaGenerica::TListaGenerica(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ListaGenerica"));
    setWindowTitle(QStringLiteral("Lista generica"));
    resize(784, 446);
    auto *principal = new QVBoxLayout(this);
    VT = new QTreeWidget(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setHeaderLabels({QStringLiteral("Denumire")});
    VT->header()->resizeSection(0, 512);
    VT->header()->setSectionsMovable(true);
    VT->setRootIsDecorated(false);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    principal->addWidget(VT, 1);
    auto *bara = new QHBoxLayout;
    const auto buton = [&](const char *nume, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(nume));
        bara->addWidget(b);
        return b;
    };
    RzBitBtn1 = buton("RzBitBtn1", QStringLiteral("Adauga"));
    RzBitBtn2 = buton("RzBitBtn2", QStringLiteral("Modifica"));
    RzBitBtn3 = buton("RzBitBtn3", QStringLiteral("Sterge"));
    bara->addStretch();
    principal->addLayout(bara);
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn2Click(); }); });
    connect(RzBitBtn3, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn3Click(); }); });
    connect(VT, &QTreeWidget::itemDoubleClicked, this, [this] { RuleazaActiune([this] { RzBitBtn2Click(); }); });
    CentreazaFereastra(this);
}

int TListaGenerica::IdSelectat() const
{
    const QList<QTreeWidgetItem *> selectate = VT->selectedItems();
    return selectate.isEmpty() ? -1 : selectate.first()->data(0, Qt::UserRole).toInt();
}

void TListaGenerica::IncarcaLista()
{
    VT->clear();
    m_lista.Goleste();
    const TClasaListaProfilDiploma *profil = Inregistrari().Profil();
    const QString expresie = profil ? profil->ListaCampuriGeneric() : QString();
    m_lista.Incarca(*DM, Tabel, expresie);
    for (const TLinieGenerica &l : m_lista.Linii()) {
        auto *nod = new QTreeWidgetItem(VT, {l.Denumire});
        nod->setData(0, Qt::UserRole, l.Id);
    }
}

void TListaGenerica::RzBitBtn1Click()
{
    TEditeaza dialog(this);
    dialog.Tabel = Tabel;
    dialog.PregatesteAdaugare();
    if (dialog.exec() == QDialog::Accepted)
        IncarcaLista();
}

void TListaGenerica::RzBitBtn2Click()
{
    if (VT->selectedItems().isEmpty()) {
        Mesaje().Informare(QStringLiteral("Va rog selectati o linie!"));
        return;
    }
    const int id = IdSelectat();
    TEditeaza dialog(this);
    dialog.Tabel = Tabel;
    dialog.PregatesteModificare(id);
    if (dialog.exec() == QDialog::Accepted)
        IncarcaLista();
}

void TListaGenerica::RzBitBtn3Click()
{
    if (VT->selectedItems().isEmpty()) {
        Mesaje().Informare(QStringLiteral("Va rog selectati un elev!"));
        return;
    }
    if (!Mesaje().Intrebare(QStringLiteral("Doriti sa stergeti linia: ")))
        return;
    m_lista.Sterge(*DM, Tabel, IdSelectat());
    IncarcaLista();
}
