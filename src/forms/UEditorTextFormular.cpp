#include "forms/UEditorTextFormular.h"

#include <exception>
#include <memory>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTabWidget>

#include "forms/FontFormular.h"
#include "forms/ParticularizareTextArea.h"
#include "forms/QFormularTextArea.h"
#include "comun/Actiune.h"
#include "comun/CentrareFereastra.h"

namespace {

const char *const kValoare = "valoare";
const QString kTextMostra = QStringLiteral("Text informativ pentru aspectul fontului");

QLabel *Eticheta(QWidget *parinte, const char *nume, const QString &text, const QRect &loc)
{
    auto *eticheta = new QLabel(text, parinte);
    eticheta->setObjectName(QLatin1String(nume));
    eticheta->setGeometry(loc);
    eticheta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return eticheta;
}

QLabel *Titlu(QWidget *parinte, const char *nume, const QString &text, const QRect &loc)
{
    QLabel *eticheta = Eticheta(parinte, nume, text, loc);
    QFont font = eticheta->font();
    font.setBold(true);
    eticheta->setFont(font);
    eticheta->setStyleSheet(QStringLiteral("color: maroon;"));
    return eticheta;
}

QRadioButton *Buton(QWidget *parinte, const char *nume, const QString &text, const QRect &loc,
                    QButtonGroup *grup, int valoare)
{
    auto *buton = new QRadioButton(text, parinte);
    buton->setObjectName(QLatin1String(nume));
    buton->setGeometry(loc);
    buton->setProperty(kValoare, valoare);
    grup->addButton(buton);
    return buton;
}

QComboBox *Lista(QWidget *parinte, const char *nume, const QRect &loc)
{
    auto *lista = new QComboBox(parinte);
    lista->setObjectName(QLatin1String(nume));
    lista->setEditable(false);
    lista->setGeometry(loc);
    return lista;
}

// Sets the button of the value; a value no button stands for sets none.
void AlegeValoarea(QButtonGroup *grup, int valoare)
{
    grup->setExclusive(false);
    for (QAbstractButton *buton : grup->buttons())
        buton->setChecked(buton->property(kValoare).toInt() == valoare);
    grup->setExclusive(true);
}

std::optional<int> ValoareAleasa(const QButtonGroup *grup)
{
    const QAbstractButton *buton = grup->checkedButton();
    if (!buton)
        return std::nullopt;
    return buton->property(kValoare).toInt();
}

std::optional<int> IndexAles(const QComboBox *lista)
{
    if (lista->currentIndex() < 0)
        return std::nullopt;
    return lista->currentIndex();
}

// Each typeface of the list shows its name and a sample line drawn in it.
class TDesenFamilie : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selectat = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(option.rect, option.palette.color(selectat ? QPalette::Highlight : QPalette::Base));
        painter->setPen(option.palette.color(selectat ? QPalette::HighlightedText : QPalette::Text));
        const QString familie = index.data(Qt::DisplayRole).toString();
        const QRect sus = option.rect.adjusted(4, 1, -4, -option.rect.height() / 2);
        const QRect jos = option.rect.adjusted(12, option.rect.height() / 2, -4, -1);
        painter->setFont(option.font);
        painter->drawText(sus, Qt::AlignLeft | Qt::AlignVCenter, familie);
        QFont mostra(familie);
        mostra.setPointSizeF(option.font.pointSizeF() > 0 ? option.font.pointSizeF() : 9);
        painter->setFont(mostra);
        painter->drawText(jos, Qt::AlignLeft | Qt::AlignVCenter, kTextMostra);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize marime = QStyledItemDelegate::sizeHint(option, index);
        marime.setHeight(2 * option.fontMetrics.height() + 6);
        return marime;
    }
};

} // namespace

