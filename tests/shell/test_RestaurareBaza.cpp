#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "candidates/UListaElevi.h"
#include "comun/Ceas.h"
#include "data/UCopiiBaza.h"
#include "data/UTabeleCertificatAcordare.h"
#include "shell/UCertificatAcordareMain.h"
#include "shell/URestaurareBaza.h"
#include "support/BazaTest.h"

namespace {

class TCeasTest : public ICeas
{
public:
    QDateTime Acum() const override { return acum; }
    QDateTime acum;
};

QString Candidat(int id)
{
    return QStringLiteral(
               "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
               "ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', 'ELEV%1', 0, %1)")
        .arg(id);
}

// Runs `cu` on the restore dialog once it shows.
void LaDialog(const std::function<void(TRestaurareBaza &)> &cu)
{
    QTimer::singleShot(0, [cu] {
        auto *dialog = qobject_cast<TRestaurareBaza *>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no restore dialog";
            return;
        }
        cu(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

// Copies from two starts: the template's (no candidates) and one with two
// candidates; the database itself has three.
class RestaurareMeniu : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        // The candidate list reads the program's own registrations.
        if (!Inregistrari().Profil())
            InregistreazaCertificatAcordare(Inregistrari());
        CopiazaSablonulInBaza();
        PornesteLa(QStringLiteral("2026-03-01 08:00"));
        Executa(*m_dm, {QStringLiteral("insert into ELEVI values (1)"),
                        QStringLiteral("insert into ELEVI values (2)"), Candidat(1), Candidat(2)});
        PornesteLa(QStringLiteral("2026-03-02 08:00"));
        Executa(*m_dm, {QStringLiteral("insert into ELEVI values (3)"), Candidat(3)});
    }
    void TearDown() override
    {
        DM = nullptr;
        TBazaTest::TearDown();
    }
    void PornesteLa(const QString &cand)
    {
        DM = nullptr;
        m_dm.reset();
        m_ceas.acum = QDateTime::fromString(cand, QStringLiteral("yyyy-MM-dd HH:mm"));
        TOptiuniDm optiuni{m_locatii, &m_inregistrari, {}};
        optiuni.ceas = &m_ceas;
        m_dm = std::make_unique<TDM>(optiuni);
        ASSERT_TRUE(m_dm->Pregatit());
        DM = m_dm.get();
    }

    TCeasTest m_ceas;
};

TEST_F(RestaurareMeniu, ListsTheCopiesAndRestoresTheChosenOneIntoTheList)
{
    TCertificatAcordareMain fereastra;
    ASSERT_EQ(fereastra.ListaElevi()->Linii().size(), 3u);
    MesajeTest().Raspunde(true);

    QStringList randuri;
    bool restaurabila = true;
    LaDialog([&](TRestaurareBaza &d) {
        for (int r = 0; r < d.Copii->rowCount(); ++r)
            randuri.append(d.Copii->item(r, 0)->text() + QLatin1Char('|') + d.Copii->item(r, 2)->text());
        EXPECT_FALSE(d.Copii->item(0, 1)->text().isEmpty());
        EXPECT_EQ(d.Copii->currentRow(), 0) << "the newest copy that opens is chosen";
        d.Copii->selectRow(1);
        restaurabila = d.Restaureaza->isEnabled();
        d.Copii->selectRow(0);
        d.Restaureaza->click();
    });
    fereastra.Restaurarebazadedate1->trigger();

    EXPECT_EQ(randuri, (QStringList{QStringLiteral("02.03.2026 08:00:00|2"),
                                    QStringLiteral("01.03.2026 08:00:00|0")}));
    EXPECT_TRUE(restaurabila);
    EXPECT_EQ(fereastra.ListaElevi()->Linii().size(), 2u)
        << "the list is reloaded from the restored database";
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Am restaurat baza de date (2 candidati).")});
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
}

TEST_F(RestaurareMeniu, AnotherFileThatIsNoDatabaseIsRefusedAndACopyThatDoesNotOpenCannotBeChosen)
{
    const QString strain = m_dosar.filePath(QStringLiteral("notite.FDB"));
    ScrieFisier(strain, "notite");
    const QString copii = m_locatii.CaleDate(QStringLiteral("DB/copii"));
    ASSERT_TRUE(QFile::copy(strain, copii + QStringLiteral("/CertificatAcordare2006-20260303-080000.FDB")));

    TCertificatAcordareMain fereastra;
    fereastra.Fisiere.deschidere = [&] { return strain; };
    MesajeTest().Raspunde(true);
    LaDialog([&](TRestaurareBaza &d) {
        EXPECT_EQ(d.Copii->item(0, 2)->text(), QStringLiteral("nu se deschide"));
        EXPECT_EQ(d.Copii->currentRow(), 1);
        d.Copii->selectRow(0);
        EXPECT_FALSE(d.Restaureaza->isEnabled());
        d.AltFisier->click();
    });
    fereastra.Restaurarebazadedate1->trigger();

    const QStringList erori = MesajeTest().Texte(TMesajeTest::Tip::Eroare);
    ASSERT_EQ(erori.size(), 1);
    EXPECT_TRUE(erori[0].contains(QStringLiteral("nu este o baza de date a acestui program")))
        << erori[0].toStdString();
    EXPECT_EQ(fereastra.ListaElevi()->Linii().size(), 3u);
    EXPECT_FALSE(QFileInfo::exists(
        m_locatii.CaleDate(QStringLiteral("DB/CertificatAcordare2006-inainte-de-restaurare.FDB"))));
}

TEST_F(RestaurareMeniu, SavesACopyWhereTheUserChooses)
{
    TCertificatAcordareMain fereastra;
    const QString tinta = m_dosar.filePath(QStringLiteral("stick.FDB"));
    QString propus;
    fereastra.Fisiere.salvare = [&](const QString &p) {
        propus = p;
        return tinta;
    };
    fereastra.Salvarebazadedate1->trigger();

    EXPECT_TRUE(propus.endsWith(QStringLiteral(".FDB"))) << propus.toStdString();
    EXPECT_EQ(TCopiiBaza::VerificaBaza(tinta).candidati, 3);
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare).size(), 1);
    EXPECT_EQ(fereastra.ListaElevi()->Linii().size(), 3u) << "the database is open again";
}
