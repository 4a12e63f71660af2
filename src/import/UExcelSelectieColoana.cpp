#include "import/UExcelSelectieColoana.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"
#include "controls/QenValoareDate.h"
#include "import/UColoaneExcel.h"

namespace {

constexpr int kLatimeMaxima = 300;

QFont Arial15(bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(15);
    f.setBold(bold);
    return f;
}

} // namespace

TExcelSelectieColoana::TExcelSelectieColoana(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExcelSelectieColoana"));
    setWindowTitle(QStringLiteral("Selectie coloana EXCEL"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    resize(701, 376);
    auto *asezare = new QVBoxLayout(this);
    asezare->setContentsMargins(0, 0, 0, 0);
    auto *sus = new QWidget(this);
    sus->setFixedHeight(33);
    auto *asezareSus = new QHBoxLayout(sus);
    m_eticheta = new QLabel(QStringLiteral("Ati selectat coloana "), sus);
    m_eticheta->setObjectName(QStringLiteral("Label1"));
    m_eticheta->setFont(Arial15(true));
    m_eticheta->hide();
    m_masura = new QLabel(sus);
    m_masura->setObjectName(QStringLiteral("Masura"));
    m_masura->setFont(Arial15(false));
    m_masura->hide();
    asezareSus->addWidget(m_eticheta);
    asezareSus->addStretch();
    asezare->addWidget(sus);

    m_grila = new TQenVirtualGrid(this);
    m_grila->setObjectName(QStringLiteral("Grila"));
    m_grila->SetHeaderHeight(48);
    m_grila->SetNrColoaneFixe(0);
    m_grila->SetOptiuni({});
    asezare->addWidget(m_grila, 1);

    auto *jos = new QWidget(this);
    jos->setFixedHeight(33);
    auto *asezareJos = new QHBoxLayout(jos);
    asezareJos->addStretch();
    auto *ok = new QPushButton(QStringLiteral("Ok"), jos);
    ok->setObjectName(QStringLiteral("BtnOk"));
    auto *renunt = new QPushButton(QStringLiteral("Renunt"), jos);
    renunt->setObjectName(QStringLiteral("BtnRenunt"));
    asezareJos->addWidget(ok);
    asezareJos->addWidget(renunt);
    asezare->addWidget(jos);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (!m_coloanaSelectata.isEmpty())
            accept();
    });
    connect(renunt, &QPushButton::clicked, this, &QDialog::reject);

    m_grila->OnGetCellValue = [this](TQenVirtualGridLine *linie, int c, TQenValoareDate &valoare) {
        const auto *l = static_cast<TLinieGrid *>(linie);
        valoare.SetString(m_coloane && c < m_coloane->Count() ? m_coloane->Items(c)->value(l->Index)
                                                              : QString());
    };
    m_grila->OnPotEdita = [](TQenVirtualGridLine *, int, bool &permis) { permis = false; };
    m_grila->OnFormatCell = [this](TQenVirtualGridLine *, int c, TQenFont &font, QColor &fundal) {
        const bool selectata =
            m_coloane && c < m_coloane->Count() && m_coloane->Items(c)->Nume == m_coloanaSelectata;
        fundal = palette().color(selectata ? QPalette::Highlight : QPalette::Base);
        font.Culoare = palette().color(selectata ? QPalette::HighlightedText : QPalette::Text);
    };
    m_grila->OnSelectCell = [this](int c, int, bool &) { SelecteazaColoana(c); };
    CentreazaFereastra(this);
}

void TExcelSelectieColoana::IncarcaColoanele(const TListaColoaneExcel *coloane)
{
    m_coloane = coloane;
    m_grila->BeginUpdate();
    m_grila->Linii().Clear();
    while (m_grila->Coloane().Count() > 0)
        m_grila->Coloane().Delete(m_grila->Coloane().Count() - 1);
    const QFontMetrics masura(m_masura->font());
    for (int c = 0; c < coloane->Count(); ++c) {
        int latime = 0;
        for (const QString &text : *coloane->Items(c))
            latime = qMax(latime, masura.horizontalAdvance(text));
        TQenVirtualGridColumn *coloana = m_grila->Coloane().Add();
        coloana->SetNumeColoana(coloane->Items(c)->Nume);
        coloana->SetWidth(qMin(latime, kLatimeMaxima) + 12);
    }
    if (coloane->Count() > 0) {
        for (int r = 0; r < coloane->Items(0)->size(); ++r)
            m_grila->Linii().Add(std::make_unique<TLinieGrid>(r));
    }
    m_grila->EndUpdate();
}

void TExcelSelectieColoana::SelecteazaColoana(int c)
{
    if (!m_coloane || c < 0 || c >= m_coloane->Count() || m_coloane->Items(c)->Nume == m_coloanaSelectata)
        return;
    m_coloanaSelectata = m_coloane->Items(c)->Nume;
    m_grila->viewport()->update();
    m_eticheta->setText(QStringLiteral("Ati selectat coloana ") + m_coloanaSelectata);
    m_eticheta->show();
}
