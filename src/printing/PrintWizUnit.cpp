#include "printing/PrintWizUnit.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/UCai.h"
#include "printing/DispozitivImprimanta.h"
#include "printing/LucrareTiparire.h"
#include "printing/UAllStuffReg.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/CentrareFereastra.h"

void SetupPrinterPage(IDispozitivImprimanta &dispozitiv, bool portret)
{
    dispozitiv.SetariDispozitiv(TLucrareTiparire::Foaie(portret));
}

namespace {

QImage Imagine(const QString &nume)
{
    return QImage(Locatii().CaleProgram(nume + QStringLiteral(".png")));
}

QLabel *Text(QWidget *parinte, QVBoxLayout *loc, const QString &text, bool titlu = false)
{
    auto *l = new QLabel(text, parinte);
    l->setWordWrap(true);
    if (titlu) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.2);
        l->setFont(f);
    }
    loc->addWidget(l);
    return l;
}

QRadioButton *Alegere(QWidget *parinte, QVBoxLayout *loc, const char *nume, const QString &text,
                      const QString &explicatie = QString())
{
    auto *b = new QRadioButton(text, parinte);
    b->setObjectName(QLatin1String(nume));
    loc->addWidget(b);
    if (!explicatie.isEmpty()) {
        auto *l = new QLabel(explicatie, parinte);
        l->setWordWrap(true);
        l->setContentsMargins(24, 0, 0, 6);
        l->setStyleSheet(QStringLiteral("color: #555;"));
        loc->addWidget(l);
    }
    return b;
}

