#include "editors/UEditorGenericComplex.h"

#include <QHash>
#include <QLabel>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UProfilStocat.h"
#include "data/UProfilDiploma.h"
#include "editors/UEditorCampCF.h"
#include "editors/UEditorCampCNP.h"
#include "editors/UEditorCampCalificativ.h"
#include "editors/UEditorCampNota.h"
#include "editors/UEditorCampSirues.h"
#include "editors/UEditorCampText.h"
#include "editors/UEditorGenericNotaSauCalificativ.h"
#include "editors/UFrmGrup.h"
#include "comun/Exceptie.h"

namespace {

// The editor class of a data type, compared exactly.
TEditorGeneric *CreeazaEditor(const QString &tip, QWidget *parinte)
{
    if (tip == QLatin1String("TEXT"))
        return new TEditorCampText(parinte);
    if (tip == QLatin1String("CNP"))
        return new TEditorCampCNP(parinte);
    if (tip == QLatin1String("NOTA"))
        return new TEditorCampNota(parinte);
    if (tip == QLatin1String("CALIFICATIV"))
        return new TEditorCampCalificativ(parinte);
    if (tip == QLatin1String("CF"))
        return new TEditorCampCF(parinte);
    if (tip == QLatin1String("SIRUES"))
        return new TEditorCampSirues(parinte);
    if (tip == QLatin1String("NOTA sau CALIFICATIV"))
        return new TEditorGenericNotaSauCalificativ(parinte);
    throw Exceptie(QStringLiteral("Nu stiu afisa tipul de date %1").arg(tip));
}

bool EsteGol(const QString &text)
{
    // Blanks alone name no field: the value lookup reads such a line as not shared.
    for (const QChar c : text)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

void Coloreaza(QWidget *w)
{
    w->setAutoFillBackground(true);
    QPalette paleta = w->palette();
    paleta.setColor(QPalette::Window, CuloareFundalEditori());
    w->setPalette(paleta);
}

// Stacks the control under those already in the container.
void Stivuieste(QWidget *container, QWidget *control)
{
    control->setParent(container);
    container->layout()->addWidget(control);
    control->show();
}

// What one build keeps while it places the editors.
class TConstructie
{
public:
    explicit TConstructie(TEditorGenericComplex &complex) : m_complex(complex) {}

    // The container of an editor of form `formular`, group `grup`, row `rand`.
    QWidget *Container(const QString &formular, const QString &grup, const QString &rand)
    {
        if (!rand.isEmpty()) {
            const QString cheie = (grup + QLatin1Char('.') + rand).toLower();
            TLinieGrupare *linie = m_randuri.value(cheie);
            if (!linie) {
                QWidget *parinte = Container(formular, grup, QString());
                linie = new TLinieGrupare(parinte);
                Stivuieste(parinte, linie);
                m_randuri.insert(cheie, linie);
            }
            return linie;
        }
        if (!grup.isEmpty()) {
            for (int i = 0; i < m_grupuri.Count(); ++i)
                if (m_grupuri.Items(i)->NumeGrup == grup)
                    return m_grupuri.Items(i)->PanelSuport;
            QWidget *pagina = Pagina(formular);
            auto *cadru = new TFrmGrup(pagina);
            cadru->NumeGrup = grup;
            cadru->EtichetaGrup->setText(grup);
            Stivuieste(pagina, cadru);
            m_grupuri.Add(cadru);
            return cadru->PanelSuport;
        }
        return Pagina(formular);
    }

    void PotrivesteGrupurile()
    {
        for (int i = 0; i < m_grupuri.Count(); ++i)
            m_grupuri.Items(i)->PotrivesteInaltimea();
    }

private:
    // The scroll box content of the form's page, made when missing.
    QWidget *Pagina(const QString &formular)
    {
        QTabWidget *pc = m_complex.PC;
        const QString titlu = TDM::SeparaCuvinte(formular);
        const QString cheie = TEditorGenericComplex::CheiePagina(titlu);
        for (int i = pc->count() - 1; i >= 0; --i)
            if (TEditorGenericComplex::CheiePagina(pc->tabText(i)) == cheie)
                return pc->widget(i)->findChild<QScrollArea *>()->widget();

        auto *pagina = new QWidget;
        auto *strat = new QVBoxLayout(pagina);
        strat->setContentsMargins(0, 0, 0, 0);
        auto *cutie = new QScrollArea(pagina);
        cutie->setFrameShape(QFrame::NoFrame);
        cutie->setWidgetResizable(true);
        cutie->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Coloreaza(cutie);
        strat->addWidget(cutie);
        auto *continut = new QWidget;
        Coloreaza(continut);
        auto *stratContinut = new QVBoxLayout(continut);
        stratContinut->setContentsMargins(0, 0, 0, 0);
        stratContinut->setSpacing(0);
        stratContinut->setAlignment(Qt::AlignTop);
        cutie->setWidget(continut);
        pc->addTab(pagina, TEditorGenericComplex::TitluPagina(formular));
        return continut;
    }

    TEditorGenericComplex &m_complex;
    // Keys in lower case: row codes are compared without regard to case.
    QHash<QString, TLinieGrupare *> m_randuri;
    TListaFrmGrup m_grupuri;
};

} // namespace

// ---------------------------------------------------------------------------

TLinieGrupare::TLinieGrupare(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFixedHeight(36);
}

void TLinieGrupare::Adauga(TEditorGeneric *editor)
{
    editor->setParent(this);
    editor->show();
    Editori.Add(editor);
    RecalculeazaLatimile();
}

void TLinieGrupare::RecalculeazaLatimile()
{
    const int n = Editori.Count();
    if (n == 0)
        return;
    const qint64 latimeRand = contentsRect().width();
    qint64 suma = 0;
    for (int i = 0; i < n; ++i)
        suma += Editori.Items(i)->LatimeSugerata;
    int x = contentsRect().left();
    for (int i = 0; i < n; ++i) {
        TEditorGeneric *editor = Editori.Items(i);
        const qint64 latime = suma > 0 ? latimeRand * editor->LatimeSugerata / suma : latimeRand / n;
        const int finala = int(qMax<qint64>(16, latime));
        editor->setGeometry(x, contentsRect().top(), finala, contentsRect().height());
        x += finala;
    }
}

void TLinieGrupare::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    RecalculeazaLatimile();
}

