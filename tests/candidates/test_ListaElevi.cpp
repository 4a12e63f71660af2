#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

#include "candidates/UListaElevi.h"
#include "data/UJurnalTiparire.h"
#include "data/UTabeleCertificatAcordare.h"
#include "forms/TemplateForm.h"
#include "shell/UCertificatAcordareMain.h"
#include "support/BazaTest.h"
#include "support/MesajeTest.h"

namespace {

QString Nume(int id, const QString &nume)
{
    return QStringLiteral(
               "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
               "ID_ELEVI) values ('CertificatAcordare', 'FATA', 'C_NUME', '%1', 0, %2)")
        .arg(nume)
        .arg(id);
}

QStringList Afisate(const TListaElevi &lista)
{
    QStringList texte;
    for (int i = 0; i < lista.VT->topLevelItemCount(); ++i)
        texte.append(lista.VT->topLevelItem(i)->text(0));
    texte.sort();
    return texte;
}

void Selecteaza(TListaElevi &lista, const QString &text)
{
    for (int i = 0; i < lista.VT->topLevelItemCount(); ++i) {
        if (lista.VT->topLevelItem(i)->text(0) == text)
            lista.VT->topLevelItem(i)->setSelected(true);
    }
}

// A document type for the button tests; its preview is an empty window.
class THandlerProba : public THandlerFormularDePrintat
{
public:
    THandlerProba() : THandlerFormularDePrintat(QStringLiteral("Proba")) {}
    TTemplate *CreatePreview(QWidget *owner) const override { return new TTemplate(owner); }
};

} // namespace

// Candidates MARIANA, DAN, Ana and one without a name, written straight
// into the database; the program's registrations and data module in use.
class ListaElevi : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        if (!Inregistrari().Profil())
            InregistreazaCertificatAcordare(Inregistrari());
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        Executa(*m_dm, {QStringLiteral("insert into ELEVI values (1)"),
                        QStringLiteral("insert into ELEVI values (2)"),
                        QStringLiteral("insert into ELEVI values (3)"),
                        QStringLiteral("insert into ELEVI values (4)"), Nume(1, QStringLiteral("MARIANA")),
                        Nume(2, QStringLiteral("DAN")), Nume(3, QStringLiteral("Ana"))});
        DM = m_dm.get();
    }
    void TearDown() override
    {
        DM = nullptr;
        TBazaTest::TearDown();
    }
};

TEST_F(ListaElevi, ListsEveryCandidateByNameAndFiltersCaseSensitively)
{
    TListaElevi lista;
    lista.Reload();
    EXPECT_EQ(Afisate(lista), (QStringList{QString(), QStringLiteral("Ana"), QStringLiteral("DAN"),
                                           QStringLiteral("MARIANA")}));

    lista.RzEdit1->setText(QStringLiteral("AN"));
    EXPECT_EQ(Afisate(lista), (QStringList{QStringLiteral("DAN"), QStringLiteral("MARIANA")}));
    lista.RzEdit1->setText(QStringLiteral("   "));
    EXPECT_EQ(Afisate(lista).size(), 4);
    lista.RzEdit1->setText(QStringLiteral(" AN"));
    EXPECT_TRUE(Afisate(lista).isEmpty()) << "the filter is searched as typed";
}

TEST_F(ListaElevi, DeletingNeedsASelectionAndAConfirmationAndKeepsTheFilter)
{
    TListaElevi lista;
    lista.Reload();
    lista.RzEdit1->setText(QStringLiteral("A"));

    lista.RzBitBtn3->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Va rog selectati un elev!")});

    Selecteaza(lista, QStringLiteral("DAN"));
    MesajeTest().Raspunde(false);
    lista.RzBitBtn3->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Intrebare),
              QStringList{QStringLiteral("Doriti sa stergeti elevul: ")});
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from ELEVI")).toInt(), 4);

    MesajeTest().Raspunde(true);
    lista.RzBitBtn3->click();
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from ELEVI")).toInt(), 3);
    EXPECT_EQ(Valoare(*m_dm, QStringLiteral("select count(*) as V from \"DATE\" where ID_ELEVI = 2")).toInt(),
              0);
    EXPECT_EQ(lista.RzEdit1->text(), QStringLiteral("A"));
    EXPECT_EQ(Afisate(lista), (QStringList{QStringLiteral("Ana"), QStringLiteral("MARIANA")}));
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
}

