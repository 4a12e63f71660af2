#include <cstdio>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "comun/OptiuniSanitizer.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/MesajeDialog.h"
#include "comun/OprireLaSemnal.h"
#include "data/UCai.h"
#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "data/UTabeleCertificatAcordare.h"
#include "forms/UPrintCertificatAcordare.h"
#include "import/ArataFoaie.h"
#include "import/AdaugaCandidati.h"
#include "printing/TiparirePdf.h"
#include "printing/UAllStuffReg.h"
#include "settings/SetariBazaDeDate.h"
#include "settings/StocareSetari.h"
#include "shell/UPornireAplicatie.h"

namespace {

// Runs without any window: the options that only prepare or print.
bool FaraFerestre(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *o : {"--pregateste-baza", "--tipareste-pdf", "--tipareste-proba", "--salveaza-baza",
                              "--restaureaza-baza", "--arata-foaie", "--adauga-candidati", "-h", "--help"}) {
            if (std::strncmp(argv[i], o, std::strlen(o)) == 0)
                return true;
        }
    }
    return false;
}

// The password in the first line of a file: never on the command line,
// where every user of the machine can read it.
QString ParolaDinFisier(const QString &cale)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly))
        throw Exceptie(QStringLiteral("Nu pot citi parola din fisierul \"%1\": %2")
                           .arg(QDir::toNativeSeparators(cale), fisier.errorString()));
    QByteArray linie = fisier.readLine();
    while (linie.endsWith('\n') || linie.endsWith('\r'))
        linie.chop(1);
    return QString::fromUtf8(linie);
}

// The database the user chose; the file in the data folder when the choice
// cannot be read, with a word about it.
TConexiuneBaza ConexiuneaSalvata()
{
    try {
        return SetariBazaDeDate::Citeste(StocareSetari());
    } catch (const Exceptie &e) {
        Mesaje().Avertizare(e.Mesaj() + QStringLiteral("\r\n\r\nProgramul foloseste baza de date din dosarul "
                                                       "de date al acestui calculator."));
        return {};
    }
}

} // namespace

