#include <QApplication>
#include <QCommandLineParser>

#include "data/UCai.h"
#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "data/UTabeleCertificatAcordare.h"
#include "shell/Exceptie.h"
#include "shell/MesajeDialog.h"
#include "shell/UCertificatAcordareMain.h"
#include "shell/UPornireAplicatie.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("CertificatAcordare"));
    QApplication::setApplicationName(QStringLiteral("CertificatAcordare"));

    QCommandLineParser linie;
    linie.setApplicationDescription(QStringLiteral("Certificat de acordare"));
    linie.addHelpOption();
    const QCommandLineOption faraSplash(QStringLiteral("fara-splash"),
                                        QStringLiteral("Porneste fara imaginea de prezentare."));
    const QCommandLineOption dosarDate(QStringLiteral("date"),
                                       QStringLiteral("Dosarul in care programul isi tine datele "
                                                      "(implicit: CERTIFICAT_ACORDARE_DATE sau dosarul programului)."),
                                       QStringLiteral("dosar"));
    const QCommandLineOption pregatesteBaza(
        QStringLiteral("pregateste-baza"),
        QStringLiteral("Creeaza sau actualizeaza baza de date, fara ferestre, apoi se opreste "
                       "(cod 0 = reusit)."));
    linie.addOptions({faraSplash, dosarDate, pregatesteBaza});
    linie.process(app);

    const bool faraFerestre = linie.isSet(pregatesteBaza);
    TMesajeDialog mesajeDialog;
    if (!faraFerestre)
        InstaleazaMesaje(&mesajeDialog);

    try {
        StabilesteLocatii(TLocatii::PentruProgram(linie.value(dosarDate)));
        InregistreazaCertificatAcordare(Inregistrari());

        TOptiuniDm optiuni{Locatii(), &Inregistrari(), {}};
        if (!faraFerestre) {
            TOptiuniPornire pornire;
            pornire.faraSplash = linie.isSet(faraSplash);
            optiuni.pornire = [pornire] { PornireAplicatie(QStringLiteral("Certificat de acordare"), pornire); };
        }
        TDM dm(std::move(optiuni));
        DM = &dm;
        if (faraFerestre)
            return dm.Pregatit() ? 0 : 2;

        TCertificatAcordareMain principala;
        principala.show();
        const int cod = QApplication::exec();
        InstaleazaMesaje(nullptr);
        return cod;
    } catch (const IesireProgram &e) {
        InstaleazaMesaje(nullptr);
        return e.Cod();
    } catch (const Exceptie &e) {
        Mesaje().Eroare(e.Mesaj());
        InstaleazaMesaje(nullptr);
        return 1;
    }
}
