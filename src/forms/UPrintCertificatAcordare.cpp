#include "forms/UPrintCertificatAcordare.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data/UCai.h"
#include "forms/DocumentCertificatAcordare.h"
#include "forms/FontFormular.h"
#include "forms/FormularDePrintat.h"
#include "forms/ProiectCertificatAcordare.h"
#include "forms/QFormularTextArea.h"
#include "forms/UEditorTextFormular.h"
#include "printing/ContextTiparire.h"
#include "printing/TiparireCertificat.h"
#include "comun/Actiune.h"
#include "comun/Mesaje.h"

TPrintCertificatAcordare::TPrintCertificatAcordare(QWidget *parent) : TTemplate(parent)
{
    // The window's name keys the user's text-area adjustments.
    setObjectName(QStringLiteral("PrintCertificatAcordare"));
    setWindowTitle(QStringLiteral("Vizualizare inaintea imprimarii"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    resize(1200, 900);

    auto *principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(28);
    const auto buton = [this](QWidget *parinte, const char *nume, const QString &text, int stanga) {
        auto *b = new QPushButton(text, parinte);
        b->setObjectName(QLatin1String(nume));
        b->setGeometry(stanga, 2, 96, 24);
        return b;
    };
    RzBitBtn1 = buton(Panel2, "RzBitBtn1", QStringLiteral("Tipareste"), 3);
    BtnProba = buton(Panel2, "BtnProba", QStringLiteral("Proba pe hartie"), 102);
    BtnProba->setFixedWidth(112);
    RzBitBtn2 = buton(Panel2, "RzBitBtn2", QStringLiteral("Mareste"), 217);
    RzBitBtn3 = buton(Panel2, "RzBitBtn3", QStringLiteral("Micsoreaza"), 316);
    EtichetaCandidat = new QLabel(Panel2);
    EtichetaCandidat->setObjectName(QStringLiteral("EtichetaCandidat"));
    EtichetaCandidat->setGeometry(425, 2, 700, 24);
    QFont gros = EtichetaCandidat->font();
    gros.setBold(true);
    EtichetaCandidat->setFont(gros);
    principal->addWidget(Panel2);
    EtichetaConstatari = new QLabel(this);
    EtichetaConstatari->setObjectName(QStringLiteral("EtichetaConstatari"));
    EtichetaConstatari->setStyleSheet(QStringLiteral("color: #c00000; padding: 2px 4px;"));
    EtichetaConstatari->setWordWrap(true);
    EtichetaConstatari->hide();
    principal->addWidget(EtichetaConstatari);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Fata"));
    auto *pagina = new QVBoxLayout(TabSheet3);
    pagina->setContentsMargins(0, 0, 0, 0);
    ScrollBox1 = new QScrollArea(TabSheet3);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    pagina->addWidget(ScrollBox1);
    principal->addWidget(PageControl1, 1);

    // The document on screen: built from the design data, shown by the views below.
    m_document = CreeazaDocumentCertificatAcordare().release();
    m_document->setParent(this);
    TPaginaFormular *model = m_document->Pagina(0);

    FormularDePrintat1 = new TFormularDePrintat(nullptr, model);
    FormularDePrintat1->setObjectName(QStringLiteral("FormularDePrintat1"));
    FormularDePrintat1->SetTextAreaBaseLine2_delta(1.0);
    FormularDePrintat1->SetTextAreaTopLine1_delta(1.0);
    FormularDePrintat1->SetBkImage(QImage(Locatii().CaleProgram(model->Fundal())));
    ScrollBox1->setWidget(FormularDePrintat1);
    ScrollBox1->setWidgetResizable(false);

    for (TZonaText *zona : model->TextAreas()) {
        auto *arie = new TFormularTextArea(FormularDePrintat1, zona);
        arie->SetIncarcare(true);
        arie->SetZoomLock(CertificatAcordare::kZoomLock);
        arie->ApplyZoom();
        arie->SetIncarcare(false);
    }

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(28);
    auto *jos = new QHBoxLayout(Panel1);
    jos->setContentsMargins(0, 0, 0, 0);
    jos->addStretch();
    Panel3 = new QWidget(Panel1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedWidth(110);
    jos->addWidget(Panel3);
    RzBitBtn4 = buton(Panel3, "RzBitBtn4", QStringLiteral("Exit"), 8);
    principal->addWidget(Panel1);

    // A click on an area lets the user adjust it.
    InstaleazaEditareTextArea(*this);

    connect(RzBitBtn1, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { Button1Click(); }); });
    connect(BtnProba, &QPushButton::clicked, this, [this] {
        RuleazaActiune([this] {
            PrintProof(TContextTiparire::Al(this), PageControl1->currentIndex(), *FormularDePrintat1);
        });
    });
    connect(RzBitBtn2, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { Button2Click(); }); });
    connect(RzBitBtn3, &QPushButton::clicked, this, [this] { RuleazaActiune([this] { Button3Click(); }); });
    connect(RzBitBtn4, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrintCertificatAcordare::SeteazaCandidat(const QString &nume)
{
    EtichetaCandidat->setText(nume.isEmpty() ? QString() : QStringLiteral("Candidat: ") + nume);
}

void TPrintCertificatAcordare::DupaUmplere(const QHash<QString, QString> &etichete)
{
    m_constatari = VerificaLizibilitatea(*m_document->Pagina(0),
                                         [&etichete](const QString &d1) { return etichete.value(d1); });
    QStringList linii;
    for (const TConstatareLizibilitate &c : std::as_const(m_constatari))
        linii.append(DescriereConstatare(c));
    for (TFormularTextArea *arie : FormularDePrintat1->findChildren<TFormularTextArea *>()) {
        const QString nume = arie->Zona().objectName();
        arie->SetSemnalata(std::any_of(m_constatari.cbegin(), m_constatari.cend(),
                                       [&nume](const TConstatareLizibilitate &c) { return c.Arie == nume; }));
    }
    EtichetaConstatari->setText(
        linii.isEmpty() ? QString() : QStringLiteral("Texte prea mici: ") + linii.join(QStringLiteral("; ")));
    EtichetaConstatari->setVisible(!linii.isEmpty());
}

void TPrintCertificatAcordare::Button1Click()
{
    if (!m_constatari.isEmpty() &&
        !Mesaje().Intrebare(
            QStringLiteral("Unele texte sunt prea mici sau nu incap pe certificat. Tiparesc totusi?")))
        return;
    const std::optional<QString> imprimanta =
        PrintCertificate(TContextTiparire::Al(this), PageControl1->currentIndex(), *FormularDePrintat1);
    if (imprimanta && LaTiparire)
        LaTiparire(*imprimanta);
}

void TPrintCertificatAcordare::Button2Click()
{
    if (PageControl1->currentIndex() == 0)
        FormularDePrintat1->SetZoom(FormularDePrintat1->Zoom() * 1.1);
}

void TPrintCertificatAcordare::Button3Click()
{
    if (PageControl1->currentIndex() == 0)
        FormularDePrintat1->SetZoom(FormularDePrintat1->Zoom() * 0.9090909090909090909);
}

THandlerCertificatAcordare::THandlerCertificatAcordare()
    : THandlerFormularDePrintat(QStringLiteral("Certificat Acordare"))
{}

TTemplate *THandlerCertificatAcordare::CreatePreview(QWidget *owner) const
{
    return new TPrintCertificatAcordare(owner);
}

void InregistreazaHandlerCertificatAcordare()
{
    ListaHandlere().Add(std::make_unique<THandlerCertificatAcordare>());
}
