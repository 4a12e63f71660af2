#include "support/BazaTest.h"

#include <cstdio>
#include <functional>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFile>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "data/UTabeleCertificatAcordare.h"
#include "support/ServerTest.h"

void ScrieFisier(const QString &cale, const QByteArray &continut)
{
    QDir().mkpath(QFileInfo(cale).absolutePath());
    QFile f(cale);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << cale.toStdString();
    f.write(continut);
}

QByteArray Amprenta(const QString &fisier)
{
    QFile f(fisier);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

namespace {

// A connection of the test's own to the database file (through the run's
// server when it has one), open while `lucru` runs.
void CuConexiuneDirecta(const QString &fisier, const std::function<void(QSqlDatabase &)> &lucru)
{
    PregatesteDosarBlocariFirebird();
    const QString nume = QStringLiteral("direct");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), nume);
        db.setDatabaseName(ServerTest::NumeBaza(fisier));
        db.setUserName(QStringLiteral("sysdba"));
        db.setPassword(ServerTest::Activ() ? ServerTest::Parola() : QStringLiteral("plivremox"));
        if (db.open()) {
            lucru(db);
            db.close();
        } else {
            ADD_FAILURE() << db.lastError().text().toStdString();
        }
    }
    QSqlDatabase::removeDatabase(nume);
}

} // namespace

void ExecutaDirect(const QString &fisier, const QStringList &comenzi)
{
    CuConexiuneDirecta(fisier, [&](QSqlDatabase &db) {
        for (const QString &comanda : comenzi) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(comanda))
                << comanda.toStdString() << ": " << q.lastError().text().toStdString();
        }
    });
}

QVariant CitesteDirect(const QString &fisier, const QString &sql)
{
    QVariant v;
    CuConexiuneDirecta(fisier, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
        if (q.next())
            v = q.value(0);
    });
    return v;
}

void TBazaTest::SetUp()
{
    ASSERT_TRUE(m_dosar.isValid());
    const QString program = m_dosar.filePath(QStringLiteral("program"));
    const QString date = m_dosar.filePath(QStringLiteral("date"));
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(date));
    m_locatii = TLocatii(program, date);
    ASSERT_TRUE(QFile::copy(QStringLiteral(CERT_TEST_TEMPLATE), CaleSablon()));
    InregistreazaCertificatAcordare(m_inregistrari);
    MesajeTest().Reseteaza();
}

void TBazaTest::TearDown()
{
    m_dm.reset();
}

std::unique_ptr<TDM> TBazaTest::Porneste()
{
    TOptiuniDm optiuni{m_locatii, &m_inregistrari, {}};
    if (ServerTest::Activ()) {
        // On a server the database is there before the program: the file is
        // put in place as the first start in the data folder would.
        if (!QFileInfo::exists(CaleBaza()) && QFileInfo::exists(CaleSablon()))
            CopiazaSablonulInBaza();
        optiuni.conexiune = ServerTest::Conexiune(CaleBaza());
    }
    auto dm = std::make_unique<TDM>(std::move(optiuni));
    // What went wrong at start, in the test's output.
    for (const QString &eroare : MesajeTest().Texte(TMesajeTest::Tip::Eroare))
        std::fprintf(stderr, "Start of the data module: %s\n", eroare.toLocal8Bit().constData());
    return dm;
}

void TBazaTest::Reporneste()
{
    m_dm.reset();
    m_dm = Porneste();
}

QString TBazaTest::CaleSablon() const
{
    return m_locatii.CaleProgram(QStringLiteral("BLANK.FDB"));
}

QString TBazaTest::CaleBaza() const
{
    return m_locatii.CaleDate(QStringLiteral("DB/CertificatAcordare2006.FDB"));
}

QVariant TBazaTest::Valoare(TDM &dm, const QString &sql)
{
    dm.Tr.StartTransaction();
    dm.Q6.SetSQL(sql);
    dm.Q6.Open();
    const QVariant v = dm.Q6.Eof() ? QVariant() : dm.Q6.FieldByName(QStringLiteral("V"));
    dm.Q6.Close();
    dm.Tr.Rollback();
    return v;
}

void TBazaTest::Executa(TDM &dm, const QStringList &comenzi)
{
    dm.Tr.StartTransaction();
    for (const QString &c : comenzi) {
        dm.Q6.SetSQL(c);
        dm.Q6.ExecSQL();
    }
    dm.Tr.Commit();
}

void TBazaTest::CopiazaSablonulInBaza()
{
    ASSERT_TRUE(QDir().mkpath(m_locatii.CaleDate(QStringLiteral("DB"))));
    ASSERT_TRUE(QFile::copy(CaleSablon(), CaleBaza()));
    QFile::setPermissions(CaleBaza(), QFile::ReadOwner | QFile::WriteOwner);
}