void AplicaAlegerile(const TAlegeriTextArea &alegeri, TParticularizareTextArea &particularizare)
{
    TParticularizareTextArea &p = particularizare;
    if (alegeri.Aliniere)
        p.Aliniere = *alegeri.Aliniere;
    if (alegeri.DeplasareOrizontala)
        p.DeplasareOrizontala = *alegeri.DeplasareOrizontala;
    if (alegeri.DeplasareVerticala)
        p.DeplasareVerticala = *alegeri.DeplasareVerticala;
    if (alegeri.Font) {
        p.Font = alegeri.Font;
        p.NumeFont = alegeri.Font->objectName();
    }
    p.TextInlocuitor = alegeri.TextInlocuitor;
    if (alegeri.Italic)
        p.Italic = *alegeri.Italic;
    if (alegeri.Bold)
        p.Bold = *alegeri.Bold;
    p.Familie = alegeri.Familie;
}

TEditorTextFormular::TEditorTextFormular(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("EditorTextFormular"));
    setWindowTitle(QStringLiteral("Informatii camp"));
    setFixedSize(521, 369);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(8, 8, 505, 317);

    // "Informatii despre acest camp"
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    RzLabel1 =
        Titlu(TabSheet1, "RzLabel1", QStringLiteral("De unde preia acest camp datele:"), {8, 8, 481, 16});
    RzMemo1 = new QPlainTextEdit(TabSheet1);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setGeometry(8, 26, 481, 60);
    RzMemo1->setReadOnly(true);
    RzMemo1->setFrameShape(QFrame::NoFrame);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RzLabel7 = Titlu(TabSheet1, "RzLabel7", QStringLiteral("Fontul utilizat pentru acest formular"),
                     {8, 96, 481, 16});
    RzComboBox1 = Lista(TabSheet1, "RzComboBox1", {8, 114, 481, 22});
    Label3 = Eticheta(TabSheet1, "Label3", QStringLiteral("Italic"), {8, 144, 145, 14});
    RzComboBox2 = Lista(TabSheet1, "RzComboBox2", {8, 160, 145, 22});
    RzComboBox2->addItems(
        {QStringLiteral("Implicit"), QStringLiteral("Italic"), QStringLiteral("non-Italic")});
    Label4 = Eticheta(TabSheet1, "Label4", QStringLiteral("Bold"), {168, 144, 145, 14});
    RzComboBox3 = Lista(TabSheet1, "RzComboBox3", {168, 160, 145, 22});
    RzComboBox3->addItems({QStringLiteral("Implicit"), QStringLiteral("Bold"), QStringLiteral("non-Bold")});
    m_tipFont = new QButtonGroup(this);
    RzRadioButton11 = Buton(TabSheet1, "RzRadioButton11", QStringLiteral("Folosesc fontul implicit"),
                            {8, 194, 300, 18}, m_tipFont, 0);
    RzRadioButton12 =
        Buton(TabSheet1, "RzRadioButton12", QStringLiteral("Folosesc fontul specificat mai jos"),
              {8, 214, 300, 18}, m_tipFont, 1);
    RzFontComboBox1 = new QFontComboBox(TabSheet1);
    RzFontComboBox1->setObjectName(QStringLiteral("RzFontComboBox1"));
    RzFontComboBox1->setEditable(false);
    RzFontComboBox1->setItemDelegate(new TDesenFamilie(RzFontComboBox1));
    RzFontComboBox1->setGeometry(24, 236, 465, 24);
    RzFontComboBox1->setCurrentIndex(-1);
    // Picking a typeface means using it.
    connect(RzFontComboBox1, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            RzRadioButton12->setChecked(true);
    });

    // "Redefinire text"
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    RzLabel8 = Titlu(TabSheet2, "RzLabel8", QStringLiteral("Redefinire text"), {8, 8, 481, 16});
    Label1 =
        Eticheta(TabSheet2, "Label1",
                 QStringLiteral("Daca nu sunteti multumiti cu textul care apare in acest camp puteti stabili "
                                "aici, MANUAL, un alt text:"),
                 {8, 36, 481, 32});
    Label1->setWordWrap(true);
    Label2 = Eticheta(TabSheet2, "Label2", QStringLiteral("Text \"redefinit\":"), {8, 80, 481, 14});
    Edit1 = new QLineEdit(TabSheet2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 96, 481, 22);

    // "Asezare in pagina"
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    RzLabel2 = Titlu(TabSheet3, "RzLabel2",
                     QStringLiteral("Indicatii privind alinierea orizontala / verticala"), {8, 8, 481, 16});
    RzLabel3 = Eticheta(TabSheet3, "RzLabel3", QStringLiteral("Aliniere orizontala:"), {8, 30, 200, 14});
    m_aliniere = new QButtonGroup(this);
    RzRadioButton1 =
        Buton(TabSheet3, "RzRadioButton1", QStringLiteral("Implicit"), {16, 48, 200, 18}, m_aliniere, 0);
    RzRadioButton2 = Buton(TabSheet3, "RzRadioButton2", QStringLiteral("Aliniere la stanga"),
                           {16, 66, 200, 18}, m_aliniere, 1);
    RzRadioButton3 =
        Buton(TabSheet3, "RzRadioButton3", QStringLiteral("Centru"), {16, 84, 200, 18}, m_aliniere, 2);
    RzRadioButton4 =
        Buton(TabSheet3, "RzRadioButton4", QStringLiteral("Dreapta"), {16, 102, 200, 18}, m_aliniere, 3);
    RzLabel5 =
        Titlu(TabSheet3, "RzLabel5", QStringLiteral("Indicatii privind pozitionarea verticala si orizontala"),
              {8, 134, 481, 16});
    RzLabel4 = Eticheta(TabSheet3, "RzLabel4", QStringLiteral("Pozitionarea orizontala"), {8, 156, 200, 14});
    m_orizontal = new QButtonGroup(this);
    RzRadioButton5 =
        Buton(TabSheet3, "RzRadioButton5", QStringLiteral("Implicit"), {16, 174, 190, 18}, m_orizontal, 0);
    RzRadioButton6 = Buton(TabSheet3, "RzRadioButton6", QStringLiteral("Mai la stanga cu 0,5 mm"),
                           {16, 192, 190, 18}, m_orizontal, -1);
    RzRadioButton7 = Buton(TabSheet3, "RzRadioButton7", QStringLiteral("Mai la dreapta cu 0,5 mm"),
                           {16, 210, 190, 18}, m_orizontal, 1);
    RzLabel6 = Eticheta(TabSheet3, "RzLabel6", QStringLiteral("Pozitionarea verticala"), {216, 156, 200, 14});
    m_vertical = new QButtonGroup(this);
    RzRadioButton8 =
        Buton(TabSheet3, "RzRadioButton8", QStringLiteral("Implicit"), {224, 174, 190, 18}, m_vertical, 0);
    RzRadioButton9 = Buton(TabSheet3, "RzRadioButton9", QStringLiteral("Mai sus cu 0,5 mm"),
                           {224, 192, 190, 18}, m_vertical, -1);
    RzRadioButton10 = Buton(TabSheet3, "RzRadioButton10", QStringLiteral("Mai jos cu 0,5 mm"),
                            {224, 210, 190, 18}, m_vertical, 1);

    RzPageControl1->addTab(TabSheet1, QStringLiteral("Informatii despre acest camp"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("Redefinire text"));
    RzPageControl1->addTab(TabSheet3, QStringLiteral("Asezare in pagina"));
    RzPageControl1->setCurrentIndex(0);

    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(357, 335, 75, 25);
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(438, 335, 75, 25);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TEditorTextFormular::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TEditorTextFormular::RzBitBtn2Click);

    CentreazaFereastra(this);
}