TEST_F(ListaElevi, OneButtonPerDocumentTypeAndNoSelectionIsReported)
{
    if (ListaHandlere().Count() == 0)
        ListaHandlere().Add(std::make_unique<THandlerProba>());
    TListaElevi lista;
    lista.Reload();
    const QList<TButonFormular *> butoane = lista.Panel2->findChildren<TButonFormular *>();
    ASSERT_EQ(butoane.size(), ListaHandlere().Count());
    EXPECT_EQ(lista.Panel2->width(), 4 + ListaHandlere().Count() * (128 + 4) + 4);
    EXPECT_EQ(butoane.first()->geometry(), QRect(4, 4, 128, 40));
    EXPECT_EQ(butoane.first()->text(), ListaHandlere().Handler(0).Caption());

    butoane.first()->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Va rog selectati un elev!")});
    EXPECT_EQ(butoane.first()->Preview(), nullptr);
}

TEST_F(ListaElevi, MainWindowHoldsTheListAndTheConfigurationMenu)
{
    TCertificatAcordareMain fereastra;
    EXPECT_EQ(fereastra.windowTitle(), QStringLiteral("CertificatAcordareMain"));
    ASSERT_NE(fereastra.ListaElevi(), nullptr);
    EXPECT_EQ(fereastra.centralWidget(), fereastra.ListaElevi());
    EXPECT_EQ(fereastra.ListaElevi()->Linii().size(), 4u);

    QStringList intrari;
    for (QAction *a : fereastra.Configurare1->actions())
        intrari.append(a->isSeparator() ? QStringLiteral("-")
                                        : a->objectName() + QLatin1Char('=') + a->text());
    EXPECT_EQ(intrari,
              (QStringList{QStringLiteral("Configurareimprimanta2=Configurare imprimanta"),
                           QStringLiteral("Formatnote1=Format note"), QStringLiteral("-"),
                           QStringLiteral("Configurarediploma1=Configurare sablon diploma"),
                           QStringLiteral("Configurarescoala1=Configurare scoala"), QStringLiteral("-"),
                           QStringLiteral("ImportdinExcel1=Import din Excel"), QStringLiteral("-"),
                           QStringLiteral("Salvarebazadedate1=Salvare baza de date..."),
                           QStringLiteral("Restaurarebazadedate1=Restaurare baza de date..."),
                           QStringLiteral("Bazadedate1=Baza de date")}));
    EXPECT_EQ(fereastra.Configurare1->title(), QStringLiteral("Configurare"));
}

// What was printed, from the print log: the last print's date beside each
// candidate, and a candidate's prints on request.
TEST_F(ListaElevi, ShowsWhenEachCandidateWasLastPrintedAndTheirPrints)
{
    JurnalTiparire::Inregistreaza(*m_dm, 2, QStringLiteral("DAN"), QStringLiteral("Laser"),
                                  QDateTime(QDate(2026, 6, 1), QTime(9, 0)));
    JurnalTiparire::Inregistreaza(*m_dm, 2, QStringLiteral("DAN"), QStringLiteral("Laser"),
                                  QDateTime(QDate(2026, 6, 3), QTime(10, 15)));
    TListaElevi lista;
    lista.Reload();
    EXPECT_EQ(lista.VT->headerItem()->text(1), QStringLiteral("Tiparit"));
    for (int i = 0; i < lista.VT->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *nod = lista.VT->topLevelItem(i);
        EXPECT_EQ(nod->text(1),
                  nod->text(0) == QLatin1String("DAN") ? QStringLiteral("03.06.2026") : QString())
            << nod->text(0).toStdString();
    }

    MesajeTest().Reseteaza();
    Selecteaza(lista, QStringLiteral("DAN"));
    lista.BtnIstoric->click();
    const QStringList info = MesajeTest().Texte(TMesajeTest::Tip::Informare);
    ASSERT_EQ(info.size(), 1);
    EXPECT_TRUE(info[0].contains(QStringLiteral("01.06.2026 09:00  DAN  Laser")));
    EXPECT_TRUE(info[0].contains(QStringLiteral("03.06.2026 10:15  DAN  Laser")));
    EXPECT_TRUE(info[0].contains(QStringLiteral("(retiparire)")));

    MesajeTest().Reseteaza();
    lista.VT->clearSelection();
    Selecteaza(lista, QStringLiteral("Ana"));
    lista.BtnIstoric->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare),
              QStringList{QStringLiteral("Certificatul acestui candidat nu a fost tiparit inca.")});
}

