#include "editors/UFrmGrup.h"

#include <QLabel>
#include <QVBoxLayout>

#include "editors/UEditorGeneric.h"
#include "comun/Exceptie.h"

TFrmGrup::TFrmGrup(QWidget *parent) : QFrame(parent)
{
    auto *strat = new QVBoxLayout(this);
    strat->setContentsMargins(0, 0, 0, 0);
    strat->setSpacing(0);

    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setStyleSheet(
        QStringLiteral("#RzPanel1 { border: 4px solid rgb(247,246,245); border-radius: 6px; }"));
    strat->addWidget(RzPanel1);

    auto *stratPanou = new QVBoxLayout(RzPanel1);
    stratPanou->setContentsMargins(4, 4, 4, 4);
    stratPanou->setSpacing(0);

    EtichetaGrup = new QLabel(RzPanel1);
    EtichetaGrup->setObjectName(QStringLiteral("EtichetaGrup"));
    EtichetaGrup->setFixedHeight(18);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    EtichetaGrup->setFont(font);
    EtichetaGrup->setAutoFillBackground(true);
    QPalette paleta = EtichetaGrup->palette();
    paleta.setColor(QPalette::Window, CuloareFundalEditori());
    paleta.setColor(QPalette::WindowText, QColor(0, 0, 128));
    EtichetaGrup->setPalette(paleta);
    stratPanou->addWidget(EtichetaGrup);

    PanelSuport = new QWidget(RzPanel1);
    PanelSuport->setObjectName(QStringLiteral("PanelSuport"));
    PanelSuport->setAutoFillBackground(true);
    QPalette paletaSuport = PanelSuport->palette();
    paletaSuport.setColor(QPalette::Window, CuloareFundalEditori());
    PanelSuport->setPalette(paletaSuport);
    auto *stratSuport = new QVBoxLayout(PanelSuport);
    stratSuport->setContentsMargins(0, 0, 0, 0);
    stratSuport->setSpacing(0);
    stratSuport->setAlignment(Qt::AlignTop);
    stratPanou->addWidget(PanelSuport, 1);
}

void TFrmGrup::Adauga(QWidget *control)
{
    control->setParent(PanelSuport);
    PanelSuport->layout()->addWidget(control);
    control->show();
}

void TFrmGrup::PotrivesteInaltimea()
{
    int inaltime = 0;
    for (QWidget *copil : PanelSuport->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        inaltime += copil->height();
    setFixedHeight(inaltime + EtichetaGrup->height() + 16);
}

TFrmGrup *TListaFrmGrup::Items(int index) const
{
    if (index < 0 || index >= m_grupuri.size() || !m_grupuri.at(index))
        throw Exceptie(QStringLiteral("Indexul %1 este in afara listei de grupuri.").arg(index));
    return m_grupuri.at(index);
}
