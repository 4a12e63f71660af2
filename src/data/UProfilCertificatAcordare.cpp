#include "data/UProfilCertificatAcordare.h"

namespace {

// The certificate's fields, in print order: field code, editor label, data
// type, entity table, the field it repeats (on the same page), suggested
// editor width and editor row.
struct TCamp
{
    const char *cod;
    const char *eticheta;
    const char *tip;
    const char *tabel;
    const char *similarCu;
    int latime;
    const char *linie;
};

const TCamp kCampuri[] = {
    {"C_INSTITUTIA_INVATAMANT", "[Institutia]Institutia de invatamant{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_GRADUL_DIDACTIC_L1", "[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I (cotor, linia 1){cotor}", "TEXT", "ELEVI", "", 0, ""},
    {"C_GRADUL_DIDACTIC_L2", "[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I (cotor, linia 2){cotor}", "TEXT", "ELEVI", "", 0, ""},
    {"C_ABREVIERE", "[Candidat]Abreviere{cotor}", "TEXT", "ELEVI", "", 96, "L1"},
    {"C_NUME", "[Candidat]Numele si prenumele{cotor}", "TEXT", "ELEVI", "", 256, "L1"},
    {"C_FUNCTIA_DIDACTICA", "[Candidat]Functia didactica(cotor){cotor}", "TEXT", "ELEVI", "", 256, "L5"},
    {"C_SPECIALITATEA", "[Candidat]Specialitatea{cotor}", "TEXT", "ELEVI", "", 256, "L5"},
    {"C_INSTITUTIA_INVATAMANT_1", "[Institutia]Institutia de invatamant{cotor}", "TEXT", "INSTITUTIA", "C_INSTITUTIA_INVATAMANT", 0, ""},
    {"C_ADRESA", "[Institutia]Localitatea si judetul{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_SESIUNEA", "[Institutia]Sesiunea{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_MEDIA_GENERALA_L1", "[Candidat]Media generala(cotor, linia 1){cotor}", "NOTA", "ELEVI", "", 0, ""},
    {"C_MEDIA_GENERALA_L2", "[Candidat]Media generala(cotor, linia 2){cotor}", "NOTA", "ELEVI", "", 0, ""},
    {"C_GRADUL_DIDACTIC_1_L1", "[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I (cotor, linia 1) (cotor, linia 1){cotor}", "TEXT", "ELEVI", "C_GRADUL_DIDACTIC_L1", 0, ""},
    {"C_GRADUL_DIDACTIC_1_L2", "[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I (cotor, linia 1) (cotor, linia 1){cotor}", "TEXT", "ELEVI", "C_GRADUL_DIDACTIC_L2", 0, ""},
    {"C_NUMAR_ORDIN", "[Institutia]Numar ordin{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_DATA_ORDIN", "[Institutia]Data ordin{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_DATA_VIGOARE", "[Institutia]Data vigoare{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_RECTOR", "[Conducerea institutiei]Rector{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_DECAN_DIRECTOR", "[Conducerea institutiei]Decan / Director{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"C_SECRETAR_SEF", "[Conducerea institutiei]Secretar sef{cotor}", "TEXT", "INSTITUTIA", "", 0, ""},
    {"D_INSTITUTIA_INVATAMANT", "[Institutia]Institutia de invatamant{certificat}", "TEXT", "INSTITUTIA", "C_INSTITUTIA_INVATAMANT", 0, ""},
    {"D_GRADUL_DIDACTIC", "[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I (certficat, o linie){cotor}", "TEXT", "ELEVI", "", 0, ""},
    {"D_ABREVIERE", "[Candidat]Abreviere{certificat}", "TEXT", "ELEVI", "C_ABREVIERE", 96, "L1"},
    {"D_NUME", "[Candidat]Numele si prenumele{certificat}", "TEXT", "ELEVI", "C_NUME", 256, "L1"},
    {"D_FUNCTIA_DIDACTICA", "[Candidat]Functia didactica(certificat){certificat}", "TEXT", "ELEVI", "C_FUNCTIA_DIDACTICA", 256, "L5"},
    {"D_SPECIALITATEA", "[Candidat]Specialitatea{certificat}", "TEXT", "ELEVI", "C_SPECIALITATEA", 256, "L5"},
    {"D_INSTITUTIA_INVATAMANT_1", "[Institutia]Institutia de invatamant{certificat}", "TEXT", "INSTITUTIA", "C_INSTITUTIA_INVATAMANT", 0, ""},
    {"D_ADRESA", "[Institutia]Localitatea si judetul{certificat}", "TEXT", "INSTITUTIA", "C_ADRESA", 0, ""},
    {"D_SESIUNEA", "[Institutia]Sesiunea{certificat}", "TEXT", "INSTITUTIA", "C_SESIUNEA", 0, ""},
    {"D_MEDIA_GENERALA", "[Candidat]Media generala(certificat, o linie){certificat}", "NOTA", "ELEVI", "", 0, ""},
    {"D_GRADUL_DIDACTIC_1", "[Candidat]Dupa caz, definitivarea in invatamant, gradul didactic II sau I (certificat, linia 1) (cotor, linia 1){cotor}", "TEXT", "ELEVI", "D_GRADUL_DIDACTIC", 0, ""},
    {"D_NUMAR_ORDIN", "[Institutia]Numar ordin{certificat}", "TEXT", "INSTITUTIA", "C_NUMAR_ORDIN", 0, ""},
    {"D_DATA_ORDIN", "[Institutia]Data ordin{certificat}", "TEXT", "INSTITUTIA", "C_DATA_ORDIN", 0, ""},
    {"D_DATA_VIGOARE", "[Institutia]Data vigoare{certificat}", "TEXT", "INSTITUTIA", "C_DATA_VIGOARE", 0, ""},
    {"D_RECTOR", "[Conducerea institutiei]Rector{certificat}", "TEXT", "INSTITUTIA", "C_RECTOR", 0, ""},
    {"D_DECAN_DIRECTOR", "[Conducerea institutiei]Decan / Director{certificat}", "TEXT", "INSTITUTIA", "C_DECAN_DIRECTOR", 0, ""},
    {"D_SECRETAR_SEF", "[Conducerea institutiei]Secretar sef{certificat}", "TEXT", "INSTITUTIA", "C_SECRETAR_SEF", 0, ""},
};

} // namespace

TListaLiniiProfilCertificatAcordare::TListaLiniiProfilCertificatAcordare()
{
    const QString formular = QStringLiteral("CertificatAcordare");
    const QString pagina = QStringLiteral("FATA");
    for (const TCamp &c : kCampuri) {
        const QString similar = *c.similarCu
            ? formular + QLatin1Char('.') + pagina + QLatin1Char('.') + QLatin1String(c.similarCu)
            : QString();
        AdaugaLinie(formular, pagina, QLatin1String(c.cod), QLatin1String(c.eticheta), QString(),
                    QStringLiteral("DA"), QLatin1String(c.tip), QLatin1String(c.tabel), similar, c.latime,
                    QLatin1String(c.linie));
    }
}

QString TListaLiniiProfilCertificatAcordare::Clasa::NumeClasa() const
{
    return QStringLiteral("TListaLiniiProfilCertificatAcordare");
}

QString TListaLiniiProfilCertificatAcordare::Clasa::NumeBazaDeDate() const
{
    return QStringLiteral("CertificatAcordare2006");
}

QString TListaLiniiProfilCertificatAcordare::Clasa::ListaCampuriElev() const
{
    return QStringLiteral("{CertificatAcordare.FATA.C_NUME}");
}

QString TListaLiniiProfilCertificatAcordare::Clasa::ListaCampuriGeneric() const
{
    return QStringLiteral("{CertificatAcordare.FATA.C_INSTITUTIA_INVATAMANT}");
}

std::unique_ptr<TListaLiniiProfilDiploma> TListaLiniiProfilCertificatAcordare::Clasa::Creeaza() const
{
    return std::make_unique<TListaLiniiProfilCertificatAcordare>();
}

const TListaLiniiProfilCertificatAcordare::Clasa &TListaLiniiProfilCertificatAcordare::ClasaLista()
{
    static const Clasa clasa;
    return clasa;
}
