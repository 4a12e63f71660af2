#include "shell/UCertificatAcordareMain.h"

#include <QCursor>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "candidates/UListaElevi.h"
#include "data/UDm.h"
#include "import/UImportExcelExpert.h"
#include "printing/ContextTiparire.h"
#include "printing/PrintWizUnit.h"
#include "records/UConfigurareDiploma.h"
#include "settings/UBazaDeDate.h"
#include "records/UListaGenerica.h"
#include "settings/UEditorConfigGlobal.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "data/UDm.h"
#include "shell/URestaurareBaza.h"
#include "comun/Mesaje.h"
#include "comun/CentrareFereastra.h"
#include "shell/UPornireAplicatie.h"

void PozitioneazaFereastraPrincipala(QWidget *fereastra)
{
    QScreen *ecran = QGuiApplication::screenAt(QCursor::pos());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (ecran && ecran->geometry().height() < 1200) {
        const QRect w = ecran->availableGeometry();
        fereastra->setGeometry(w.left() + 15, w.top() + 15, w.width() - 30, w.height() - 30);
        fereastra->setWindowState(fereastra->windowState() | Qt::WindowMaximized);
    }
    CentreazaFereastra(fereastra);
}

TCertificatAcordareMain::TCertificatAcordareMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("CertificatAcordareMain"));
    setWindowTitle(QStringLiteral("CertificatAcordareMain"));
    resize(869, 623);

    Configurare1 = menuBar()->addMenu(QStringLiteral("Configurare"));
    Configurare1->setObjectName(QStringLiteral("Configurare1"));
    const auto intrare = [this](const char *nume, const QString &text,
                                void (TCertificatAcordareMain::*slot)()) {
        QAction *a = Configurare1->addAction(text);
        a->setObjectName(QLatin1String(nume));
        connect(a, &QAction::triggered, this,
                [this, slot] { RuleazaActiune([this, slot] { (this->*slot)(); }); });
        return a;
    };
    Configurareimprimanta2 = intrare("Configurareimprimanta2", QStringLiteral("Configurare imprimanta"),
                                     &TCertificatAcordareMain::Configurareimprimanta2Click);
    Formatnote1 =
        intrare("Formatnote1", QStringLiteral("Format note"), &TCertificatAcordareMain::Formatnote1Click);
    Configurare1->addSeparator()->setObjectName(QStringLiteral("N1"));
    Configurarediploma1 = intrare("Configurarediploma1", QStringLiteral("Configurare sablon diploma"),
                                  &TCertificatAcordareMain::Configurarediploma1Click);
    Configurarescoala1 = intrare("Configurarescoala1", QStringLiteral("Configurare scoala"),
                                 &TCertificatAcordareMain::Configurarescoala1Click);
    Configurare1->addSeparator()->setObjectName(QStringLiteral("N2"));
    ImportdinExcel1 = intrare("ImportdinExcel1", QStringLiteral("Import din Excel"),
                              &TCertificatAcordareMain::ImportdinExcel1Click);
    Configurare1->addSeparator()->setObjectName(QStringLiteral("N3"));
    Salvarebazadedate1 = intrare("Salvarebazadedate1", QStringLiteral("Salvare baza de date..."),
                                 &TCertificatAcordareMain::Salvarebazadedate1Click);
    Restaurarebazadedate1 = intrare("Restaurarebazadedate1", QStringLiteral("Restaurare baza de date..."),
                                    &TCertificatAcordareMain::Restaurarebazadedate1Click);
    Bazadedate1 =
        intrare("Bazadedate1", QStringLiteral("Baza de date"), &TCertificatAcordareMain::Bazadedate1Click);
    Fisiere.salvare = [this](const QString &propus) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Salvare baza de date"), propus,
                                            QStringLiteral("Baze de date (*.FDB)"));
    };
    Fisiere.deschidere = [this] {
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Restaurare baza de date"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStringLiteral("Baze de date (*.FDB);;Toate fisierele (*)"));
    };

    RuleazaActiune([this] { FormCreate(); });
}

