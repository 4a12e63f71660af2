#include "records/UDialogInregistrare.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "editors/UEditorGenericComplex.h"
#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"

TDialogInregistrare::TDialogInregistrare(QWidget *parent, const QString &nume, const QString &titlu,
                                         const QSize &marime)
    : QDialog(parent)
{
    setObjectName(nume);
    setWindowTitle(titlu);
    resize(marime);
    auto *principal = new QHBoxLayout(this);
    ColoanaStanga = new QVBoxLayout;
    Editor = new TEditorGenericComplex(this);
    ColoanaStanga->addWidget(Editor, 1);
    principal->addLayout(ColoanaStanga, 1);
    auto *bara = new QVBoxLayout;
    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    bara->addWidget(RzBitBtn1);
    bara->addWidget(RzBitBtn2);
    bara->addStretch();
    principal->addLayout(bara);
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    CentreazaFereastra(this);
}

int TDialogInregistrare::SalveazaInregistrarea(const QString &tabel, int id, const QString &insereaza,
                                               const std::function<void(int id)> &salveaza)
{
    TDM &dm = *DM;
    TGardaTranzactie garda(dm);
    if (id == -1) {
        dm.Q1.SetSQL(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(tabel));
        dm.Q1.Open();
        id = dm.Q1.AsInteger(QStringLiteral("ID"));
        dm.Q1.Close();
        dm.Q1.SetSQL(insereaza);
        dm.Q1.ParamByName(QStringLiteral("id"), id);
        dm.Q1.ExecSQL();
    }
    salveaza(id);
    garda.Commit();
    return id;
}
