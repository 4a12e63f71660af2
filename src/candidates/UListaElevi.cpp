#include "candidates/UListaElevi.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "candidates/UUmplereFormular.h"
#include "data/UDm.h"
#include "data/UJurnalTiparire.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "forms/TemplateForm.h"
#include "printing/ContextTiparire.h"
#include "printing/TiparireCertificat.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "candidates/UDialogElev.h"

const QString kSelectatiUnElev = QStringLiteral("Va rog selectati un elev!");

namespace {

constexpr int kRolId = Qt::UserRole;
const QString kElevi = QStringLiteral("ELEVI");

// The picture of the document buttons: a small certificate.
QPixmap ImagineCertificat()
{
    QPixmap imagine(32, 32);
    imagine.fill(Qt::transparent);
    QPainter p(&imagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1d, 0x3b, 0x6e), 1.5));
    p.setBrush(QColor(0xf8, 0xf1, 0xde));
    p.drawRect(QRectF(3.5, 6.5, 25, 19));
    p.setPen(QPen(QColor(0x5a, 0x4a, 0x2a), 1));
    for (int y = 11; y <= 19; y += 4)
        p.drawLine(8, y, 24, y);
    p.setBrush(QColor(0xc9, 0xa4, 0x49));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(23, 22), 4, 4);
    return imagine;
}

QString CuloareDelphi(int tcolor)
{
    // A Windows colour value holds blue, green and red from the high byte down.
    return QColor(tcolor & 0xFF, (tcolor >> 8) & 0xFF, (tcolor >> 16) & 0xFF).name();
}

} // namespace

// ---------------------------------------------------------------------------

TButonFormular::TButonFormular(const THandlerFormularDePrintat &handler, QTreeWidget *lista, QWidget *parent)
    : QPushButton(parent), m_handler(handler), m_lista(lista)
{
    setText(handler.Caption());
    setIcon(ImagineCertificat());
    setIconSize(QSize(20, 20));
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);
    setStyleSheet(
        QStringLiteral(
            "TButonFormular { background-color: %1; border: 1px solid %2; border-radius: 3px; padding: 2px; }"
            "TButonFormular:hover { border: 2px solid %3; }"
            "TButonFormular:pressed { background-color: %2; }")
            .arg(CuloareDelphi(15791348), CuloareDelphi(16026986), CuloareDelphi(3983359)));
    connect(this, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { FillAndShow(); }); });
}

void TButonFormular::FillAndShow()
{
    const QList<QTreeWidgetItem *> selectate = m_lista->selectedItems();
    if (selectate.isEmpty()) {
        Mesaje().Informare(kSelectatiUnElev);
        return;
    }
    const int id = selectate.first()->data(0, kRolId).toInt();
    if (!m_preview)
        m_preview = CreeazaPreview(m_handler, this);
    UmpleSiArata(*m_preview, id, selectate.first()->text(0));
}

// ---------------------------------------------------------------------------

TListaElevi::TListaElevi(QWidget *parent) : QFrame(parent)
{
    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);

    RzPanel2 = new QFrame(this);
    RzPanel2->setObjectName(QStringLiteral("RzPanel2"));
    RzPanel2->setFixedHeight(49);
    RzPanel2->setFrameShape(QFrame::StyledPanel);
    auto *sus = new QHBoxLayout(RzPanel2);
    sus->setContentsMargins(0, 0, 0, 0);
    sus->setSpacing(0);
    Panel2 = new QFrame(RzPanel2);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel1 = new QFrame(RzPanel2);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    sus->addWidget(Panel2);
    sus->addWidget(Panel1, 1);

    RzLabel1 = new QLabel(QStringLiteral("Cauta:"), Panel1);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->move(8, 3);
    RzEdit1 = new QLineEdit(Panel1);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setGeometry(8, 20, 257, 24);
    RzEdit1->setPlaceholderText(QStringLiteral("o parte din nume"));
    connect(RzEdit1, &QLineEdit::textChanged, this, [this] { RuleazaActiune([this] { RzEdit1Change(); }); });

    VT = new QTreeWidget(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setColumnCount(2);
    VT->setHeaderLabels({QStringLiteral("Nume si prenume"), QStringLiteral("Tiparit")});
    VT->header()->resizeSection(0, 512);
    VT->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    VT->setRootIsDecorated(false);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    VT->setSelectionMode(QAbstractItemView::ExtendedSelection);
    VT->setAlternatingRowColors(true);
    principal->addWidget(RzPanel2);
    principal->addWidget(VT, 1);

    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setFixedHeight(30);
    principal->addWidget(RzPanel1);
    const auto buton = [this](const char *nume, const QString &text, int stanga) {
        auto *b = new QPushButton(text, RzPanel1);
        b->setObjectName(QLatin1String(nume));
        b->setGeometry(stanga, 3, 76, 24);
        return b;
    };
    RzBitBtn1 = buton("RzBitBtn1", QStringLiteral("Adauga"), 4);
    RzBitBtn2 = buton("RzBitBtn2", QStringLiteral("Modifica"), 84);
    RzBitBtn3 = buton("RzBitBtn3", QStringLiteral("Sterge"), 164);
    BtnIstoric = buton("BtnIstoric", QStringLiteral("Istoric"), 244);
    connect(BtnIstoric, &QPushButton::clicked, this,
            [this] { RuleazaActiune([this] { BtnIstoricClick(); }); });
    BtnSelecteazaTot = buton("BtnSelecteazaTot", QStringLiteral("Selecteaza tot"), 324);
    BtnSelecteazaTot->setFixedWidth(96);
    BtnTiparesteSelectia = buton("BtnTiparesteSelectia", QStringLiteral("Tipareste selectia"), 424);
    BtnTiparesteSelectia->setFixedWidth(120);
    BtnReincarca = buton("BtnReincarca", QStringLiteral("Reincarca"), 548);
    connect(BtnReincarca, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { Reload(); }); });
    connect(BtnSelecteazaTot, &QPushButton::clicked, VT, &QTreeWidget::selectAll);
    connect(BtnTiparesteSelectia, &QPushButton::clicked, this,
            [this] { RuleazaActiune([this] { BtnTiparesteSelectiaClick(); }); });
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn2Click(); }); });
    connect(RzBitBtn3, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn3Click(); }); });
    connect(VT, &QTreeWidget::itemDoubleClicked, this,
            [this] { RuleazaActiune([this] { RzBitBtn2Click(); }); });

    // One button per printable document, left to right.
    int x = 4;
    const TListaHandlerFormularDePrintat &handlere = ListaHandlere();
    for (int i = 0; i < handlere.Count(); ++i) {
        auto *b = new TButonFormular(handlere.Handler(i), VT, Panel2);
        b->setGeometry(x, 4, 128, 40);
        x += b->width() + 4;
    }
    Panel2->setFixedWidth(x + 4);
}

