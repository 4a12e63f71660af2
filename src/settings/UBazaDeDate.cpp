#include "settings/UBazaDeDate.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "data/UDm.h"
#include "settings/SetariBazaDeDate.h"
#include "settings/StocareSetari.h"

TBazaDeDate::TBazaDeDate(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BazaDeDate"));
    setWindowTitle(QStringLiteral("Baza de date"));
    resize(560, 330);

    auto *principal = new QVBoxLayout(this);
    RadioFisier =
        new QRadioButton(QStringLiteral("Fisierul din dosarul de date al acestui calculator"), this);
    RadioFisier->setObjectName(QStringLiteral("RadioFisier"));
    RadioServer = new QRadioButton(
        QStringLiteral("O baza de date pe un server Firebird, comuna mai multor calculatoare"), this);
    RadioServer->setObjectName(QStringLiteral("RadioServer"));
    principal->addWidget(RadioFisier);
    principal->addWidget(RadioServer);

    auto *forma = new QFormLayout;
    const auto camp = [this, forma](const char *nume, const QString &eticheta) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(nume));
        forma->addRow(eticheta, edit);
        return edit;
    };
    EditServer = camp("EditServer", QStringLiteral("Server (nume sau adresa[/port]):"));
    EditServer->setPlaceholderText(QStringLiteral("de exemplu secretariat sau 192.168.1.10/3050"));
    EditCale = camp("EditCale", QStringLiteral("Baza de date pe server (cale sau nume):"));
    EditCale->setPlaceholderText(QStringLiteral("de exemplu /var/lib/firebird/3.0/data/certificate.fdb"));
    EditUtilizator = camp("EditUtilizator", QStringLiteral("Utilizator:"));
    EditParola = camp("EditParola", QStringLiteral("Parola:"));
    EditParola->setEchoMode(QLineEdit::Password);
    principal->addLayout(forma);
    auto *explicatie = new QLabel(
        QStringLiteral("Alegerea este a utilizatorului curent si se foloseste de la urmatoarea pornire a "
                       "programului. Parola se pastreaza in setarile utilizatorului, nu langa baza de date."),
        this);
    explicatie->setWordWrap(true);
    principal->addWidget(explicatie);
    principal->addStretch();

    auto *butoane = new QHBoxLayout;
    BtnIncearca = new QPushButton(QStringLiteral("Incearca legatura"), this);
    BtnIncearca->setObjectName(QStringLiteral("BtnIncearca"));
    BtnOk = new QPushButton(QStringLiteral("Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnRenunt = new QPushButton(QStringLiteral("Renunt"), this);
    BtnRenunt->setObjectName(QStringLiteral("BtnRenunt"));
    butoane->addWidget(BtnIncearca);
    butoane->addStretch();
    butoane->addWidget(BtnOk);
    butoane->addWidget(BtnRenunt);
    principal->addLayout(butoane);

    connect(RadioFisier, &QRadioButton::toggled, this, &TBazaDeDate::Activeaza);
    connect(BtnIncearca, &QPushButton::clicked, this,
            [this] { RuleazaActiune([this] { BtnIncearcaClick(); }); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { BtnOkClick(); }); });
    connect(BtnRenunt, &QPushButton::clicked, this, &QDialog::reject);

    const TConexiuneBaza salvata = SetariBazaDeDate::Citeste(StocareSetari());
    (salvata.PeServer() ? RadioServer : RadioFisier)->setChecked(true);
    EditServer->setText(salvata.Server);
    EditCale->setText(salvata.Cale);
    EditUtilizator->setText(salvata.PeServer() ? salvata.Utilizator : QStringLiteral("SYSDBA"));
    EditParola->setText(salvata.Parola);
    Activeaza();
    CentreazaFereastra(this);
}

void TBazaDeDate::Activeaza()
{
    const bool server = RadioServer->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(EditServer), static_cast<QWidget *>(EditCale),
                       static_cast<QWidget *>(EditUtilizator), static_cast<QWidget *>(EditParola),
                       static_cast<QWidget *>(BtnIncearca)})
        w->setEnabled(server);
}

TConexiuneBaza TBazaDeDate::Alegerea() const
{
    if (!RadioServer->isChecked())
        return {};
    if (EditServer->text().trimmed().isEmpty())
        throw Exceptie(QStringLiteral("Scrieti numele sau adresa serverului."));
    if (EditCale->text().trimmed().isEmpty())
        throw Exceptie(QStringLiteral("Scrieti calea sau numele bazei de date pe server."));
    if (EditUtilizator->text().trimmed().isEmpty())
        throw Exceptie(QStringLiteral("Scrieti utilizatorul serverului."));
    TConexiuneBaza c =
        TConexiuneBaza::DinText(EditServer->text().trimmed() + QLatin1Char(':') + EditCale->text().trimmed());
    c.Utilizator = EditUtilizator->text().trimmed();
    c.Parola = EditParola->text();
    return c;
}

void TBazaDeDate::BtnIncearcaClick()
{
    const TConexiuneBaza c = Alegerea();
    if (!c.PeServer())
        return;
    TDM::IncearcaConexiunea(c);
    Mesaje().Informare(
        QStringLiteral("Legatura cu baza de date de pe serverul %1 merge.").arg(c.NumeServer()));
}

void TBazaDeDate::BtnOkClick()
{
    const TConexiuneBaza c = Alegerea();
    SetariBazaDeDate::Scrie(StocareSetari(), c);
    Mesaje().Informare(QStringLiteral("Am pastrat alegerea. Programul foloseste aceasta baza de date de la "
                                      "urmatoarea pornire."));
    accept();
}