QLabel *Poza(QWidget *parinte, const QString &fisier)
{
    auto *l = new QLabel(parinte);
    l->setPixmap(QPixmap::fromImage(Imagine(fisier)));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

TPrintWiz::TPrintWiz(IDispozitivImprimanta &dispozitiv, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_dispozitiv(dispozitiv)
{
    setObjectName(QStringLiteral("PrintWiz"));
    setWindowTitle(QStringLiteral("Formular pentru pregatirea imprimantei"));
    setFixedSize(560, 440);

    auto *principal = new QVBoxLayout(this);
    auto *antet = new QLabel(QStringLiteral("Formular pentru configurarea imprimantei"), this);
    antet->setStyleSheet(QStringLiteral("background: #1d3b6e; color: white; font-weight: bold; padding: 10px;"));
    principal->addWidget(antet);

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    principal->addWidget(PageControl1, 1);
    std::vector<QVBoxLayout *> pagini;
    for (int i = 0; i <= TLogicaPrintWiz::Final; ++i) {
        auto *p = new QWidget(PageControl1);
        p->setObjectName(QStringLiteral("TabSheet%1").arg(i));
        pagini.push_back(new QVBoxLayout(p));
        PageControl1->addWidget(p);
    }
    const auto pagina = [&](int i) { return pagini[size_t(i)]; };
    const auto widget = [&](int i) { return PageControl1->widget(i); };

    // 0: the printer.
    Text(widget(0), pagina(0), QStringLiteral("Selectati imprimanta"), true);
    Text(widget(0), pagina(0), QStringLiteral("Va rugam selectati, din lista de mai jos, imprimanta cu care doriti sa "
                                              "tipariti diplomele"));
    ListaImprimante = new QTreeWidget(widget(0));
    ListaImprimante->setObjectName(QStringLiteral("ListaImprimante"));
    ListaImprimante->setHeaderLabels({QStringLiteral("Denumire")});
    ListaImprimante->setRootIsDecorated(false);
    pagina(0)->addWidget(ListaImprimante);

    // 1: how the paper goes in.
    Text(widget(1), pagina(1), QStringLiteral("Selectati modul de alimentare cu hartie:"), true);
    RadioButton1 = Alegere(widget(1), pagina(1), "RadioButton1", QStringLiteral("Alimentarea prin partea de sus"),
                           QStringLiteral("Coala se introduce in caseta din spatele imprimantei, deasupra ei."));
    RadioButton2 = Alegere(widget(1), pagina(1), "RadioButton2", QStringLiteral("Alimentare frontala"),
                           QStringLiteral("Coala se introduce in tava din fata imprimantei."));
    RadioButton3 = Alegere(widget(1), pagina(1), "RadioButton3",
                           QStringLiteral("Alimentare cu caseta interna sau alte modalitati"),
                           QStringLiteral("Coala se aseaza intr-o caseta din interiorul imprimantei sau altfel."));
    pagina(1)->addStretch();

    Text(widget(2), pagina(2), QStringLiteral("Ati selectat alimentare cu caseta frontala."), true);
    Text(widget(2), pagina(2), QStringLiteral("Va recomandam sa tipariti cu clapeta din spatele imprimantei deschisa, "
                                              "astfel incat diploma sa iasa drept si sa nu se indoaie."));
    pagina(2)->addStretch();

    Text(widget(3), pagina(3), QStringLiteral("Ati selectat alimentare cu caseta interna."), true);
    Text(widget(3), pagina(3), QStringLiteral("Va recomandam sa folositi alimentarea manuala, coala cu coala, daca "
                                              "imprimanta o permite."));
    pagina(3)->addStretch();

    Text(widget(4), pagina(4), QStringLiteral("Reprezentarea vizuala a modului de alimentare cu hartie"), true);
    Text(widget(4), pagina(4), QStringLiteral("Care dintre urmatoarele reprezentari vi se pare mai intuitiva?"));
    RadioButton4 = Alegere(widget(4), pagina(4), "RadioButton4", QStringLiteral("Hartie in pozitia normala."));
    pagina(4)->addWidget(Poza(widget(4), QStringLiteral("alimentare4")));
    RadioButton5 = Alegere(widget(4), pagina(4), "RadioButton5", QStringLiteral("Hartie rasturnata."));
    pagina(4)->addWidget(Poza(widget(4), QStringLiteral("alimentare3")));

    Text(widget(5), pagina(5), QStringLiteral("Stabilirea modului de manevrare a hartiei."), true);
    Text(widget(5), pagina(5), QStringLiteral("Introduceti o coala alba de hartie in imprimanta. Apasati butonul "
                                              "\"Inainte\" cand imprimanta este pregatita."));
    pagina(5)->addStretch();

    Text(widget(6), pagina(6), QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata pe partea vizibila "
                                              "a paginii, asa cum se vede in imaginea alaturata."));
    Text(widget(6), pagina(6), QStringLiteral("Programul va incerca sa tipareasca o sageata hasurata in interiorul "
                                              "sagetii deja tiparite."));
    m_imagineAlimentare6 = Poza(widget(6), QStringLiteral("alimentare1"));
    pagina(6)->addWidget(m_imagineAlimentare6);

    Text(widget(7), pagina(7), QStringLiteral("Sageata hasurata a fost tiparita pe aceeasi parte cu prima sageata, sau a "
                                              "fost tiparita pe partea opusa?"));
    RadioButton6 = Alegere(widget(7), pagina(7), "RadioButton6", QStringLiteral("Pe aceeasi parte"));
    RadioButton7 = Alegere(widget(7), pagina(7), "RadioButton7", QStringLiteral("Pe partea opusa"));
    pagina(7)->addStretch();

    m_textReintroducere = Text(widget(8), pagina(8), QString());
    Text(widget(8), pagina(8), QStringLiteral("Programul va afisa doua liniii în dreptul sagetii."));
    m_imagineAlimentare8 = Poza(widget(8), QStringLiteral("alimentare1"));
    pagina(8)->addWidget(m_imagineAlimentare8);

    Text(widget(9), pagina(9), QStringLiteral("Cum arata imaginea obtinuta?"), true);
    auto *rand = new QHBoxLayout;
    const char *nume[] = {"RadioButton8", "RadioButton9", "RadioButton10", "RadioButton11"};
    const QString texte[] = {QStringLiteral("Linie orizontala sus si linie verticala la stanga"),
                             QStringLiteral("Linie orizontala sus si linie verticala la dreapta"),
                             QStringLiteral("Linie orizontala jos si linie verticala la dreapta"),
                             QStringLiteral("Linie orizontala jos si linie verticala la stanga")};
    QRadioButton **butoane[] = {&RadioButton8, &RadioButton9, &RadioButton10, &RadioButton11};
    for (int i = 0; i < 4; ++i) {
        auto *coloana = new QVBoxLayout;
        coloana->addWidget(Poza(widget(9), QStringLiteral("linii%1").arg(i + 1)));
        *butoane[i] = Alegere(widget(9), coloana, nume[i], texte[i]);
        (*butoane[i])->setStyleSheet(QStringLiteral("font-size: 10px;"));
        rand->addLayout(coloana);
    }
    pagina(9)->addLayout(rand);

    Text(widget(13), pagina(13), QStringLiteral("Am finalizat"), true);
    Text(widget(13), pagina(13), QStringLiteral("Toate informatiile necesare au fost obtinute. Ramane la aprecierea "
                                                "dumneavoastra daca precizia imprimantei este suficienta pentru a "
                                                "tipari diplome."));
    Text(widget(13), pagina(13), QStringLiteral("Pentru a inchide acest formular apasati butonul \"Inainte\""));
    pagina(13)->addStretch();

    auto *butoaneJos = new QHBoxLayout;
    butoaneJos->addStretch();
    RzBitBtn1 = new QPushButton(QStringLiteral("Inapoi"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn2 = new QPushButton(QStringLiteral("Inainte"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setDefault(true);
    RzBitBtn3 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn3->setObjectName(QStringLiteral("RzBitBtn3"));
    for (QPushButton *b : {RzBitBtn1, RzBitBtn2, RzBitBtn3})
        butoaneJos->addWidget(b);
    principal->addLayout(butoaneJos);
    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { RzBitBtn1Click(); }); });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { NiceButton2Click(); }); });
    connect(RzBitBtn3, &QPushButton::clicked, this, [this] { RzBitBtn3Click(); });

    // Radio buttons of different pages are independent choices.
    for (QList<QRadioButton *> grup : {QList<QRadioButton *>{RadioButton1, RadioButton2, RadioButton3},
                                       QList<QRadioButton *>{RadioButton4, RadioButton5},
                                       QList<QRadioButton *>{RadioButton6, RadioButton7},
                                       QList<QRadioButton *>{RadioButton8, RadioButton9, RadioButton10, RadioButton11}}) {
        auto *g = new QButtonGroup(this);
        for (QRadioButton *b : grup)
            g->addButton(b);
    }

    m_logica.tipareste = [this](const QString &titlu, const QString &imagine) { TiparesteTest(titlu, imagine); };

    const QStringList imprimante = dispozitiv.Imprimante();
    for (const QString &n : imprimante)
        new QTreeWidgetItem(ListaImprimante, {n});
    const int curenta = dispozitiv.ImprimantaCurenta();
    if (curenta >= 0 && curenta < ListaImprimante->topLevelItemCount())
        ListaImprimante->topLevelItem(curenta)->setSelected(true);
    ArataPagina(TLogicaPrintWiz::SelectareImprimanta);
    CentreazaFereastra(this);
}