int TListaElevi::IdSelectat() const
{
    const QList<QTreeWidgetItem *> selectate = VT->selectedItems();
    return selectate.isEmpty() ? -1 : selectate.first()->data(0, kRolId).toInt();
}

void TListaElevi::Reload()
{
    m_lista.Goleste();
    // A server's database is looked for again (and its message shown when it is still out of reach).
    if (!DM || (!DM->Conectat() && !DM->PeServer())) {
        Refilter();
        return;
    }
    const TClasaListaProfilDiploma *profil = Inregistrari().Profil();
    if (!profil)
        throw Exceptie(QStringLiteral("NU ai definit profilul diplomei"));
    try {
        m_tiparite.clear();
        m_lista.Incarca(*DM, kElevi, profil->ListaCampuriElev());
        m_tiparite = JurnalTiparire::UltimeleTiparari(*DM);
    } catch (...) {
        Refilter();
        throw;
    }
    Refilter();
}

void TListaElevi::Refilter()
{
    const QList<int> selectate = IduriSelectate();
    VT->clear();
    const QString filtru = RzEdit1->text();
    const bool filtreaza = !filtru.trimmed().isEmpty();
    for (const TLinieElev &linie : m_lista.Linii()) {
        if (filtreaza && !linie.Denumire.contains(filtru, Qt::CaseSensitive))
            continue;
        const QDateTime tiparit = m_tiparite.value(linie.Id);
        auto *nod = new QTreeWidgetItem(
            VT,
            {linie.Denumire, tiparit.isValid() ? tiparit.toString(QStringLiteral("dd.MM.yyyy")) : QString()});
        nod->setData(0, kRolId, linie.Id);
        if (selectate.contains(linie.Id))
            nod->setSelected(true);
    }
}

QList<int> TListaElevi::IduriSelectate() const
{
    QList<int> iduri;
    for (const QTreeWidgetItem *nod : VT->selectedItems())
        iduri.append(nod->data(0, kRolId).toInt());
    return iduri;
}

void TListaElevi::BtnTiparesteSelectiaClick()
{
    QList<int> iduri;
    QStringList nume;
    for (const QTreeWidgetItem *nod : VT->selectedItems()) {
        iduri.append(nod->data(0, kRolId).toInt());
        nume.append(nod->text(0));
    }
    if (iduri.isEmpty()) {
        Mesaje().Informare(kSelectatiUnElev);
        return;
    }
    if (PrintSelection(TContextTiparire::Al(this), *DM, iduri, nume, this) > 0)
        Reload();
}

void TListaElevi::BtnIstoricClick()
{
    const int id = IdSelectat();
    if (id < 0) {
        Mesaje().Informare(kSelectatiUnElev);
        return;
    }
    const std::vector<TTiparireJurnal> istoric = JurnalTiparire::Istoric(*DM, id);
    if (istoric.empty()) {
        Mesaje().Informare(QStringLiteral("Certificatul acestui candidat nu a fost tiparit inca."));
        return;
    }
    QStringList linii;
    for (const TTiparireJurnal &t : istoric)
        linii.append(QStringLiteral("%1  %2  %3, %4%5")
                         .arg(t.DataOra.toString(QStringLiteral("dd.MM.yyyy HH:mm")), t.Nume, t.Imprimanta,
                              t.Utilizator, t.Retiparire ? QStringLiteral(" (retiparire)") : QString()));
    Mesaje().Informare(QStringLiteral("Tiparirile certificatului:\n") + linii.join(QLatin1Char('\n')));
}

void TListaElevi::RzBitBtn1Click()
{
    if (ArataDialogElev(this, -1))
        Reload();
}

void TListaElevi::RzBitBtn2Click()
{
    const int id = IdSelectat();
    if (id < 0) {
        Mesaje().Informare(kSelectatiUnElev);
        return;
    }
    if (ArataDialogElev(this, id))
        Reload();
}

void TListaElevi::RzBitBtn3Click()
{
    const int id = IdSelectat();
    if (id < 0) {
        Mesaje().Informare(kSelectatiUnElev);
        return;
    }
    if (!Mesaje().Intrebare(QStringLiteral("Doriti sa stergeti elevul: ")))
        return;
    m_lista.Sterge(*DM, kElevi, id);
    Reload();
}

void TListaElevi::RzEdit1Change()
{
    Refilter();
}
