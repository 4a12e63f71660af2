#include <cstdio>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "candidates/UUmplereFormular.h"
#include "data/UCai.h"
#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "data/UProfilDiploma.h"
#include "data/UTabeleCertificatAcordare.h"
#include "forms/FormularDePrintat.h"
#include "forms/TemplateForm.h"
#include "forms/UEditorTextFormular.h"
#include "forms/UPrintCertificatAcordare.h"
#include "printing/DispozitivPdf.h"
#include "printing/DispozitivProgram.h"
#include "printing/TiparireCertificat.h"
#include "printing/UAllStuffReg.h"
#include "comun/Actiune.h"
#include "comun/Exceptie.h"
#include "comun/MesajeDialog.h"
#include "comun/OprireLaSemnal.h"
#include "shell/UCertificatAcordareMain.h"
#include "shell/UPornireAplicatie.h"

namespace {

// Runs without any window: the options that only prepare or print.
bool FaraFerestre(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *o : {"--pregateste-baza", "--tipareste-pdf", "-h", "--help"}) {
            if (std::strncmp(argv[i], o, std::strlen(o)) == 0)
                return true;
        }
    }
    return false;
}

QString AlegeFisierPdf(const QString &titlu)
{
    const QString dosar = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString fisier = QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                  QStringLiteral("Salvati \"%1\" ca fisier PDF").arg(titlu),
                                                  dosar + QStringLiteral("/Certificat.pdf"),
                                                  QStringLiteral("Fisiere PDF (*.pdf)"));
    if (!fisier.isEmpty() && !fisier.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        fisier += QStringLiteral(".pdf");
    return fisier;
}

// The printer the wizard chose last time, when it is still there.
void SelecteazaImprimantaSalvata(IDispozitivImprimanta &dispozitiv)
{
    const TAllStuffReg setari;
    const int index = dispozitiv.Imprimante().indexOf(setari.PrinterName);
    if (setari.Configured && index >= 0)
        dispozitiv.SelecteazaImprimanta(index);
}

struct TOptiuniTiparire
{
    QString fisier;
    QList<int> elevi; // empty: every candidate
    std::optional<double> stanga, sus;
    std::optional<bool> intors;
};

QList<int> TotiElevii(TDM &dm)
{
    QList<int> iduri;
    dm.Tr.StartTransaction();
    dm.Q5.SetSQL(QStringLiteral("select ID_ELEVI from ELEVI order by ID_ELEVI"));
    for (dm.Q5.Open(); !dm.Q5.Eof(); dm.Q5.Next())
        iduri.append(dm.Q5.AsInteger(QStringLiteral("ID_ELEVI")));
    dm.Tr.Rollback();
    return iduri;
}