void TCertificatAcordareMain::FormCreate()
{
    PozitioneazaFereastraPrincipala(this);
    auto *lista = new TListaElevi(this);
    setCentralWidget(lista);
    // A server out of reach at start has said so already: the list stays
    // empty until "Reincarca" finds the server again.
    if (!DM || DM->Conectat() || !DM->PeServer())
        lista->Reload();
}

TListaElevi *TCertificatAcordareMain::ListaElevi() const
{
    // The last candidate list among the window's children.
    const QList<TListaElevi *> liste = findChildren<TListaElevi *>();
    return liste.isEmpty() ? nullptr : liste.last();
}

void TCertificatAcordareMain::Configurareimprimanta2Click()
{
    TPrintWiz wizard(TContextTiparire::Al(this).Dispozitiv(), this);
    wizard.RunWizard();
}

void TCertificatAcordareMain::Formatnote1Click()
{
    TEditorConfigGlobal dialog(this);
    dialog.exec();
}

void TCertificatAcordareMain::Configurarediploma1Click()
{
    TConfigurareDiploma dialog(this);
    dialog.exec();
}

void TCertificatAcordareMain::Configurarescoala1Click()
{
    TListaGenerica lista(this);
    lista.setWindowTitle(QStringLiteral("Configurare institutie"));
    lista.Tabel = QStringLiteral("INSTITUTIA");
    lista.IncarcaLista();
    lista.exec();
}

void TCertificatAcordareMain::ImportdinExcel1Click()
{
    // The list reloads also when the wizard could not start or an import failed.
    RuleazaActiune([this] {
        TImportExcelExpert wizard(*DM, this);
        wizard.exec();
    });
    // The candidate list shows what an import added, also after "Renunt".
    ReincarcaLista();
}

void TCertificatAcordareMain::ReincarcaLista()
{
    if (TListaElevi *lista = ListaElevi()) {
        lista->Reload();
        lista->Refilter();
    }
}

namespace {

TDM &BazaDeschisa()
{
    if (!DM)
        throw Exceptie(QStringLiteral("Baza de date nu este deschisa."));
    return *DM;
}

} // namespace

void TCertificatAcordareMain::Bazadedate1Click()
{
    TBazaDeDate dialog(this);
    dialog.exec();
}

void TCertificatAcordareMain::Salvarebazadedate1Click()
{
    TDM &dm = BazaDeschisa();
    dm.CopiiDoarInDosar();
    const QString propus = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                           QLatin1Char('/') + QFileInfo(dm.CaleBazaDeDate()).completeBaseName() +
                           QLatin1Char('-') + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                           QStringLiteral(".FDB");
    const QString fisier = Fisiere.salvare(propus);
    if (fisier.isEmpty())
        return;
    dm.SalveazaCopie(fisier);
    Mesaje().Informare(QStringLiteral("Am salvat copia bazei de date in\r\n") +
                       QDir::toNativeSeparators(fisier));
}

void TCertificatAcordareMain::Restaurarebazadedate1Click()
{
    TDM &dm = BazaDeschisa();
    dm.CopiiDoarInDosar();
    QList<TCopieListata> copii;
    for (const TCopieBaza &c : dm.Copii().Lista()) {
        const TInfoBaza info = TCopiiBaza::VerificaBaza(c.cale);
        copii.append({c, info.valida ? info.candidati : -1});
    }
    TRestaurareBaza dialog(copii, Fisiere.deschidere, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString pastrata =
        QFileInfo(dm.CaleBazaDeDate()).completeBaseName() + QStringLiteral("-inainte-de-restaurare.FDB");
    if (!Mesaje().Intrebare(QStringLiteral("Restaurez baza de date din\r\n%1?\r\n\r\nBaza de date curenta "
                                           "ramane in dosarul ei, cu numele \"%2\".")
                                .arg(QDir::toNativeSeparators(dialog.FisierAles()), pastrata)))
        return;
    int candidati = 0;
    try {
        candidati = dm.RestaureazaBaza(dialog.FisierAles());
    } catch (...) {
        // The list shows whichever database is in place now.
        RuleazaActiune([this] { ReincarcaLista(); });
        throw;
    }
    ReincarcaLista();
    Mesaje().Informare(QStringLiteral("Am restaurat baza de date (%1 candidati).").arg(candidati));
}
