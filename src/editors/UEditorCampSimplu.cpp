#include "editors/UEditorCampSimplu.h"

#include <QLineEdit>

TEditorCampSimplu::TEditorCampSimplu(QWidget *parent) : TEditorGeneric(parent)
{
    RzEdit1 = new QLineEdit(this);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setFrame(true);
    AsazaControlul(RzEdit1);
}

void TEditorCampSimplu::Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                                const QString &tabel, int idElev, int idEntitate)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idEntitate);
    if (const std::optional<QString> valoare = CitesteValoare())
        RzEdit1->setText(*valoare);
}

bool TEditorCampSimplu::PotSalva()
{
    return true;
}

void TEditorCampSimplu::Salveaza(int idElev, int idEntitate, const QString &tabel)
{
    ScrieValoare(RzEdit1->text(), StocareValori::kLungimeAlta, idElev, idEntitate, tabel);
}
