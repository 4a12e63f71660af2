#include "records/UAdaugaElev.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/ULegaturi.h"
#include "editors/UEditorGenericComplex.h"

namespace {
const QString kElevi = QStringLiteral("ELEVI");
}

TAdaugaElev::TAdaugaElev(QWidget *parent)
    : TDialogInregistrare(parent, QStringLiteral("AdaugaElev"), QStringLiteral("Adauga elev"),
                          QSize(760, 560))
{
    m_legaturi = new QWidget(this);
    ColoanaStanga->insertWidget(0, m_legaturi);
}

void TAdaugaElev::PregatesteAdaugare()
{
    Editor->Construieste(-1, -1, kElevi);
    ConstruiesteLegaturile();
}

void TAdaugaElev::PregatesteModificare(int id)
{
    IdElev = id;
    RetineVersiunea(kElevi, id);
    Editor->Construieste(id, -1, kElevi);
    ConstruiesteLegaturile();
}

void TAdaugaElev::Reincarca()
{
    RetineVersiunea(kElevi, IdElev);
    Editor->Reincarca();
    TDM &dm = *DM;
    const TGardaTranzactie garda(dm);
    for (QComboBox *alegere : std::as_const(m_alegeri)) {
        const QString tabel = alegere->objectName().mid(QStringLiteral("Legatura_").size());
        const std::optional<int> actuala = Legaturi::Legatura(dm, IdElev, tabel);
        alegere->setCurrentIndex(actuala ? std::max(0, alegere->findData(*actuala)) : 0);
    }
}

QComboBox *TAdaugaElev::Legatura(const QString &tabel) const
{
    return m_legaturi->findChild<QComboBox *>(QStringLiteral("Legatura_") + tabel);
}

// One choice per linked table: the current record, or the only one there is.
void TAdaugaElev::ConstruiesteLegaturile()
{
    auto *forma = new QFormLayout(m_legaturi);
    forma->setContentsMargins(0, 0, 0, 0);
    TDM &dm = *DM;
    const TGardaTranzactie garda(dm);
    for (const QString &tabel : Legaturi::TabeleLegate(dm)) {
        auto *alegere = new QComboBox(m_legaturi);
        alegere->setObjectName(QStringLiteral("Legatura_") + tabel);
        alegere->addItem(QStringLiteral("(niciuna)"), QVariant());
        const TListaLiniiInregistrari inregistrari = Legaturi::Inregistrari(dm, tabel);
        for (const TLinieInregistrare &r : inregistrari)
            alegere->addItem(r.Denumire.isEmpty() ? QStringLiteral("(fara denumire, nr. %1)").arg(r.Id)
                                                  : r.Denumire,
                             r.Id);
        const std::optional<int> actuala = IdElev >= 0 ? Legaturi::Legatura(dm, IdElev, tabel) : std::nullopt;
        if (actuala)
            alegere->setCurrentIndex(std::max(0, alegere->findData(*actuala)));
        else if (inregistrari.size() == 1)
            alegere->setCurrentIndex(1);
        const QString eticheta = tabel == QLatin1String("INSTITUTIA") ? QStringLiteral("Institutia:")
                                                                      : tabel.toLower() + QLatin1Char(':');
        forma->addRow(eticheta, alegere);
        m_alegeri.append(alegere);
    }
}

void TAdaugaElev::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_afisat) {
        m_afisat = true;
        Editor->DupaAfisare();
    }
}

void TAdaugaElev::RzBitBtn1Click()
{
    if (!Editor->PotSalva())
        return;
    IdElev = SalveazaInregistrarea(kElevi, IdElev, [this](int id) {
        Editor->Salveaza(id, -1, kElevi);
        for (QComboBox *alegere : std::as_const(m_alegeri)) {
            const QString tabel = alegere->objectName().mid(QStringLiteral("Legatura_").size());
            const QVariant ales = alegere->currentData();
            Legaturi::ScrieLegatura(*DM, id, tabel,
                                    ales.isValid() ? std::optional<int>(ales.toInt()) : std::nullopt);
        }
    });
    accept();
}
