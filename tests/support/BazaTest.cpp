#include "support/BazaTest.h"

#include <QDir>
#include <QFile>

#include "data/UTabeleCertificatAcordare.h"

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
    return std::make_unique<TDM>(TOptiuniDm{m_locatii, &m_inregistrari, {}});
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
