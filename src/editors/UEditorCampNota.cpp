// The grade editor's widget side. Its unit's own .cpp holds only the grade
// parser, which printing links without any widget.
#include "editors/UEditorCampNota.h"

#include "editors/UQenEditors.h"
#include "comun/Mesaje.h"

namespace {

// The grade bounds in ten-thousandths, both valid.
constexpr qint64 kNotaMinima = 50000;
constexpr qint64 kNotaMaxima = 100000;

} // namespace

TEditorCampNota::TEditorCampNota(QWidget *parent) : TEditorGeneric(parent)
{
    QenNumEdit1 = new TQenNumEdit(this);
    QenNumEdit1->setObjectName(QStringLiteral("QenNumEdit1"));
    QenNumEdit1->SetNoDots(true);
    QenNumEdit1->SetRightAlignNonEdit(false);
    QenNumEdit1->SetAutoSelectOnEnter(true);
    QenNumEdit1->SetKeepSelection(false);
    QenNumEdit1->setFocusPolicy(Qt::StrongFocus);
    QenNumEdit1->setCursor(Qt::IBeamCursor);
    AsazaControlul(QenNumEdit1);
}

void TEditorCampNota::Incarca(const QString &codFormular, const QString &codPagina, const QString &codCamp,
                              const QString &tabel, int idElev, int idEntitate)
{
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idEntitate);
    if (const std::optional<QString> valoare = CitesteValoare())
        QenNumEdit1->SetAsCurrency(NotaDinText(*valoare));
    // A zero or missing grade shows as an empty field.
    if (QenNumEdit1->CuDouaZecimale() == 0)
        QenNumEdit1->SetText(QString());
}

bool TEditorCampNota::PotSalva()
{
    if (QenNumEdit1->Text().trimmed().isEmpty())
        return true;
    const qint64 nota = QenNumEdit1->AsCurrency();
    if (nota < kNotaMinima) {
        Mesaje().Avertizare(QStringLiteral("Nota este prea mica"));
        return false;
    }
    if (nota > kNotaMaxima) {
        Mesaje().Avertizare(QStringLiteral("Nota este prea mare"));
        return false;
    }
    return true;
}

void TEditorCampNota::Salveaza(int idElev, int idEntitate, const QString &tabel)
{
    ScrieValoare(QenNumEdit1->Text(), StocareValori::kLungimeAlta, idElev, idEntitate, tabel);
}
