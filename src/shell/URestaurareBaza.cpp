#include "shell/URestaurareBaza.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"

TRestaurareBaza::TRestaurareBaza(const QList<TCopieListata> &copii, std::function<QString()> alegeFisier,
                                 QWidget *parent)
    : QDialog(parent), m_copii(copii), m_alegeFisier(std::move(alegeFisier))
{
    setObjectName(QStringLiteral("RestaurareBaza"));
    setWindowTitle(QStringLiteral("Restaurare baza de date"));
    resize(520, 360);

    auto *eticheta = new QLabel(QStringLiteral("Copiile automate ale bazei de date:"), this);
    Copii = new QTableWidget(int(copii.size()), 3, this);
    Copii->setObjectName(QStringLiteral("Copii"));
    Copii->setHorizontalHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Marime"), QStringLiteral("Candidati")});
    Copii->setSelectionBehavior(QAbstractItemView::SelectRows);
    Copii->setSelectionMode(QAbstractItemView::SingleSelection);
    Copii->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Copii->verticalHeader()->hide();
    Copii->horizontalHeader()->setStretchLastSection(true);
    const QLocale ro(QLocale::Romanian, QLocale::Romania);
    for (int r = 0; r < copii.size(); ++r) {
        const TCopieListata &c = copii[r];
        Copii->setItem(r, 0,
                       new QTableWidgetItem(c.copie.data.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))));
        Copii->setItem(r, 1, new QTableWidgetItem(ro.formattedDataSize(c.copie.marime)));
        Copii->setItem(r, 2,
                       new QTableWidgetItem(c.candidati < 0 ? QStringLiteral("nu se deschide")
                                                            : QString::number(c.candidati)));
    }
    Copii->resizeColumnsToContents();
    // The newest copy that opens is the likely choice.
    for (int r = 0; r < copii.size(); ++r) {
        if (copii[r].candidati >= 0) {
            Copii->selectRow(r);
            break;
        }
    }

    Restaureaza = new QPushButton(QStringLiteral("Restaureaza"), this);
    Restaureaza->setObjectName(QStringLiteral("Restaureaza"));
    AltFisier = new QPushButton(QStringLiteral("Alt fisier..."), this);
    AltFisier->setObjectName(QStringLiteral("AltFisier"));
    Renunt = new QPushButton(QStringLiteral("Renunt"), this);
    Renunt->setObjectName(QStringLiteral("Renunt"));
    connect(Restaureaza, &QPushButton::clicked, this,
            [this] { RuleazaActiune([this] { RestaureazaClick(); }); });
    connect(AltFisier, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { AltFisierClick(); }); });
    connect(Renunt, &QPushButton::clicked, this, &QDialog::reject);
    const auto actualizeaza = [this] {
        const int r = Copii->currentRow();
        Restaureaza->setEnabled(Copii->selectionModel()->hasSelection() && r >= 0 &&
                                m_copii[r].candidati >= 0);
    };
    connect(Copii->selectionModel(), &QItemSelectionModel::selectionChanged, this, actualizeaza);
    actualizeaza();

    auto *butoane = new QHBoxLayout;
    butoane->addWidget(AltFisier);
    butoane->addStretch();
    butoane->addWidget(Restaureaza);
    butoane->addWidget(Renunt);
    auto *asezare = new QVBoxLayout(this);
    asezare->addWidget(eticheta);
    asezare->addWidget(Copii);
    asezare->addLayout(butoane);
    CentreazaFereastra(this);
}

void TRestaurareBaza::RestaureazaClick()
{
    const int r = Copii->currentRow();
    if (r < 0 || r >= m_copii.size() || m_copii[r].candidati < 0)
        return;
    m_fisier = m_copii[r].copie.cale;
    accept();
}

void TRestaurareBaza::AltFisierClick()
{
    const QString fisier = m_alegeFisier ? m_alegeFisier() : QString();
    if (fisier.isEmpty())
        return;
    m_fisier = fisier;
    accept();
}