void TEditorTextFormular::Incarca(const TParticularizareTextArea &particularizare,
                                  const TFormularTextArea &arie)
{
    const TParticularizareTextArea &p = particularizare;
    RzComboBox2->setCurrentIndex(p.Italic >= 0 && p.Italic < RzComboBox2->count() ? p.Italic : -1);
    RzComboBox3->setCurrentIndex(p.Bold >= 0 && p.Bold < RzComboBox3->count() ? p.Bold : -1);
    (p.Familie.isEmpty() ? RzRadioButton11 : RzRadioButton12)->setChecked(true);
    // A typeface that is not installed leaves the list without a selection.
    RzFontComboBox1->setCurrentIndex(
        p.Familie.isEmpty() ? -1 : RzFontComboBox1->findText(p.Familie, Qt::MatchFixedString));
    RzMemo1->setPlainText(arie.SursaText().join(QLatin1Char('\n')));
    Edit1->setText(p.TextInlocuitor);
    AlegeValoarea(m_aliniere, p.Aliniere);
    AlegeValoarea(m_orizontal, p.DeplasareOrizontala);
    AlegeValoarea(m_vertical, p.DeplasareVerticala);

    RzComboBox1->clear();
    const TFontFormular *selectat = p.Font ? p.Font.data() : arie.Font();
    int index = -1;
    if (const QWidget *proprietar = arie.Proprietar()) {
        for (TFontFormular *font : proprietar->findChildren<TFontFormular *>()) {
            const QString text =
                font->DescrierePentruEditor().isEmpty() ? font->objectName() : font->DescrierePentruEditor();
            RzComboBox1->addItem(text, QVariant::fromValue<QObject *>(font));
            if (font == selectat)
                index = RzComboBox1->count() - 1;
        }
    }
    RzComboBox1->setCurrentIndex(index);
}

