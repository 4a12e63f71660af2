#include "printing/InsertPaper.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "data/UCai.h"
#include "printing/LucrareTiparire.h"
#include "printing/UAllStuffReg.h"
#include "comun/Mesaje.h"
#include "comun/CentrareFereastra.h"

namespace {

QLabel *Imagine(QWidget *parinte, const char *nume, const char *fisier, const QRect &loc)
{
    auto *l = new QLabel(parinte);
    l->setObjectName(QLatin1String(nume));
    l->setPixmap(QPixmap(Locatii().CaleProgram(QLatin1String(fisier))));
    l->setGeometry(loc);
    l->setAlignment(Qt::AlignCenter);
    l->hide();
    return l;
}

bool Real(const QLineEdit *edit, double &valoare)
{
    return TAllStuffReg::RealDinText(edit->text(), valoare);
}

} // namespace

TInsertPaperForm::TInsertPaperForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("InsertPaperForm"));
    setWindowTitle(QStringLiteral("Introduceti diploma in imprimanta"));
    setFixedSize(560, 250);

    const QRect poza(40, 30, 240, 170);
    Image1 = Imagine(this, "Image1", "fata.png", poza);
    Image2 = Imagine(this, "Image2", "verso.png", poza);
    Image3 = Imagine(this, "Image3", "fata_intoarsa.png", poza);
    Image4 = Imagine(this, "Image4", "verso_intors.png", poza);
    Image5 = Imagine(this, "Image5", "sageata_jos.png", QRect(4, 4, 40, 60));
    Image6 = Imagine(this, "Image6", "sageata_sus.png", QRect(4, 4, 40, 60));

    Label1 = new QLabel(
        QStringLiteral("Va rog sa introduceti diploma in imprimanta, asa cum apare in imaginea din "
                       "stanga."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setGeometry(296, 20, 250, 48);
    Label2 = new QLabel(QStringLiteral("Margine stanga, in milimetri."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(296, 74, 250, 18);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(296, 94, 120, 24);
    Label3 = new QLabel(QStringLiteral("Margine sus, in milimetri."), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(296, 124, 250, 18);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(296, 144, 120, 24);
    RzCheckBox1 = new QCheckBox(QStringLiteral("Tiparesc imaginea in oglinda"), this);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setToolTip(
        QStringLiteral("Utilizati aceasta bifa pentru a va asigura\nca diploma NU se introduce in "
                       "imprimanta\ncu cotorul inainte."));
    RzCheckBox1->setGeometry(296, 176, 250, 22);
    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(370, 214, 84, 26);
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(462, 214, 84, 26);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TInsertPaperForm::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(RzCheckBox1, &QCheckBox::clicked, this, &TInsertPaperForm::RzCheckBox1Click);

    CentreazaFereastra(this);
}

void TInsertPaperForm::Pregateste(int side, const TAllStuffReg &setari, double stanga, double sus)
{
    for (QLabel *l : {Image1, Image2, Image3, Image4, Image5, Image6})
        l->hide();
    const bool opusa = setari.PrintsOnOppositeFace;
    struct Varianta
    {
        const char *titlu;
        QLabel *neoglindit;
        QLabel *oglindit;
    };
    const Varianta v = side == 0
                           ? (opusa ? Varianta{"(2)", Image2, Image4} : Varianta{"(1)", Image3, Image1})
                           : (opusa ? Varianta{"(4)", Image1, Image3} : Varianta{"(3)", Image2, Image4});
    setWindowTitle(QLatin1String(v.titlu));
    m_neoglindit = v.neoglindit;
    m_oglindit = v.oglindit;

    const bool intors = setari.FeedMode == 1 || setari.FeedMode == 3;
    (intors ? Image5 : Image6)->show();

    RzCheckBox1->setChecked(TLucrareTiparire::IntoarsaImplicit(setari, side));

    QLocale locale;
    Edit1->setText(TAllStuffReg::RealCaText(stanga, locale));
    Edit2->setText(TAllStuffReg::RealCaText(sus, locale));
    RzCheckBox1Click();
}

void TInsertPaperForm::RzCheckBox1Click()
{
    if (!m_neoglindit || !m_oglindit)
        return;
    m_neoglindit->setVisible(!RzCheckBox1->isChecked());
    m_oglindit->setVisible(RzCheckBox1->isChecked());
}

void TInsertPaperForm::RzBitBtn1Click()
{
    double valoare = 0;
    for (QLineEdit *e : {Edit1, Edit2}) {
        if (!Real(e, valoare)) {
            Mesaje().Eroare(QStringLiteral("\"%1\" nu este un numar valid.").arg(e->text()));
            e->setFocus();
            e->selectAll();
            return;
        }
    }
    accept();
}

bool TInsertPaperForm::Finalizeaza(int side, TAllStuffReg &setari, double &stanga, double &sus)
{
    const bool oglindit = RzCheckBox1->isChecked();
    setari.SetMirrorChoice(side, oglindit ? QStringLiteral("D") : QStringLiteral("N"));
    // After "Renunt" the margins stay as they were, whatever the boxes hold.
    if (result() == QDialog::Accepted) {
        Real(Edit1, stanga);
        Real(Edit2, sus);
    }
    return oglindit;
}

int AskPaperInsertion(TInsertPaperForm &dialog, TAllStuffReg &setari, int side, double &stanga, double &sus,
                      bool &oglindit)
{
    dialog.Pregateste(side, setari, stanga, sus);
    const int rezultat = dialog.exec();
    oglindit = dialog.Finalizeaza(side, setari, stanga, sus);
    return rezultat;
}