// Several candidates may be selected, in an order of the user's, and all at once.
TEST_F(ListaElevi, SelectsSeveralCandidatesInTheirOrderOrAllOfThem)
{
    TListaElevi lista;
    lista.Reload();
    EXPECT_EQ(lista.VT->selectionMode(), QAbstractItemView::ExtendedSelection);
    Selecteaza(lista, QStringLiteral("MARIANA"));
    Selecteaza(lista, QStringLiteral("Ana"));
    EXPECT_EQ(lista.IduriSelectate(), (QList<int>{1, 3}));
    // A filter that still shows them keeps them selected.
    lista.RzEdit1->setText(QStringLiteral("A"));
    EXPECT_EQ(lista.IduriSelectate().size(), 2);
    lista.RzEdit1->clear();
    lista.BtnSelecteazaTot->click();
    EXPECT_EQ(lista.IduriSelectate().size(), 4);

    // Printing a selection asks for one when there is none.
    lista.VT->clearSelection();
    MesajeTest().Reseteaza();
    lista.BtnTiparesteSelectia->click();
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Informare).size(), 1);
}

// What another computer saves shows after "Reincarca".
TEST_F(ListaElevi, ReincarcaShowsTheCandidatesAnotherComputerAdded)
{
    TListaElevi lista;
    lista.Reload();
    const int inainte = lista.VT->topLevelItemCount();
    const std::unique_ptr<TDM> alt = Porneste();
    ASSERT_TRUE(alt->Pregatit());
    Executa(*alt, {QStringLiteral("insert into ELEVI values (5)"), Nume(5, QStringLiteral("VIOREL"))});
    EXPECT_EQ(lista.VT->topLevelItemCount(), inainte);
    EXPECT_EQ(lista.BtnReincarca->text(), QStringLiteral("Reincarca"));
    lista.BtnReincarca->click();
    ASSERT_EQ(lista.VT->topLevelItemCount(), inainte + 1);
    bool gasit = false;
    for (int i = 0; i < lista.VT->topLevelItemCount(); ++i)
        gasit = gasit || lista.VT->topLevelItem(i)->text(0) == QLatin1String("VIOREL");
    EXPECT_TRUE(gasit);
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare).isEmpty());
}

// A server out of reach: said once at start, then the window opens with an
// empty list and every action that needs the database says it again.
TEST_F(ListaElevi, WithTheServerOutOfReachTheWindowOpensEmptyAndEachActionNamesTheServer)
{
    DM = nullptr;
    m_dm.reset();
    MesajeTest().Reseteaza();
    TOptiuniDm optiuni{m_locatii, &Inregistrari(), {}};
    optiuni.conexiune = TConexiuneBaza::DinText(QStringLiteral("127.0.0.1/1:/srv/certificate.fdb"));
    optiuni.conexiune.Utilizator = QStringLiteral("SYSDBA");
    optiuni.conexiune.Parola = QStringLiteral("tainic");
    m_dm = std::make_unique<TDM>(std::move(optiuni));
    DM = m_dm.get();
    EXPECT_FALSE(m_dm->Pregatit());
    const QString mesaj = QStringLiteral("Nu pot ajunge la serverul de baze de date \"127.0.0.1\" (portul 1).");
    ASSERT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare)[0].startsWith(mesaj));

    TCertificatAcordareMain fereastra;
    ASSERT_NE(fereastra.ListaElevi(), nullptr);
    EXPECT_EQ(fereastra.ListaElevi()->VT->topLevelItemCount(), 0);
    EXPECT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1) << "the start said it once";

    for (QPushButton *buton : {fereastra.ListaElevi()->RzBitBtn1, fereastra.ListaElevi()->BtnReincarca}) {
        MesajeTest().Reseteaza();
        buton->click();
        const QStringList erori = MesajeTest().Texte(TMesajeTest::Tip::Eroare);
        ASSERT_EQ(erori.size(), 1) << buton->text().toStdString();
        EXPECT_TRUE(erori[0].startsWith(mesaj)) << erori[0].toStdString();
        EXPECT_FALSE(erori[0].contains(QStringLiteral("tainic")));
        EXPECT_FALSE(m_dm->Tr.InTransaction());
    }
    MesajeTest().Reseteaza();
    fereastra.Salvarebazadedate1->trigger();
    ASSERT_EQ(MesajeTest().Texte(TMesajeTest::Tip::Eroare).size(), 1);
    EXPECT_TRUE(MesajeTest().Texte(TMesajeTest::Tip::Eroare)[0].contains(QStringLiteral("copiile ei se fac pe server")));
}