int TPrintWiz::PaginaVizibila() const
{
    return PageControl1->currentIndex();
}

void TPrintWiz::ArataPagina(int pagina)
{
    PageControl1->setCurrentIndex(pagina);
}

void TPrintWiz::CitesteAlegerile()
{
    using L = TLogicaPrintWiz;
    m_logica.alimentare = RadioButton1->isChecked()   ? L::TipAlimentare::Sus
                          : RadioButton2->isChecked() ? L::TipAlimentare::Frontala
                          : RadioButton3->isChecked() ? L::TipAlimentare::Alta
                                                      : L::TipAlimentare::Niciuna;
    m_logica.reprezentare = RadioButton4->isChecked()   ? L::TipReprezentare::Normala
                            : RadioButton5->isChecked() ? L::TipReprezentare::Rasturnata
                                                        : L::TipReprezentare::Niciuna;
    m_logica.parte = RadioButton6->isChecked()   ? L::Parte::Aceeasi
                     : RadioButton7->isChecked() ? L::Parte::Opusa
                                                 : L::Parte::Niciuna;
    m_logica.linii = RadioButton8->isChecked()    ? L::Linii::SusStanga
                     : RadioButton9->isChecked()  ? L::Linii::SusDreapta
                     : RadioButton10->isChecked() ? L::Linii::JosDreapta
                     : RadioButton11->isChecked() ? L::Linii::JosStanga
                                                  : L::Linii::Niciuna;
}

