#pragma once

#include <memory>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include "data/UCai.h"
#include "data/UDm.h"
#include "data/UInregistrari.h"
#include "support/MesajeTest.h"

// Writes a file (and its folder) for a test; the test fails when it cannot.
void ScrieFisier(const QString &cale, const QByteArray &continut);
// The SHA-256 of a file's bytes, empty when it cannot be read: whether a file was left as it was.
QByteArray Amprenta(const QString &fisier);

// Runs statements on a database file through a connection of the test's own,
// outside any data module.
void ExecutaDirect(const QString &fisier, const QStringList &comenzi);
// The first column of the first row a query returns, read the same way.
QVariant CitesteDirect(const QString &fisier, const QString &sql);

// A program folder holding a fresh copy of the empty template and a data
// folder, both in a temporary folder of the test's own, and the certificate's
// registrations.
class TBazaTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A data module on these folders, as the program creates it at start.
    std::unique_ptr<TDM> Porneste();
    // Same, keeping the first data module closed before.
    void Reporneste();

    QString CaleSablon() const;
    QString CaleBaza() const;
    // One value of a one-row query run in its own transaction.
    QVariant Valoare(TDM &dm, const QString &sql);
    // Runs statements through the data module in one transaction.
    void Executa(TDM &dm, const QStringList &comenzi);
    // The database file copied from the template, not yet opened by the program.
    void CopiazaSablonulInBaza();

    QTemporaryDir m_dosar;
    TLocatii m_locatii{QString(), QString()};
    TInregistrari m_inregistrari;
    std::unique_ptr<TDM> m_dm;
};