// Prints certificates into one PDF with the same print job as the window,
// each candidate on a page of its own. Returns the exit code.
int TiparestePdf(TDM &dm, const TOptiuniTiparire &o)
{
    const QList<int> existenti = TotiElevii(dm);
    const QList<int> elevi = o.elevi.isEmpty() ? existenti : o.elevi;
    for (const int id : elevi) {
        if (!existenti.contains(id))
            throw Exceptie(QStringLiteral("Candidatul cu numarul %1 nu exista.").arg(id));
    }
    if (elevi.isEmpty())
        throw Exceptie(QStringLiteral("Nu exista niciun candidat de tiparit."));

    double stanga = 0, sus = 0;
    bool intors = false;
    int feedMode = 2;
    {
        const TAllStuffReg setari;
        stanga = o.stanga.value_or(setari.FrontLeft);
        sus = o.sus.value_or(setari.FrontTop);
        const QString ales = setari.MirrorChoice(0);
        const bool intorsImplicit = setari.FeedMode == 1 || setari.FeedMode == 3;
        intors = o.intors.value_or(ales == QLatin1String("*") ? intorsImplicit : ales == QLatin1String("D"));
        if (setari.FeedMode >= 1 && setari.FeedMode <= 4)
            feedMode = setari.FeedMode;
    }

    THandlerCertificatAcordare handler;
    const std::unique_ptr<TTemplate> preview(CreeazaPreview(handler, nullptr));
    TFormularDePrintat *pagina = preview->findChild<TFormularDePrintat *>();
    const auto pdf = std::make_unique<TDispozitivPdf>(o.fisier, 0, 0, 600);
    TSetariDispozitiv peisaj;
    peisaj.Orientare = TSetariDispozitiv::Peisaj;
    pdf->SetariDispozitiv(peisaj);
    pdf->PastreazaPaginile(true);
    for (const int id : elevi) {
        // Asked to stop: the PDF is left unfinished and never takes its name.
        if (OprireLaSemnal::Ceruta())
            throw Exceptie(QStringLiteral("Tiparirea a fost oprita inainte de sfarsit; fisierul \"%1\" nu a "
                                          "fost scris.")
                               .arg(QDir::toNativeSeparators(o.fisier)));
        UmpleFormular(*preview, id);
        TiparestePagina(*pdf, *pagina, 0, feedMode, intors, stanga, sus);
    }
    pdf->InchideIesirea();
    std::printf("%s\n", QStringLiteral("Am scris %1 certificat(e) in %2")
                            .arg(elevi.size())
                            .arg(QDir::toNativeSeparators(o.fisier))
                            .toLocal8Bit()
                            .constData());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    OprireLaSemnal::Instaleaza();
    const bool faraFerestre = FaraFerestre(argc, argv);
    if (faraFerestre && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("CertificatAcordare"));
    QApplication::setApplicationName(QStringLiteral("CertificatAcordare"));

    QCommandLineParser linie;
    linie.setApplicationDescription(
        QStringLiteral("Certificat de acordare: evidenta candidatilor si tiparirea certificatelor.\n\n"
                       "Fara optiuni porneste programul. Tiparirea fara ferestre scrie certificatele intr-un "
                       "fisier PDF, exact cum ar iesi la imprimanta, cu marginile si intoarcerea salvate "
                       "(sau cele date):\n"
                       "  CertificatAcordare --tipareste-pdf certificate.pdf --toti\n"
                       "  CertificatAcordare --tipareste-pdf ana.pdf --elev 3 --margine-stanga 2,5 --intors"));
    linie.addHelpOption();
    const QCommandLineOption faraSplash(QStringLiteral("fara-splash"),
                                        QStringLiteral("Porneste fara imaginea de prezentare."));
    const QCommandLineOption dosarDate(QStringLiteral("date"),
                                       QStringLiteral("Dosarul in care programul isi tine datele "
                                                      "(implicit: CERTIFICAT_ACORDARE_DATE sau dosarul programului)."),
                                       QStringLiteral("dosar"));
    const QCommandLineOption pregatesteBaza(
        QStringLiteral("pregateste-baza"),
        QStringLiteral("Creeaza sau actualizeaza baza de date, fara ferestre, apoi se opreste (cod 0 = reusit)."));
    const QCommandLineOption tiparestePdf(QStringLiteral("tipareste-pdf"),
                                          QStringLiteral("Tipareste certificatele in fisierul PDF dat, fara ferestre."),
                                          QStringLiteral("fisier"));
    const QCommandLineOption elev(QStringLiteral("elev"),
                                  QStringLiteral("Numarul (ID_ELEVI) candidatului de tiparit; se poate repeta."),
                                  QStringLiteral("numar"));
    const QCommandLineOption toti(QStringLiteral("toti"), QStringLiteral("Tipareste toti candidatii."));
    const QCommandLineOption margineStanga(QStringLiteral("margine-stanga"),
                                           QStringLiteral("Marginea din stanga, in milimetri."), QStringLiteral("mm"));
    const QCommandLineOption margineSus(QStringLiteral("margine-sus"), QStringLiteral("Marginea de sus, in milimetri."),
                                        QStringLiteral("mm"));
    const QCommandLineOption intors(QStringLiteral("intors"), QStringLiteral("Tipareste pagina intoarsa cu 180 de grade."));
    const QCommandLineOption drept(QStringLiteral("drept"), QStringLiteral("Tipareste pagina neintoarsa."));
    linie.addOptions({faraSplash, dosarDate, pregatesteBaza, tiparestePdf, elev, toti, margineStanga, margineSus,
                      intors, drept});
    linie.process(app);

    TMesajeDialog mesajeDialog;
    if (!faraFerestre)
        InstaleazaMesaje(&mesajeDialog);

    try {
        if (!faraFerestre)
            OprireLaSemnal::OpresteBuclele();
        InregistreazaCertificatAcordare(Inregistrari());
        InregistreazaHandlerCertificatAcordare();
        InstaleazaEditareTextArea();
        StabilesteLocatii(TLocatii::PentruProgram(
            linie.value(dosarDate), TLocatii::BazaDeDate(Inregistrari().Profil()->NumeBazaDeDate())));

        TOptiuniTiparire tiparire;
        if (linie.isSet(tiparestePdf)) {
            tiparire.fisier = QDir::current().absoluteFilePath(linie.value(tiparestePdf));
            if (linie.isSet(toti) == linie.isSet(elev))
                throw Exceptie(QStringLiteral("Alegeti fie --toti, fie unul sau mai multi candidati cu --elev."));
            for (const QString &v : linie.values(elev)) {
                bool ok = false;
                tiparire.elevi.append(v.toInt(&ok));
                if (!ok)
                    throw Exceptie(QStringLiteral("\"%1\" nu este un numar de candidat.").arg(v));
            }
            for (const auto &[optiune, tinta] : {std::pair{&margineStanga, &tiparire.stanga},
                                                 std::pair{&margineSus, &tiparire.sus}}) {
                if (!linie.isSet(*optiune))
                    continue;
                double mm = 0;
                if (!TAllStuffReg::RealDinText(linie.value(*optiune), mm))
                    throw Exceptie(QStringLiteral("\"%1\" nu este un numar valid.").arg(linie.value(*optiune)));
                *tinta = mm;
            }
            if (linie.isSet(intors) && linie.isSet(drept))
                throw Exceptie(QStringLiteral("Alegeti fie --intors, fie --drept."));
            if (linie.isSet(intors) || linie.isSet(drept))
                tiparire.intors = linie.isSet(intors);
        }

        TOptiuniDm optiuni{Locatii(), &Inregistrari(), {}};
        if (!faraFerestre) {
            TOptiuniPornire pornire;
            pornire.faraSplash = linie.isSet(faraSplash);
            optiuni.pornire = [pornire] { PornireAplicatie(QStringLiteral("Certificat de acordare"), pornire); };
        }
        TDM dm(std::move(optiuni));
        DM = &dm;
        // The database engine sets handlers of its own for the stop signals once loaded.
        OprireLaSemnal::Instaleaza();
        if (linie.isSet(pregatesteBaza))
            return dm.Pregatit() ? 0 : 2;
        if (linie.isSet(tiparestePdf))
            return dm.Pregatit() ? TiparestePdf(dm, tiparire) : 2;

        TDispozitivProgram imprimanta(AlegeFisierPdf);
        InstaleazaDispozitivImprimanta(&imprimanta);
        SelecteazaImprimantaSalvata(imprimanta);

        int cod = 0;
        {
            TCertificatAcordareMain principala;
            principala.show();
            // A stop asked for during the start has already ended the loops that ran then.
            if (!OprireLaSemnal::Ceruta())
                cod = QApplication::exec();
        }
        InstaleazaDispozitivImprimanta(nullptr);
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
