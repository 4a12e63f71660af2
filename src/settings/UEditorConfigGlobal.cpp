#include "settings/UEditorConfigGlobal.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"

namespace {

const int kInaltimeElement = 32;

QLabel *Eticheta(QWidget *parinte, const QString &text, const QRect &loc)
{
    auto *eticheta = new QLabel(text, parinte);
    eticheta->setGeometry(loc);
    eticheta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return eticheta;
}

QLabel *Titlu(QWidget *parinte, const QString &text, const QRect &loc, const char *culoare)
{
    auto *eticheta = Eticheta(parinte, text, loc);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    eticheta->setFont(font);
    eticheta->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(culoare)));
    return eticheta;
}

QLabel *TextLung(QWidget *parinte, const QString &text, const QRect &loc)
{
    auto *eticheta = Eticheta(parinte, text, loc);
    eticheta->setWordWrap(true);
    return eticheta;
}

QComboBox *ComboSufix(QWidget *parinte, const char *nume, const QStringList &elemente, const QPoint &loc)
{
    auto *combo = new QComboBox(parinte);
    combo->setObjectName(QLatin1String(nume));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(elemente);
    combo->setGeometry(loc.x(), loc.y(), 185, 21);
    return combo;
}

TComboFormatNota *ComboFormat(QWidget *parinte, const char *nume, const QPoint &loc)
{
    auto *combo = new TComboFormatNota(parinte);
    combo->setObjectName(QLatin1String(nume));
    combo->setGeometry(loc.x(), loc.y(), 161, kInaltimeElement + 6);
    return combo;
}

// The item equal to the text (exact comparison), -1 when there is none.
int ElementEgal(const QComboBox *combo, const QString &text)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == text)
            return i;
    }
    return -1;
}

} // namespace

QStringList FormateNota()
{
    return {QStringLiteral("NOTA"), QStringLiteral("NOTA(PROCENT)"), QStringLiteral("NOTA/PROCENT"),
            QStringLiteral("NOTA/LITERE")};
}

QList<QPair<QString, int>> LiniiExempluFormat(int index)
{
    switch (index) {
    case 0:
        return {{QStringLiteral("9,63"), 8}};
    case 1:
        return {{QStringLiteral("9,63 (noua 63%)"), 8}};
    case 2:
        return {{QStringLiteral("9,63"), 1}, {QStringLiteral("(noua 63%)"), 13}};
    case 3:
        return {{QStringLiteral("9,63"), 1}, {QStringLiteral("(noua,sasezecisitrei)"), 13}};
    default:
        return {};
    }
}

void DeseneazaExempluFormat(QPainter &painter, const QRect &r, int index, bool selectat,
                            const QPalette &paleta)
{
    painter.save();
    painter.fillRect(r, paleta.color(selectat ? QPalette::Highlight : QPalette::Base));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(paleta.color(selectat ? QPalette::HighlightedText : QPalette::Text));
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics masura = painter.fontMetrics();
    for (const auto &[text, distanta] : LiniiExempluFormat(index)) {
        // Integer division truncates toward zero, as the design wants.
        const int stanga = r.left() + (r.width() - masura.horizontalAdvance(text)) / 2;
        painter.drawText(QPoint(stanga, r.top() + distanta + masura.ascent()), text);
    }
    painter.restore();
}

void TDesenFormatNota::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    DeseneazaExempluFormat(*painter, option.rect, index.row(), option.state & QStyle::State_Selected,
                           option.palette);
}

QSize TDesenFormatNota::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), kInaltimeElement};
}

TComboFormatNota::TComboFormatNota(QWidget *parent) : QComboBox(parent)
{
    addItems(FormateNota());
    setItemDelegate(new TDesenFormatNota(this));
    // Without this the Fusion style shows the list as a menu with its own items.
    setStyleSheet(QStringLiteral("combobox-popup: 0;"));
}

