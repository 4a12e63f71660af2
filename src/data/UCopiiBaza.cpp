#include "data/UCopiiBaza.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "comun/Ceas.h"
#include "comun/CopiereFisier.h"
#include "comun/Exceptie.h"
#include "data/UCai.h"

namespace {

const QString FormatMarca = QStringLiteral("yyyyMMdd-HHmmss");

int Luna(const QDate &d)
{
    return d.year() * 12 + d.month() - 1;
}

// The tables every database of the program has, whatever its version.
const QStringList &TabeleProgram()
{
    static const QStringList tabele{QStringLiteral("CONFID_DB"), QStringLiteral("PROFIL_DIPLOMA"),
                                    QStringLiteral("TABELE"),    QStringLiteral("TIPURI_DE_DATE"),
                                    QStringLiteral("DATE"),      QStringLiteral("ELEVI")};
    return tabele;
}

TInfoBaza Verifica(QSqlDatabase &db)
{
    TInfoBaza info;
    if (!db.open()) {
        info.eroare = QStringLiteral("Fisierul nu se deschide ca baza de date:\r\n") +
                      db.lastError().databaseText().trimmed();
        return info;
    }
    QSqlQuery q(db);
    QStringList lipsa = TabeleProgram();
    if (!q.exec(QStringLiteral("select trim(RDB$RELATION_NAME) from RDB$RELATIONS"))) {
        info.eroare =
            QStringLiteral("Fisierul nu se poate citi:\r\n") + q.lastError().databaseText().trimmed();
        return info;
    }
    while (q.next())
        lipsa.removeAll(q.value(0).toString());
    if (!lipsa.isEmpty()) {
        info.eroare =
            QStringLiteral("Fisierul nu este o baza de date a acestui program (lipsesc tabelele %1).")
                .arg(lipsa.join(QStringLiteral(", ")));
        return info;
    }
    // Reading every row also finds damaged pages the header does not show.
    const auto numara = [&q](const QString &sql, int &rezultat) {
        if (!q.exec(sql) || !q.next())
            return false;
        rezultat = q.value(0).toInt();
        return true;
    };
    int valori = 0;
    int versiune = 0;
    if (!numara(QStringLiteral("select count(*) from ELEVI"), info.candidati) ||
        !numara(QStringLiteral("select count(*) from \"DATE\""), valori) ||
        !numara(QStringLiteral("select VERSIUNE from CONFID_DB"), versiune)) {
        info.eroare =
            QStringLiteral("Fisierul nu se poate citi:\r\n") + q.lastError().databaseText().trimmed();
        return info;
    }
    info.valida = true;
    return info;
}

} // namespace

TCopiiBaza::TCopiiBaza(QString caleBaza, ICeas &ceas, ICopiereFisier &copiere)
    : m_caleBaza(std::move(caleBaza)), m_ceas(ceas), m_copiere(copiere)
{}

QString TCopiiBaza::Baza() const
{
    return QFileInfo(m_caleBaza).completeBaseName();
}

QString TCopiiBaza::Dosar() const
{
    return QFileInfo(m_caleBaza).absolutePath() + QStringLiteral("/copii");
}

QString TCopiiBaza::Marca(const QDateTime &data)
{
    return data.toString(FormatMarca);
}

QList<TCopieBaza> TCopiiBaza::Lista() const
{
    const QRegularExpression nume(
        QStringLiteral("^%1-(\\d{8}-\\d{6})(?:-(\\d+))?\\.FDB$").arg(QRegularExpression::escape(Baza())),
        QRegularExpression::CaseInsensitiveOption);
    // Two copies of the same second: the one with the higher number came later.
    QList<std::pair<TCopieBaza, int>> copii;
    const QFileInfoList fisiere = QDir(Dosar()).entryInfoList(QDir::Files);
    for (const QFileInfo &f : fisiere) {
        const QRegularExpressionMatch m = nume.match(f.fileName());
        if (!m.hasMatch())
            continue;
        const QDateTime data = QDateTime::fromString(m.captured(1), FormatMarca);
        if (data.isValid())
            copii.append({{f.absoluteFilePath(), data, f.size()}, m.captured(2).toInt()});
    }
    std::sort(copii.begin(), copii.end(), [](const auto &a, const auto &b) {
        return a.first.data != b.first.data ? a.first.data > b.first.data : a.second > b.second;
    });
    QList<TCopieBaza> lista;
    for (const auto &c : copii)
        lista.append(c.first);
    return lista;
}

QString TCopiiBaza::NumeLiber(const QString &cale)
{
    if (!QFileInfo::exists(cale))
        return cale;
    const QFileInfo f(cale);
    const QString inceput = f.absolutePath() + QLatin1Char('/') + f.completeBaseName();
    const QString extensie = f.suffix().isEmpty() ? QString() : QLatin1Char('.') + f.suffix();
    for (int i = 2;; ++i) {
        const QString alt = QStringLiteral("%1-%2%3").arg(inceput).arg(i).arg(extensie);
        if (!QFileInfo::exists(alt))
            return alt;
    }
}