int main(int argc, char *argv[])
{
    OprireLaSemnal::Instaleaza();
    const bool faraFerestre = FaraFerestre(argc, argv);
    if (faraFerestre && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without windows no widget exists, only what drawing on a PDF needs.
    const std::unique_ptr<QCoreApplication> app(faraFerestre ? new QGuiApplication(argc, argv)
                                                             : new QApplication(argc, argv));
    QCoreApplication::setOrganizationName(QStringLiteral("CertificatAcordare"));
    QCoreApplication::setApplicationName(QStringLiteral("CertificatAcordare"));

    QCommandLineParser linie;
    linie.setApplicationDescription(QStringLiteral(
        "Certificat de acordare: evidenta candidatilor si tiparirea certificatelor.\n\n"
        "Fara optiuni porneste programul. Tiparirea fara ferestre scrie certificatele intr-un "
        "fisier PDF, exact cum ar iesi la imprimanta, cu marginile si intoarcerea salvate "
        "(sau cele date):\n"
        "  CertificatAcordare --tipareste-pdf certificate.pdf --toti\n"
        "  CertificatAcordare --tipareste-pdf ana.pdf --elev 3 --margine-stanga 2,5 --intors"));
    linie.addHelpOption();
    const QCommandLineOption faraSplash(QStringLiteral("fara-splash"),
                                        QStringLiteral("Porneste fara imaginea de prezentare."));
    const QCommandLineOption dosarDate(
        QStringLiteral("date"),
        QStringLiteral("Dosarul in care programul isi tine datele "
                       "(implicit: CERTIFICAT_ACORDARE_DATE sau dosarul programului)."),
        QStringLiteral("dosar"));
    const QCommandLineOption pregatesteBaza(
        QStringLiteral("pregateste-baza"),
        QStringLiteral(
            "Creeaza sau actualizeaza baza de date, fara ferestre, apoi se opreste (cod 0 = reusit)."));
    const QCommandLineOption tiparestePdf(
        QStringLiteral("tipareste-pdf"),
        QStringLiteral("Tipareste certificatele in fisierul PDF dat, fara ferestre."),
        QStringLiteral("fisier"));
    const QCommandLineOption tiparesteProba(
        QStringLiteral("tipareste-proba"),
        QStringLiteral(
            "Tipareste in fisierul PDF dat o proba pe hartie simpla: textele, conturul fiecarei zone, "
            "rigle si cruci in colturile cartonului; nu intra in jurnal."),
        QStringLiteral("fisier"));
    const QCommandLineOption elev(
        QStringLiteral("elev"),
        QStringLiteral("Numarul (ID_ELEVI) candidatului de tiparit; se poate repeta."),
        QStringLiteral("numar"));
    const QCommandLineOption toti(QStringLiteral("toti"), QStringLiteral("Tipareste toti candidatii."));
    const QCommandLineOption margineStanga(QStringLiteral("margine-stanga"),
                                           QStringLiteral("Marginea din stanga, in milimetri."),
                                           QStringLiteral("mm"));
    const QCommandLineOption margineSus(QStringLiteral("margine-sus"),
                                        QStringLiteral("Marginea de sus, in milimetri."),
                                        QStringLiteral("mm"));
    const QCommandLineOption intors(QStringLiteral("intors"),
                                    QStringLiteral("Tipareste pagina intoarsa cu 180 de grade."));
    const QCommandLineOption doarPornire(
        QStringLiteral("doar-pornire"),
        QStringLiteral("Porneste pana la fereastra principala cu lista candidatilor, apoi se opreste "
                       "(pentru masurarea pornirii)."));
    const QCommandLineOption salveazaBaza(
        QStringLiteral("salveaza-baza"),
        QStringLiteral("Salveaza o copie a bazei de date in fisierul dat, fara ferestre (cod 0 = reusit)."),
        QStringLiteral("fisier"));
    const QCommandLineOption restaureazaBaza(
        QStringLiteral("restaureaza-baza"),
        QStringLiteral("Pune copia data in locul bazei de date, fara ferestre; baza de date curenta ramane "
                       "alaturi, ca ...-inainte-de-restaurare.FDB (cod 0 = reusit)."),
        QStringLiteral("fisier"));
    const QCommandLineOption drept(QStringLiteral("drept"), QStringLiteral("Tipareste pagina neintoarsa."));
    const QCommandLineOption faraJurnal(QStringLiteral("fara-jurnal"),
                                        QStringLiteral("Nu trece tiparirea in jurnalul tiparirilor."));
    const QCommandLineOption arataFoaie(
        QStringLiteral("arata-foaie"),
        QStringLiteral(
            "Arata ce citeste programul din foaia de calcul data (.xls, .xlsx, .csv): numele foilor, "
            "sau cu --foaie randurile pe care le-ar prelua, cu celulele separate prin tab."),
        QStringLiteral("fisier"));
    const QCommandLineOption foaie(
        QStringLiteral("foaie"),
        QStringLiteral(
            "Foaia de calcul aratata de --arata-foaie sau din care --adauga-candidati ia candidatii."),
        QStringLiteral("nume"));
    const QCommandLineOption baza(
        QStringLiteral("baza"),
        QStringLiteral("Baza de date de pe un server Firebird, ca \"server[/port]:cale-sau-alias\", pentru "
                       "aceasta pornire (implicit: cea aleasa in Configurare > Baza de date)."),
        QStringLiteral("conexiune"));
    const QCommandLineOption utilizator(QStringLiteral("utilizator"),
                                        QStringLiteral("Utilizatorul serverului de baze de date."),
                                        QStringLiteral("nume"));
    const QCommandLineOption parolaDinFisier(
        QStringLiteral("parola-din-fisier"),
        QStringLiteral("Fisierul a carui prima linie este parola utilizatorului serverului."),
        QStringLiteral("fisier"));
    const QCommandLineOption adaugaCandidati(
        QStringLiteral("adauga-candidati"),
        QStringLiteral(
            "Adauga candidatii din foaia de calcul data (.xls, .xlsx, .csv), fara ferestre: primul "
            "rand numeste campurile (ca \"Numele si prenumele\"), fiecare rand urmator este un "
            "candidat nou; foaia se alege cu --foaie (implicit prima)."),
        QStringLiteral("fisier"));
    linie.addOptions({faraSplash, dosarDate,       pregatesteBaza,  tiparestePdf, tiparesteProba, elev,
                      toti,       margineStanga,   margineSus,      intors,       drept,          doarPornire,
                      faraJurnal, salveazaBaza,    restaureazaBaza, arataFoaie,   foaie,          baza,
                      utilizator, parolaDinFisier, adaugaCandidati});
    linie.process(*app);

    TMesajeDialog mesajeDialog;
    if (!faraFerestre)
        InstaleazaMesaje(&mesajeDialog);

    try {
        if (!faraFerestre)
            OprireLaSemnal::OpresteBuclele();
        if (linie.isSet(arataFoaie)) {
            const QByteArray text =
                ArataFoaie(QDir::current().absoluteFilePath(linie.value(arataFoaie)),
                           linie.isSet(foaie) ? std::optional(linie.value(foaie)) : std::nullopt);
            std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
            return 0;
        }
        InregistreazaCertificatAcordare(Inregistrari());
        InregistreazaHandlerCertificatAcordare();
        StabilesteLocatii(TLocatii::PentruProgram(
            linie.value(dosarDate), TLocatii::BazaDeDate(Inregistrari().Profil()->NumeBazaDeDate())));

        TCerereTiparirePdf tiparire;
        const bool proba = linie.isSet(tiparesteProba);
        if (proba && linie.isSet(tiparestePdf))
            throw Exceptie(QStringLiteral("Alegeti fie --tipareste-pdf, fie --tipareste-proba."));
        if (linie.isSet(tiparestePdf) || proba) {
            tiparire.Fisier =
                QDir::current().absoluteFilePath(linie.value(proba ? tiparesteProba : tiparestePdf));
            tiparire.Proba = proba;
            if (linie.isSet(toti) == linie.isSet(elev))
                throw Exceptie(
                    QStringLiteral("Alegeti fie --toti, fie unul sau mai multi candidati cu --elev."));
            for (const QString &v : linie.values(elev)) {
                bool ok = false;
                tiparire.Elevi.append(v.toInt(&ok));
                if (!ok)
                    throw Exceptie(QStringLiteral("\"%1\" nu este un numar de candidat.").arg(v));
            }
            for (const auto &[optiune, tinta] :
                 {std::pair{&margineStanga, &tiparire.Stanga}, std::pair{&margineSus, &tiparire.Sus}}) {
                if (!linie.isSet(*optiune))
                    continue;
                double mm = 0;
                if (!TAllStuffReg::RealDinText(linie.value(*optiune), mm))
                    throw Exceptie(
                        QStringLiteral("\"%1\" nu este un numar valid.").arg(linie.value(*optiune)));
                *tinta = mm;
            }
            if (linie.isSet(intors) && linie.isSet(drept))
                throw Exceptie(QStringLiteral("Alegeti fie --intors, fie --drept."));
            if (linie.isSet(intors) || linie.isSet(drept))
                tiparire.Intoarsa = linie.isSet(intors);
            tiparire.Jurnal = !linie.isSet(faraJurnal);
        }

        TCerereAdaugare adaugare;
        if (linie.isSet(adaugaCandidati)) {
            adaugare.Fisier = QDir::current().absoluteFilePath(linie.value(adaugaCandidati));
            if (linie.isSet(foaie))
                adaugare.Foaie = linie.value(foaie);
        }

        TOptiuniDm optiuni{Locatii(), &Inregistrari(), {}};
        // The database chosen for this run, else the one the user chose.
        if (linie.isSet(baza)) {
            optiuni.conexiune = TConexiuneBaza::DinText(linie.value(baza));
            const TConexiuneBaza salvata = ConexiuneaSalvata();
            // The stored user and password go only to the server they were stored for.
            if (salvata.PeServer() && salvata.Text() == optiuni.conexiune.Text()) {
                optiuni.conexiune.Utilizator = salvata.Utilizator;
                optiuni.conexiune.Parola = salvata.Parola;
            }
        } else {
            optiuni.conexiune = ConexiuneaSalvata();
        }
        if (linie.isSet(utilizator) || linie.isSet(parolaDinFisier)) {
            if (!optiuni.conexiune.PeServer())
                throw Exceptie(
                    QStringLiteral("--utilizator si --parola-din-fisier sunt pentru o baza de date pe "
                                   "server (--baza)."));
            if (linie.isSet(utilizator))
                optiuni.conexiune.Utilizator = linie.value(utilizator);
            if (linie.isSet(parolaDinFisier))
                optiuni.conexiune.Parola =
                    ParolaDinFisier(QDir::current().absoluteFilePath(linie.value(parolaDinFisier)));
        }
        // Saving and restoring work on the file, with the engine detached.
        const bool doarFisierul = linie.isSet(salveazaBaza) || linie.isSet(restaureazaBaza);
        if (linie.isSet(salveazaBaza) && linie.isSet(restaureazaBaza))
            throw Exceptie(QStringLiteral("Alegeti fie --salveaza-baza, fie --restaureaza-baza."));
        optiuni.deschide = !doarFisierul;
        if (!faraFerestre) {
            TOptiuniPornire pornire;
            pornire.faraSplash = linie.isSet(faraSplash);
            optiuni.pornire = [pornire] {
                PornireAplicatie(QStringLiteral("Certificat de acordare"), pornire);
            };
        }
        TDM dm(std::move(optiuni));
        DM = &dm;
        // The database engine sets handlers of its own for the stop signals once loaded.
        OprireLaSemnal::Instaleaza();
        if (linie.isSet(pregatesteBaza))
            return dm.Pregatit() ? 0 : 2;
        if (linie.isSet(salveazaBaza)) {
            const QString fisier = QDir::current().absoluteFilePath(linie.value(salveazaBaza));
            dm.SalveazaCopie(fisier);
            Mesaje().Informare(
                QStringLiteral("Am salvat baza de date in %1").arg(QDir::toNativeSeparators(fisier)));
            return 0;
        }
        if (linie.isSet(restaureazaBaza)) {
            const QString fisier = QDir::current().absoluteFilePath(linie.value(restaureazaBaza));
            const int candidati = dm.RestaureazaBaza(fisier);
            Mesaje().Informare(QStringLiteral("Am restaurat baza de date din %1 (%2 candidati)")
                                   .arg(QDir::toNativeSeparators(fisier))
                                   .arg(candidati));
            return dm.Pregatit() ? 0 : 2;
        }
        if (linie.isSet(adaugaCandidati)) {
            if (!dm.Pregatit())
                return 2;
            const int adaugati = AdaugaCandidati(dm, adaugare);
            Mesaje().Informare(QStringLiteral("Am adaugat %1 candidat(i).").arg(adaugati));
            return 0;
        }
        if (linie.isSet(tiparestePdf) || proba) {
            if (!dm.Pregatit())
                return 2;
            tiparire.Avertisment = [](const QString &avertisment) {
                std::fprintf(stderr, "%s\n", avertisment.toLocal8Bit().constData());
            };
            const int scrise = TiparesteCertificatePdf(dm, tiparire);
            std::printf("%s\n", QStringLiteral("Am scris %1 certificat(e) in %2")
                                    .arg(scrise)
                                    .arg(QDir::toNativeSeparators(tiparire.Fisier))
                                    .toLocal8Bit()
                                    .constData());
            return 0;
        }
        const int cod = RuleazaFerestrele(linie.isSet(doarPornire));
        InstaleazaMesaje(nullptr);
        return cod;
    } catch (const IesireProgram &e) {
        InstaleazaMesaje(nullptr);
        return e.Cod();
    } catch (...) {
        // Whatever it is, the user reads why the program stops.
        Mesaje().Eroare(MesajExceptieCurenta());
        InstaleazaMesaje(nullptr);
        return 2;
    }
}