void TPrintWiz::NiceButton2Click()
{
    CitesteAlegerile();
    if (!m_logica.Inainte()) {
        accept();
        return;
    }
    const int pagina = m_logica.PaginaCurenta();
    if (pagina == TLogicaPrintWiz::ADouaSageata || pagina == TLogicaPrintWiz::Liniile) {
        const QPixmap imagine =
            QPixmap::fromImage(Imagine(QStringLiteral("alimentare%1").arg(qBound(1, m_logica.FeedMode, 4))));
        m_imagineAlimentare6->setPixmap(imagine);
        m_imagineAlimentare8->setPixmap(imagine);
    }
    if (pagina == TLogicaPrintWiz::Liniile)
        m_textReintroducere->setText(m_logica.TextReintroducere());
    ArataPagina(pagina);
}

void TPrintWiz::RzBitBtn1Click()
{
    m_logica.Inapoi();
    ArataPagina(m_logica.PaginaCurenta());
}

void TPrintWiz::RzBitBtn3Click()
{
    reject();
}

void TPrintWiz::TiparesteTest(const QString &titlu, const QString &imagine)
{
    IDispozitivImprimanta &dispozitiv = m_dispozitiv;
    const QList<QTreeWidgetItem *> selectate = ListaImprimante->selectedItems();
    if (!selectate.isEmpty())
        dispozitiv.SelecteazaImprimanta(ListaImprimante->indexOfTopLevelItem(selectate.first()));
    SetupPrinterPage(dispozitiv, true);
    const QImage poza = Imagine(imagine);
    const QImage sablon = Imagine(QStringLiteral("t"));
    TLucrareTiparire::Document(dispozitiv, titlu, [&] {
        const TCapabilitatiDispozitiv c = dispozitiv.Capabilitati();
        dispozitiv.DeseneazaImagine(
            poza, TLogicaPrintWiz::DreptunghiImagine({c.HorzRes, c.VertRes}, sablon.size(), poza.size()));
    });
}

void TPrintWiz::SalveazaRaspunsurile()
{
    IDispozitivImprimanta &dispozitiv = m_dispozitiv;
    TAllStuffReg setari;
    setari.Configured = true;
    setari.PrintsOnOppositeFace = m_logica.PrintsOnOppositeFace;
    setari.VerticalLineRight = m_logica.VerticalLineRight;
    setari.HorizontalLineBottom = m_logica.HorizontalLineBottom;
    setari.FeedMode = quint8(m_logica.FeedMode);
    setari.PrinterIndex = dispozitiv.ImprimantaCurenta();
    setari.PrinterName = dispozitiv.Imprimante().value(setari.PrinterIndex);
    setari.Salveaza();
}

int TPrintWiz::RunWizard()
{
    const int rezultat = exec();
    if (rezultat == QDialog::Accepted)
        SalveazaRaspunsurile();
    return rezultat;
}