// ---------------------------------------------------------------------------

TEditorGenericComplex::TEditorGenericComplex(QWidget *parent) : QFrame(parent)
{
    resize(478, 349);
    auto *strat = new QVBoxLayout(this);
    strat->setContentsMargins(0, 0, 0, 0);
    PC = new QTabWidget(this);
    PC->setObjectName(QStringLiteral("PC"));
    PC->setTabShape(QTabWidget::Rounded);
    Coloreaza(PC);
    PC->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab:hover, QTabBar::tab:selected { "
                                               "border-bottom: 2px solid rgb(255,199,60); }"));
    strat->addWidget(PC);
}

QString TEditorGenericComplex::TitluPagina(const QString &codFormular)
{
    QString titlu;
    int scrise = 0;
    for (const QChar c : TDM::SeparaCuvinte(codFormular)) {
        if (c == QLatin1Char(' ') && scrise > 10) {
            titlu += QLatin1Char('\n');
            continue;
        }
        titlu += c;
        ++scrise;
    }
    return titlu;
}

QString TEditorGenericComplex::CheiePagina(const QString &titlu)
{
    QString cheie;
    for (const QChar c : titlu)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            cheie += c.toLower();
    return cheie;
}

void TEditorGenericComplex::Construieste(int idElev, int idEntitate, const QString &tabel)
{
    if (!DM)
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    TDM &dm = *DM;
    TConstructie constructie(*this);
    {
        // The build only reads: the guard rolls the transaction back.
        const TGardaTranzactie garda(dm);
        for (const TLinieProfilEditor &l : ProfilStocat::LiniiTabel(dm, tabel)) {
            const TEtichetaEditor eticheta = ParseazaEticheta(l.EtichetaEditor);
            const bool areEditor = (l.SimilarCu && EsteGol(*l.SimilarCu)) || !l.OnorezSimilar ||
                                   *l.OnorezSimilar != QLatin1String("DA");
            if (!areEditor)
                continue;

            QWidget *container = constructie.Container(l.Camp.CodFormular, eticheta.Grup, l.CodLinie);
            TEditorGeneric *editor = CreeazaEditor(l.TipDeDate, this);
            editor->setObjectName(QString());
            if (editor->RzLabel1)
                editor->RzLabel1->setText(eticheta.Eticheta);
            if (auto *linie = qobject_cast<TLinieGrupare *>(container)) {
                editor->LatimeSugerata = l.LatimeSugerata;
                editor->resize(l.LatimeSugerata, editor->height());
                linie->Adauga(editor);
            } else {
                Stivuieste(container, editor);
            }
            editor->Incarca(l.Camp.CodFormular, l.Camp.CodPagina, l.Camp.CodCamp, tabel, idElev, idEntitate);
            Editori.Add(editor);
        }
    }
    constructie.PotrivesteGrupurile();
    PC->setTabBarAutoHide(true);
    if (PC->count() > 0)
        PC->setCurrentIndex(0);
}

void TEditorGenericComplex::Reincarca()
{
    if (!DM)
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    const TGardaTranzactie garda(*DM);
    for (int i = 0; i < Editori.Count(); ++i) {
        TEditorGeneric *e = Editori.Items(i);
        e->Incarca(e->CodFormular, e->CodPagina, e->CodCamp, e->Tabel, e->IdElev, e->IdEntitate);
    }
}

bool TEditorGenericComplex::PotSalva()
{
    for (int i = 0; i < Editori.Count(); ++i)
        if (!Editori.Items(i)->PotSalva())
            return false;
    return true;
}

void TEditorGenericComplex::Salveaza(int idElev, int idEntitate, const QString &tabel)
{
    if (!DM || !DM->Tr.InTransaction())
        throw Exceptie(QStringLiteral("Tranzactia trebuie sa fie DESCHISA in momentul in care salvez"));
    for (int i = 0; i < Editori.Count(); ++i)
        Editori.Items(i)->Salveaza(idElev, idEntitate, tabel);
}

void TEditorGenericComplex::DupaAfisare()
{
    for (int i = 0; i < Editori.Count(); ++i)
        Editori.Items(i)->DupaAfisare();
}
