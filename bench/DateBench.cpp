#include "DateBench.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include "data/UTabeleCertificatAcordare.h"

namespace {

void Executa(TDM &dm, const QString &sql, const QList<std::pair<QString, QVariant>> &parametri = {})
{
    dm.Q1.SetSQL(sql);
    for (const auto &[nume, valoare] : parametri)
        dm.Q1.ParamByName(nume, valoare);
    dm.Q1.ExecSQL();
}

} // namespace

TDateBench::TDateBench(int n, const QString &date)
{
    dosarProgram = dosar.filePath(QStringLiteral("program"));
    dosarDate = date.isEmpty() ? dosar.filePath(QStringLiteral("date")) : date;
    QDir().mkpath(dosarProgram);
    QDir().mkpath(dosarDate);
    QFile::copy(QStringLiteral(CERT_BENCH_TEMPLATE), dosarProgram + QStringLiteral("/BLANK.FDB"));
    InregistreazaCertificatAcordare(inregistrari);
    dm = std::make_unique<TDM>(TOptiuniDm{TLocatii(dosarProgram, dosarDate), &inregistrari, {}});
    AdaugaCandidati(*dm, 1, n);
}

void AdaugaCandidati(TDM &dm, int prim, int ultim)
{
    dm.Tr.StartTransaction();
    QStringList campuriInstitutie;
    dm.Q2.SetSQL(QStringLiteral(
        "select COD_CAMP from PROFIL_DIPLOMA where ASOCIAT_CU = 'INSTITUTIA' order by ORDINE"));
    for (dm.Q2.Open(); !dm.Q2.Eof(); dm.Q2.Next())
        campuriInstitutie.append(dm.Q2.AsString(QStringLiteral("COD_CAMP")));
    dm.Q2.Close();
    if (prim == 1) {
        Executa(dm, QStringLiteral("insert into INSTITUTIA values (1)"));
        for (const QString &camp : campuriInstitutie) {
            Executa(
                dm,
                QStringLiteral(
                    "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                    "VALOARE_NUM, ID_INSTITUTIA) values ('CertificatAcordare', 'FATA', :CAMP, :VAL, 0, 1)"),
                {{QStringLiteral("CAMP"), camp},
                 {QStringLiteral("VAL"), QStringLiteral("Liceul Teoretic ") + camp}});
        }
    }
    const QString valoare = QStringLiteral(
        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI) "
        "values ('CertificatAcordare', 'FATA', :CAMP, :VAL, 0, :ID)");
    const QString legatura = QStringLiteral(
        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI, "
        "IDF_INSTITUTIA) values ('CertificatAcordare', 'FATA', :CAMP, '', 0, :ID, 1)");
    for (int id = prim; id <= ultim; ++id) {
        Executa(dm, QStringLiteral("insert into ELEVI values (:ID)"), {{QStringLiteral("ID"), id}});
        Executa(dm, valoare,
                {{QStringLiteral("CAMP"), QStringLiteral("C_NUME")},
                 {QStringLiteral("VAL"), QStringLiteral("POPESCU ANA MARIA %1").arg(id)},
                 {QStringLiteral("ID"), id}});
        Executa(dm, valoare,
                {{QStringLiteral("CAMP"), QStringLiteral("D_MEDIA_GENERALA")},
                 {QStringLiteral("VAL"), QStringLiteral("9,%1").arg(10 + id % 90)},
                 {QStringLiteral("ID"), id}});
        for (const QString &camp : campuriInstitutie)
            Executa(dm, legatura, {{QStringLiteral("CAMP"), camp}, {QStringLiteral("ID"), id}});
    }
    dm.Tr.Commit();
}