QString TCopiiBaza::NumeAlaturi(const QString &sufix) const
{
    return NumeLiber(QFileInfo(m_caleBaza).absolutePath() + QLatin1Char('/') + Baza() + QLatin1Char('-') +
                     sufix + QStringLiteral(".FDB"));
}

void TCopiiBaza::CopiazaSigur(const QString &sursa, const QString &tinta) const
{
    const QString temporar = NumeLiber(tinta + QStringLiteral(".tmp"));
    const QString eroare = m_copiere.Copiaza(sursa, temporar);
    if (!eroare.isEmpty()) {
        QFile::remove(temporar);
        throw Exceptie(QStringLiteral("Nu am putut copia baza de date in\r\n%1\r\n\r\n%2")
                           .arg(QDir::toNativeSeparators(tinta), eroare));
    }
    // The old file goes only once the new one is complete, and comes back if the new one cannot take its
    // name.
    QString vechi;
    if (QFileInfo::exists(tinta)) {
        vechi = NumeLiber(tinta + QStringLiteral(".vechi"));
        if (!QFile::rename(tinta, vechi)) {
            QFile::remove(temporar);
            throw Exceptie(
                QStringLiteral("Nu pot inlocui fisierul\r\n%1").arg(QDir::toNativeSeparators(tinta)));
        }
    }
    if (!QFile::rename(temporar, tinta)) {
        QFile::remove(temporar);
        if (!vechi.isEmpty())
            QFile::rename(vechi, tinta);
        throw Exceptie(QStringLiteral("Nu pot da copiei numele\r\n%1").arg(QDir::toNativeSeparators(tinta)));
    }
    if (!vechi.isEmpty())
        QFile::remove(vechi);
}

QString TCopiiBaza::CopieAutomata()
{
    if (!QDir().mkpath(Dosar()))
        throw Exceptie(QStringLiteral("Nu pot crea dosarul copiilor bazei de date:\r\n") +
                       QDir::toNativeSeparators(Dosar()));
    // What a copy cut short by a crash left behind is no database.
    const QStringList ramase = QDir(Dosar()).entryList({Baza() + QStringLiteral("-*.FDB.tmp*")}, QDir::Files);
    for (const QString &f : ramase)
        QFile::remove(Dosar() + QLatin1Char('/') + f);
    const QString tinta = NumeLiber(Dosar() + QLatin1Char('/') + Baza() + QLatin1Char('-') +
                                    Marca(m_ceas.Acum()) + QStringLiteral(".FDB"));
    CopiazaSigur(m_caleBaza, tinta);
    return tinta;
}

QSet<int> TCopiiBaza::DePastrat(const QList<QDateTime> &date, const QDateTime &acum)
{
    QList<int> ordine;
    for (int i = 0; i < date.size(); ++i)
        ordine.append(i);
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) { return date[a] > date[b]; });

    QSet<int> pastrate;
    int recente = 0;
    const int lunaCurenta = Luna(acum.date());
    std::map<int, int> primaDinLuna;
    for (int i : ordine) {
        if (date[i] > acum) {
            pastrate.insert(i);
            continue;
        }
        if (recente < UltimelePastrate) {
            pastrate.insert(i);
            ++recente;
        }
        const int luna = Luna(date[i].date());
        // Walking from the newest, the last one seen in a month is its first.
        if (luna < lunaCurenta && luna >= lunaCurenta - LuniPastrate)
            primaDinLuna[luna] = i;
    }
    for (const auto &[luna, i] : primaDinLuna)
        pastrate.insert(i);
    return pastrate;
}

QStringList TCopiiBaza::Curata()
{
    const QList<TCopieBaza> copii = Lista();
    QList<QDateTime> date;
    for (const TCopieBaza &c : copii)
        date.append(c.data);
    const QSet<int> pastrate = DePastrat(date, m_ceas.Acum());
    QStringList sterse;
    for (int i = 0; i < copii.size(); ++i) {
        if (!pastrate.contains(i) && QFile::remove(copii[i].cale))
            sterse.append(copii[i].cale);
    }
    return sterse;
}

TInfoBaza TCopiiBaza::VerificaBaza(const QString &fisier)
{
    if (!QFileInfo(fisier).isFile()) {
        TInfoBaza info;
        info.eroare = QStringLiteral("Fisierul nu exista.");
        return info;
    }
    static std::atomic<int> numar{0};
    const QString conexiune = QStringLiteral("verificare%1").arg(++numar);
    PregatesteDosarBlocariFirebird();
    TInfoBaza info;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), conexiune);
        db.setDatabaseName(fisier);
        db.setUserName(QStringLiteral("sysdba"));
        db.setPassword(QStringLiteral("plivremox"));
        info = Verifica(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(conexiune);
    return info;
}
