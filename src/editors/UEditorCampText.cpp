#include "editors/UEditorCampText.h"

#include <QComboBox>
#include <QLineEdit>

#include "data/UDm.h"
#include "comun/Exceptie.h"

TEditorCampText::TEditorCampText(QWidget *parent) : TEditorGeneric(parent)
{
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(true);
    RzComboBox1->setFrame(true);
    // Typing Enter must not add the text to the suggestions.
    RzComboBox1->setInsertPolicy(QComboBox::NoInsert);
    AsazaControlul(RzComboBox1);
}

void TEditorCampText::Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                              const QString &tabel, int idElev, int idEntitate)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idEntitate);
    if (!DM)
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    // Loaded again (another workstation changed the record), the suggestions are read anew.
    RzComboBox1->clear();
    RzComboBox1->addItems(StocareValori::Sugestii(*DM, Coduri()));
    // Adding items picks the first one; the combo shows only the stored value.
    RzComboBox1->setCurrentIndex(-1);
    RzComboBox1->setEditText(QString());
    if (const std::optional<QString> valoare = CitesteValoare())
        RzComboBox1->setEditText(*valoare);
    RzComboBox1->lineEdit()->deselect();
    RzComboBox1->lineEdit()->setCursorPosition(int(RzComboBox1->currentText().size()));
}

bool TEditorCampText::PotSalva()
{
    return true;
}

void TEditorCampText::Salveaza(int idElev, int idEntitate, const QString &tabel)
{
    ScrieValoare(RzComboBox1->currentText(), StocareValori::kLungimeText, idElev, idEntitate, tabel);
}

void TEditorCampText::DupaAfisare()
{
    RzComboBox1->lineEdit()->deselect();
    RzComboBox1->lineEdit()->setCursorPosition(int(RzComboBox1->currentText().size()));
}
