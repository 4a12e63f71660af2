#include "records/UDialogInregistrare.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UTabelEntitate.h"
#include "data/UVersiuneInregistrare.h"
#include "editors/UEditorGenericComplex.h"
#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

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

int TDialogInregistrare::SalveazaInregistrarea(const QString &tabel, int id,
                                               const std::function<void(int id)> &salveaza)
{
    TDM &dm = *DM;
    const bool existenta = id != -1;
    try {
        TGardaTranzactie garda(dm);
        if (id == -1) {
            TTabelEntitate entitate(dm, tabel);
            id = entitate.IdNou();
            entitate.Insereaza(id);
        } else if (!m_versiune.isEmpty()) {
            VersiuneInregistrare::Verifica(dm, tabel, id, m_versiune);
        }
        salveaza(id);
        garda.Commit();
    } catch (const ConflictInregistrare &e) {
        // Rolled back: what the other workstation committed stays as it is.
        Reincarca();
        Mesaje().Avertizare(e.Mesaj());
        throw Anulare();
    } catch (const EroareBaza &e) {
        // A value row written at the same moment by another workstation (an import, say).
        if (e.Tip() != EroareBaza::Conflict || !existenta)
            throw;
        Reincarca();
        Mesaje().Avertizare(VersiuneInregistrare::MesajConflict(tabel));
        throw Anulare();
    }
    return id;
}

void TDialogInregistrare::RetineVersiunea(const QString &tabel, int id)
{
    m_versiune = VersiuneInregistrare::Amprenta(*DM, tabel, id);
}