TAlegeriTextArea TEditorTextFormular::Alegeri() const
{
    TAlegeriTextArea a;
    a.Aliniere = ValoareAleasa(m_aliniere);
    a.DeplasareOrizontala = ValoareAleasa(m_orizontal);
    a.DeplasareVerticala = ValoareAleasa(m_vertical);
    if (RzComboBox1->currentIndex() >= 0)
        a.Font = qobject_cast<TFontFormular *>(RzComboBox1->currentData().value<QObject *>());
    a.TextInlocuitor = Edit1->text();
    a.Italic = IndexAles(RzComboBox2);
    a.Bold = IndexAles(RzComboBox3);
    if (!RzRadioButton11->isChecked() && RzFontComboBox1->currentIndex() >= 0)
        a.Familie = RzFontComboBox1->currentText();
    return a;
}

void TEditorTextFormular::RzBitBtn1Click()
{
    accept();
}

void TEditorTextFormular::RzBitBtn2Click()
{
    reject();
}

void EditTextArea(TFormularTextArea &arie)
{
    TParticularizareTextArea *p = arie.Particularizare(true);
    std::exception_ptr eroare;
    try {
        const std::unique_ptr<TEditorTextFormular> dialog = std::make_unique<TEditorTextFormular>(&arie);
        dialog->Incarca(*p, arie);
        arie.SetMouseOver(false);
        if (dialog->exec() == QDialog::Accepted) {
            AplicaAlegerile(dialog->Alegeri(), *p);
            arie.update();
        }
    } catch (...) {
        eroare = std::current_exception();
    }
    // Saved whether the dialog was confirmed or not; the first failure is the one reported.
    try {
        CustomisationList().SaveList();
    } catch (...) {
        if (!eroare)
            throw;
    }
    if (eroare)
        std::rethrow_exception(eroare);
}

void InstaleazaEditareTextArea(QWidget &fereastra)
{
    for (TFormularTextArea *arie : fereastra.findChildren<TFormularTextArea *>()) {
        QObject::connect(arie, &TFormularTextArea::Click, arie,
                         [arie] { RuleazaActiune([arie] { EditTextArea(*arie); }); });
    }
}
