#include "editors/UEditorGeneric.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

namespace {

TDM &ModululDeDate()
{
    if (!DM)
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    return *DM;
}

QWidget *Margine(QWidget *parinte, int latime, int inaltime)
{
    auto *panou = new QWidget(parinte);
    panou->setAutoFillBackground(true);
    QPalette paleta = panou->palette();
    paleta.setColor(QPalette::Window, CuloareFundalEditori());
    panou->setPalette(paleta);
    if (latime >= 0)
        panou->setFixedWidth(latime);
    if (inaltime >= 0)
        panou->setFixedHeight(inaltime);
    return panou;
}

} // namespace

QColor CuloareFundalEditori()
{
    return QColor(247, 246, 245);
}

TEditorGeneric::TEditorGeneric(QWidget *parent) : QFrame(parent)
{
    resize(420, 117);
}

void TEditorGeneric::Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                             const QString &tabel, int idElev, int idEntitate)
{
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    Tabel = tabel;
    IdElev = idElev;
    IdEntitate = idEntitate;
}

bool TEditorGeneric::PotSalva()
{
    Mesaje().Avertizare(QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ") +
                        QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::Salveaza(int, int, const QString &)
{}

void TEditorGeneric::DupaAfisare()
{}

TReferintaCamp TEditorGeneric::Coduri() const
{
    return {CodFormular, CodPagina, CodCamp};
}

std::optional<QString> TEditorGeneric::CitesteValoare() const
{
    return StocareValori::Citeste(ModululDeDate(), Coduri(), Tabel,
                                  StocareValori::IdSelectat(Tabel, IdElev, IdEntitate));
}

void TEditorGeneric::ScrieValoare(const QString &text, int lungime, int idElev, int idEntitate,
                                  const QString &tabel) const
{
    StocareValori::Scrie(ModululDeDate(), Coduri(), tabel,
                         StocareValori::IdSelectat(tabel, idElev, idEntitate),
                         StocareValori::TextDeSalvat(text, lungime));
}

void TEditorGeneric::AsazaControlul(QWidget *control)
{
    setFixedHeight(36);
    auto *vertical = new QVBoxLayout(this);
    vertical->setContentsMargins(0, 0, 0, 0);
    vertical->setSpacing(0);
    auto *orizontal = new QHBoxLayout;
    orizontal->setContentsMargins(0, 0, 0, 0);
    orizontal->setSpacing(0);
    vertical->addLayout(orizontal, 1);
    vertical->addWidget(Margine(this, -1, 2));

    auto *centru = new QWidget(this);
    centru->setObjectName(QStringLiteral("PanelCentru"));
    orizontal->addWidget(Margine(this, 8, -1));
    orizontal->addWidget(centru, 1);
    orizontal->addWidget(Margine(this, 4, -1));

    auto *coloana = new QVBoxLayout(centru);
    coloana->setContentsMargins(0, 0, 0, 0);
    coloana->setSpacing(0);
    RzLabel1 = new QLabel(QStringLiteral("RzLabel1"), centru);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setFixedHeight(13);
    RzLabel1->setAutoFillBackground(true);
    QPalette paleta = RzLabel1->palette();
    paleta.setColor(QPalette::Window, CuloareFundalEditori());
    RzLabel1->setPalette(paleta);
    coloana->addWidget(RzLabel1);
    control->setParent(centru);
    control->setFixedHeight(21);
    coloana->addWidget(control);
}

TEditorGeneric *TListaEditorGeneric::Items(int index) const
{
    if (index < 0 || index >= m_editori.size())
        throw Exceptie(QStringLiteral("Indexul %1 este in afara listei de editori.").arg(index));
    auto *editor = qobject_cast<TEditorGeneric *>(m_editori.at(index).data());
    if (!editor)
        throw Exceptie(
            QStringLiteral("Conversie invalida: elementul %1 nu este un editor de camp.").arg(index));
    return editor;
}
