#pragma once

#include <memory>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "data/UDm.h"
#include "editors/UEditorGeneric.h"
#include "support/BazaTest.h"

// A database with candidates 1, 2 and 3, the institution 10 and the
// CANDIDAT record 5, whose data module is the program's DM while a test runs.
class BazaEditori : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        DM = m_dm.get();
        Executa(*m_dm, {QStringLiteral("insert into ELEVI (ID_ELEVI) values (1)"),
                        QStringLiteral("insert into ELEVI (ID_ELEVI) values (2)"),
                        QStringLiteral("insert into ELEVI (ID_ELEVI) values (3)"),
                        QStringLiteral("insert into INSTITUTIA (ID_INSTITUTIA) values (10)"),
                        QStringLiteral("insert into CANDIDAT (ID_CANDIDAT) values (5)")});
    }

    void TearDown() override
    {
        DM = nullptr;
        TBazaTest::TearDown();
    }

    // A value row of field `camp` linked through `coloana` to `id`.
    static QString Rand(const QString &camp, const QString &valoare, const QString &coloana, int id,
                        double numar = 0)
    {
        return QStringLiteral(
                   "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                   "%1) values ('CertificatAcordare', 'FATA', '%2', '%3', %4, %5)")
            .arg(coloana, camp, valoare)
            .arg(numar)
            .arg(id);
    }

    // Loads an editor of class E as the composite editor does: inside a read transaction.
    template <class E>
    std::unique_ptr<E> Incarcat(const QString &camp, const QString &tabel, int idElev, int idEntitate)
    {
        auto editor = std::make_unique<E>();
        m_dm->Tr.StartTransaction();
        editor->Incarca(QStringLiteral("CertificatAcordare"), QStringLiteral("FATA"), camp, tabel, idElev,
                        idEntitate);
        m_dm->Tr.Rollback();
        return editor;
    }

    // Saves as the record dialog does: inside a transaction it commits.
    void Salvat(TEditorGeneric &editor, int idElev, int idEntitate, const QString &tabel)
    {
        m_dm->Tr.StartTransaction();
        editor.Salveaza(idElev, idEntitate, tabel);
        m_dm->Tr.Commit();
    }

    // The rows of a query, each row's columns as texts ("<null>" for NULL).
    QList<QStringList> Randuri(const QString &sql)
    {
        QList<QStringList> randuri;
        m_dm->Tr.StartTransaction();
        m_dm->Q6.SetSQL(sql);
        for (m_dm->Q6.Open(); !m_dm->Q6.Eof(); m_dm->Q6.Next()) {
            QStringList rand;
            for (const QString &coloana : sql.section(QStringLiteral("select "), 1)
                                              .section(QStringLiteral(" from"), 0, 0)
                                              .split(QStringLiteral(", "))) {
                const QVariant v = m_dm->Q6.FieldByName(coloana.trimmed());
                rand.append(v.isNull() ? QStringLiteral("<null>") : v.toString());
            }
            randuri.append(rand);
        }
        m_dm->Q6.Close();
        m_dm->Tr.Rollback();
        return randuri;
    }

    // The value rows of one field: VALOARE_TEXT, VALOARE_NUM and the three link columns.
    QList<QStringList> RandurileCampului(const QString &camp)
    {
        return Randuri(
            QStringLiteral("select VALOARE_TEXT, VALOARE_NUM, ID_ELEVI, ID_INSTITUTIA, ID_CANDIDAT from "
                           "\"DATE\" where COD_CAMP = '%1' order by ID_ELEVI, ID_INSTITUTIA")
                .arg(camp));
    }
};