void TComboFormatNota::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox optiuni;
    initStyleOption(&optiuni);
    optiuni.currentText.clear();
    optiuni.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, optiuni);
    const QRect camp =
        style()->subControlRect(QStyle::CC_ComboBox, &optiuni, QStyle::SC_ComboBoxEditField, this);
    DeseneazaExempluFormat(painter, camp, currentIndex(), hasFocus(), palette());
}

TEditorConfigGlobal::TEditorConfigGlobal(QWidget *parent, IStocareSetari *stocare)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_stocare(stocare)
{
    setObjectName(QStringLiteral("EditorConfigGlobal"));
    setWindowTitle(QStringLiteral("Editor informatii globale"));
    setFixedSize(588, 347);
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(8, 8, 497, 289);
    RzPageControl1->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { background: rgb(247,246,245); border: 1px solid rgb(145,155,156); }"
        "QTabBar::tab { height: 19px; padding: 0 8px; background: rgb(247,246,245);"
        " border: 1px solid rgb(145,155,156); border-top-left-radius: 4px;"
        " border-top-right-radius: 4px; }"
        "QTabBar::tab:selected, QTabBar::tab:hover { border-top: 2px solid rgb(255,199,60); }"));

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Titlu(TabSheet1, QStringLiteral("Sufix dl / domnul e.t.c."), {16, 8, 460, 22}, "maroon");
    TextLung(
        TabSheet1,
        QStringLiteral("Programul stabileste automat genul persoanelor care primesc diplome de studii pe "
                       "baza primei cifre din codul numeric personal. Va rugam specificati care este "
                       "apelativul cel mai potrivit pentru fete si baieti:"),
        {16, 36, 460, 48});
    Eticheta(TabSheet1, QStringLiteral("Sufix fete:"), {24, 96, 185, 14});
    RzComboBox1 = ComboSufix(TabSheet1, "RzComboBox1",
                             {QStringLiteral("domnisoara"), QStringLiteral("doamna"), QStringLiteral("dra")},
                             {24, 112});
    Eticheta(TabSheet1, QStringLiteral("Sufix baieti:"), {24, 152, 185, 14});
    RzComboBox2 =
        ComboSufix(TabSheet1, "RzComboBox2", {QStringLiteral("domnul"), QStringLiteral("dl")}, {24, 168});

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Titlu(TabSheet2, QStringLiteral("Mod scriere note in litere"), {16, 8, 460, 22}, "maroon");
    TextLung(
        TabSheet2,
        QStringLiteral("Aici puteti specifica modul in care vor fi inscrise pe diplome notele si mediile "
                       "pentru probele de examen cu nota."),
        {16, 36, 460, 34});
    Eticheta(TabSheet2, QStringLiteral("Nota diploma:"), {24, 80, 161, 14});
    RzComboBox3 = ComboFormat(TabSheet2, "RzComboBox3", {24, 96});
    Eticheta(TabSheet2, QStringLiteral("Medie diploma:"), {24, 152, 161, 14});
    RzComboBox4 = ComboFormat(TabSheet2, "RzComboBox4", {24, 168});
    Eticheta(TabSheet2, QStringLiteral("Nota cotor:"), {216, 80, 161, 14});
    RzComboBox5 = ComboFormat(TabSheet2, "RzComboBox5", {216, 96});
    Eticheta(TabSheet2, QStringLiteral("Medie cotor:"), {216, 152, 161, 14});
    RzComboBox6 = ComboFormat(TabSheet2, "RzComboBox6", {216, 168});
    RzRadioButton1 = new QRadioButton(QStringLiteral("Scriu notele cu LITERE MARI"), TabSheet2);
    RzRadioButton1->setObjectName(QStringLiteral("RzRadioButton1"));
    RzRadioButton1->setGeometry(24, 218, 300, 17);
    RzRadioButton2 = new QRadioButton(QStringLiteral("Scriu notele cu litere mici"), TabSheet2);
    RzRadioButton2->setObjectName(QStringLiteral("RzRadioButton2"));
    RzRadioButton2->setGeometry(24, 240, 300, 17);

    RzPageControl1->addTab(TabSheet1, QStringLiteral("Sufix domnul / doamna"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("Mod tiparire note"));
    // The suffix page is not offered to the user.
    RzPageControl1->setTabVisible(0, false);
    RzPageControl1->setCurrentWidget(TabSheet2);

    RzLabelNota = Titlu(this, QStringLiteral("Nota:"), {8, 305, 50, 20}, "red");
    RzLabelNota->setObjectName(QStringLiteral("RzLabelNota"));
    TextLung(this,
             QStringLiteral("Modificarile efectuate in acest editor afecteaza TOATE formularele de diplome "
                            "pentru anul curent"),
             {62, 306, 440, 32});
    m_clipire = new QTimer(this);
    m_clipire->setInterval(500);
    connect(m_clipire, &QTimer::timeout, this,
            [this] { RzLabelNota->setVisible(!RzLabelNota->isVisible()); });
    m_clipire->start();

    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(513, 8, 67, 25);
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(513, 40, 67, 25);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TEditorConfigGlobal::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TEditorConfigGlobal::RzBitBtn2Click);

    {
        TInfoGlobal2005 info(m_stocare);
        RzComboBox1->setCurrentText(info.SufixFete().isEmpty() ? QStringLiteral("dra") : info.SufixFete());
        RzComboBox2->setCurrentText(info.SufixBaieti().isEmpty() ? QStringLiteral("domnul")
                                                                 : info.SufixBaieti());
        if (info.NotaDiploma().isEmpty())
            info.setNotaDiploma(QStringLiteral("NOTA/LITERE"));
        if (info.MedieDiploma().isEmpty())
            info.setMedieDiploma(QStringLiteral("NOTA/LITERE"));
        if (info.NotaCotor().isEmpty())
            info.setNotaCotor(QStringLiteral("NOTA(PROCENT)"));
        if (info.MedieCotor().isEmpty())
            info.setMedieCotor(QStringLiteral("NOTA(PROCENT)"));
        RzComboBox3->setCurrentIndex(ElementEgal(RzComboBox3, info.NotaDiploma()));
        RzComboBox4->setCurrentIndex(ElementEgal(RzComboBox4, info.MedieDiploma()));
        RzComboBox5->setCurrentIndex(ElementEgal(RzComboBox5, info.NotaCotor()));
        RzComboBox6->setCurrentIndex(ElementEgal(RzComboBox6, info.MedieCotor()));
        if (info.ScriuCuLitereMari() == QLatin1String("0"))
            RzRadioButton2->setChecked(true);
        else
            RzRadioButton1->setChecked(true);
        // The defaults above are stored right away, even if the dialog is then cancelled.
        info.Salveaza();
    }

    CentreazaFereastra(this);
}

void TEditorConfigGlobal::RzBitBtn1Click()
{
    RuleazaActiune([this] {
        {
            TInfoGlobal2005 info(m_stocare);
            info.setSufixFete(RzComboBox1->currentText());
            info.setSufixBaieti(RzComboBox2->currentText());
            // A list without a selection (its stored value was none of the four) keeps that value.
            if (RzComboBox3->currentIndex() >= 0)
                info.setNotaDiploma(RzComboBox3->currentText());
            if (RzComboBox4->currentIndex() >= 0)
                info.setMedieDiploma(RzComboBox4->currentText());
            if (RzComboBox5->currentIndex() >= 0)
                info.setNotaCotor(RzComboBox5->currentText());
            if (RzComboBox6->currentIndex() >= 0)
                info.setMedieCotor(RzComboBox6->currentText());
            info.setScriuCuLitereMari(RzRadioButton1->isChecked() ? QStringLiteral("1")
                                                                  : QStringLiteral("0"));
            info.Salveaza();
        }
        accept();
    });
}

void TEditorConfigGlobal::RzBitBtn2Click()
{
    reject();
}
