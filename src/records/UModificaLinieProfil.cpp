#include "records/UModificaLinieProfil.h"

#include <optional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "data/UDm.h"
#include "data/UGardaTranzactie.h"
#include "data/UProfilStocat.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"
#include "comun/CentrareFereastra.h"

namespace {

const QString kDa = QStringLiteral("DA");
const QString kSelectiv = QStringLiteral("SELECTIV");
const QString kNu = QStringLiteral("NU");

TDM &BazaDeDate()
{
    if (!DM || !DM->Conectat())
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    return *DM;
}

// The tables a line may belong to: the candidates' own and the entity
// tables; Tr must be active.
QStringList TabeleEntitati(TDM &dm)
{
    QStringList tabele{QStringLiteral("ELEVI")};
    for (const QString &tabel : ProfilStocat::NumeTabele(dm)) {
        if (!tabele.contains(tabel))
            tabele.append(tabel);
    }
    return tabele;
}

} // namespace

TModificaLinieProfil::TModificaLinieProfil(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("ModificaLinieProfil"));
    setWindowTitle(QStringLiteral("Modifica linie profil"));
    setFixedSize(296, 128);

    Label1 = new QLabel(QStringLiteral("Onorez similar"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 6, 280, 14);
    RzComboBox1 = new QComboBox(this);
    RzComboBox1->setObjectName(QStringLiteral("RzComboBox1"));
    RzComboBox1->setEditable(false);
    RzComboBox1->addItems({kDa, kSelectiv, kNu});
    RzComboBox1->setGeometry(8, 22, 280, 22);
    Label1->setBuddy(RzComboBox1);

    Label2 = new QLabel(QStringLiteral("Asociat cu"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 50, 280, 14);
    RzEdit2 = new QLineEdit(this);
    RzEdit2->setObjectName(QStringLiteral("RzEdit2"));
    RzEdit2->setGeometry(8, 66, 280, 22);
    Label2->setBuddy(RzEdit2);

    RzBitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(132, 97, 75, 25);
    RzBitBtn1->setDefault(true);
    RzBitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    RzBitBtn2->setGeometry(213, 97, 75, 25);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TModificaLinieProfil::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TModificaLinieProfil::RzBitBtn2Click);

    CentreazaFereastra(this);
}

void TModificaLinieProfil::IncarcaLinia(const QString &codFormular, const QString &codPagina,
                                        const QString &codCamp)
{
    m_codFormular = codFormular;
    m_codPagina = codPagina;
    m_codCamp = codCamp;
    TDM &dm = BazaDeDate();
    const TGardaTranzactie garda(dm);
    const std::optional<TSetareLinieProfil> setare =
        ProfilStocat::CitesteSetarea(dm, {codFormular, codPagina, codCamp});
    if (!setare)
        throw Exceptie(
            QStringLiteral("Linia de profil %1.%2.%3 nu mai exista.").arg(codFormular, codPagina, codCamp));
    // Any other mode ("OPTIONAL", empty) shows as "NU", which is how it prints when set.
    const QString &onorez = setare->OnorezSimilar;
    RzComboBox1->setCurrentIndex(onorez == kDa ? 0 : onorez == kSelectiv ? 1 : 2);
    m_asociatCuIncarcat = setare->AsociatCu;
    RzEdit2->setText(m_asociatCuIncarcat);
}

bool TModificaLinieProfil::Salveaza()
{
    TDM &dm = BazaDeDate();
    const QString asociatCu = RzEdit2->text();
    const int index = RzComboBox1->currentIndex();
    const QString onorez = index == 0 ? kDa : index == 1 ? kSelectiv : kNu;
    // The tables the program knows, when the one typed is not among them.
    std::optional<QStringList> refuzat;
    {
        TGardaTranzactie garda(dm);
        // The table name ends up in the lookup's statements: only a table the
        // program knows may go there (the value loaded is kept as it was).
        if (asociatCu != m_asociatCuIncarcat) {
            const QStringList tabele = TabeleEntitati(dm);
            if (!tabele.contains(asociatCu))
                refuzat = tabele;
        }
        if (!refuzat) {
            const int schimbate =
                ProfilStocat::ScrieSetarea(dm, {m_codFormular, m_codPagina, m_codCamp}, {onorez, asociatCu});
            if (schimbate == 0)
                throw Exceptie(
                    QStringLiteral("Linia de profil %1.%2.%3 nu mai exista; modificarea nu a fost salvata.")
                        .arg(m_codFormular, m_codPagina, m_codCamp));
            garda.Commit();
        }
    }
    if (refuzat) {
        Mesaje().Avertizare(QStringLiteral("\"%1\" nu este un tabel al programului. La \"Asociat cu\" "
                                           "scrieti unul dintre: %2.")
                                .arg(asociatCu, refuzat->join(QStringLiteral(", "))));
        RzEdit2->setFocus();
        RzEdit2->selectAll();
        return false;
    }
    return true;
}

void TModificaLinieProfil::RzBitBtn1Click()
{
    RuleazaActiune([this] {
        if (Salveaza())
            accept();
    });
}

void TModificaLinieProfil::RzBitBtn2Click()
{
    reject();
}
