#include <gtest/gtest.h>

#include <QScrollArea>

#include "candidates/UUmplereFormular.h"
#include "forms/FormularDePrintat.h"
#include "forms/QFormularTextArea.h"
#include "forms/TemplateForm.h"
#include "forms/UPrintCertificatAcordare.h"
#include "comun/Exceptie.h"
#include "support/BazaTest.h"

namespace {

QString RandValoare(const QString &camp, const QString &valoare, const QString &coloana, int id, const QString &idf = QStringLiteral("null"))
{
    return QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, %1, "
                          "IDF_INSTITUTIA) values ('CertificatAcordare', 'FATA', '%2', '%3', 0, %4, %5)")
        .arg(coloana, camp, valoare)
        .arg(id)
        .arg(idf);
}

// A preview with one page and text areas the test describes.
class TPreviewProba : public TTemplate
{
public:
    TPreviewProba()
    {
        pagina = new TFormularDePrintat(this);
        pagina->SetLatime(100);
        pagina->SetInaltime(100);
    }
    TFormularTextArea *Arie(const QString &nume, const QString &d1, const QString &d2 = QString(),
                            const QString &d3 = QString(), double sus = 10)
    {
        auto *a = new TFormularTextArea(pagina, nume);
        a->SetIncarcare(true);
        a->Set_Left(10);
        a->Set_Top(sus);
        a->Set_Width(50);
        a->Set_Height(5);
        a->SetDenumire1(d1);
        a->SetDenumire2(d2);
        a->SetDenumire3(d3);
        a->ApplyZoom();
        a->SetIncarcare(false);
        return a;
    }
    TFormularDePrintat *pagina;
};

const QString kNume = QStringLiteral("CertificatAcordare.FATA.C_NUME");
const QString kAdresa = QStringLiteral("CertificatAcordare.FATA.C_ADRESA");

} // namespace

// Candidate 1 with a name, a grade and a link to institution 7 in BUCURESTI.
class Umplere : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        const QString e = QStringLiteral("ID_ELEVI");
        Executa(*m_dm, {QStringLiteral("insert into ELEVI values (1)"), QStringLiteral("insert into ELEVI values (2)"),
                        QStringLiteral("insert into INSTITUTIA values (7)"),
                        RandValoare(QStringLiteral("C_NUME"), QStringLiteral("Popescu Ana"), e, 1),
                        RandValoare(QStringLiteral("C_NUME"), QStringLiteral("Ionescu Dan"), e, 2),
                        RandValoare(QStringLiteral("D_MEDIA_GENERALA"), QStringLiteral("9,63"), e, 1),
                        RandValoare(QStringLiteral("C_ADRESA"), QStringLiteral("BUCURESTI"), QStringLiteral("ID_INSTITUTIA"), 7),
                        RandValoare(QStringLiteral("C_ADRESA"), QString(), e, 1, QStringLiteral("7")),
                        RandValoare(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QStringLiteral("Liceul Nr. 1"),
                                QStringLiteral("ID_INSTITUTIA"), 7),
                        RandValoare(QStringLiteral("C_INSTITUTIA_INVATAMANT"), QString(), e, 1, QStringLiteral("7"))});
        DM = m_dm.get();
    }
    void TearDown() override
    {
        DM = nullptr;
        TBazaTest::TearDown();
    }
};

TEST_F(Umplere, FillsTheCertificateForTheCandidateAndLeavesNoTransaction)
{
    TPrintCertificatAcordare preview;
    TFormularDePrintat *pagina = preview.FormularDePrintat1;
    pagina->SetZoom(150);
    UmpleFormular(preview, 1);

    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_DOUBLE_EQ(pagina->Zoom(), 100);
    EXPECT_EQ(pagina->FindTextArea(1)->Text(), QStringLiteral("Popescu Ana"));
    EXPECT_EQ(pagina->FindTextArea(10)->Text(), QStringLiteral("Popescu Ana")) << "D_NUME repeats the stub's name";
    EXPECT_EQ(pagina->FindTextArea(15)->Text(), QStringLiteral("Liceul Nr. 1"));
    EXPECT_EQ(pagina->FindTextArea(7)->Text(), QStringLiteral("Liceul Nr. 1"));
    EXPECT_FALSE(pagina->FindTextArea(21)->Text().isEmpty());
    EXPECT_TRUE(pagina->FindTextArea(21)->Text().contains(QStringLiteral("9,63")));
    EXPECT_EQ(pagina->FindTextArea(6)->Text(), QStringLiteral("----")) << "a grade without a value";
    EXPECT_EQ(pagina->FindTextArea(9)->Text(), QString());

    UmpleFormular(preview, 2);
    EXPECT_EQ(pagina->FindTextArea(1)->Text(), QStringLiteral("Ionescu Dan"));
    EXPECT_EQ(pagina->FindTextArea(15)->Text(), QString()) << "no link to an institution";
}

TEST_F(Umplere, SubstringsOfTheValue)
{
    struct Caz
    {
        QString d2, d3, asteptat;
    };
    const Caz cazuri[] = {
        {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("UCU")},
        {QStringLiteral("8"), QStringLiteral("5"), QStringLiteral("TI")},
        {QStringLiteral("3"), QString(), QStringLiteral("C")},
        {QStringLiteral("12"), QString(), QString()},
        {QString(), QString(), QStringLiteral("BUCURESTI")},
    };
    for (const Caz &c : cazuri) {
        TPreviewProba preview;
        TFormularTextArea *a = preview.Arie(QStringLiteral("FormularTextArea1"), kAdresa, c.d2, c.d3);
        TFormularTextArea *fara = preview.Arie(QStringLiteral("FormularTextArea2"), QString());
        UmpleFormular(preview, 1);
        EXPECT_EQ(a->Text(), c.asteptat) << c.d2.toStdString() << "/" << c.d3.toStdString();
        EXPECT_EQ(fara->Text(), QString());
    }
}

TEST_F(Umplere, DesignErrorsNameTheAreaAndStopTheFilling)
{
    struct Caz
    {
        QString d1, d2, d3, mesaj;
    };
    const Caz cazuri[] = {
        {QStringLiteral("CertificatAcordare.FATA.LIPSA"), QString(), QString(),
         QStringLiteral("FormularTextArea3.TFormularTextArea face referire la campul inexistent "
                        "CertificatAcordare.FATA.LIPSA")},
        {QStringLiteral("CertificatAcordare.FATA.D_MEDIA_GENERALA"), QString(), QStringLiteral(" nota_x"),
         QStringLiteral("FormularTextArea3.TFormularTextArea specifica un camp \"NOTA\" cu Denumire3 = \" nota_x\"; "
                        "Denumire3 ar trebui sa fie NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!")},
        {kAdresa, QStringLiteral("doi"), QString(),
         QStringLiteral("FormularTextArea3.TFormularTextArea are denumire2=\"doi\" (adica nu un numar)")},
        {kAdresa, QStringLiteral("1"), QStringLiteral("-1234"),
         QStringLiteral("FormularTextArea3.TFormularTextArea are Denumire3=\"-1234\" (adica nu un numar)")},
    };
    for (const Caz &c : cazuri) {
        TPreviewProba preview;
        TFormularTextArea *inainte = preview.Arie(QStringLiteral("FormularTextArea1"), kNume);
        preview.Arie(QStringLiteral("FormularTextArea3"), c.d1, c.d2, c.d3);
        TFormularTextArea *dupa = preview.Arie(QStringLiteral("FormularTextArea5"), kNume);
        try {
            UmpleFormular(preview, 1);
            ADD_FAILURE() << c.mesaj.toStdString();
        } catch (const Exceptie &e) {
            EXPECT_EQ(e.Mesaj(), c.mesaj);
        }
        EXPECT_FALSE(m_dm->Tr.InTransaction());
        EXPECT_EQ(inainte->Text(), QStringLiteral("Popescu Ana"));
        EXPECT_EQ(dupa->Text(), QStringLiteral("<5>")) << "areas not reached keep their number";
    }
}

TEST_F(Umplere, AGradePairIsTheSameFieldAndKindAndTheUpperAreaComesFirst)
{
    const QString medie = QStringLiteral("CertificatAcordare.FATA.D_MEDIA_GENERALA");
    TPreviewProba preview;
    TFormularTextArea *jos = preview.Arie(QStringLiteral("FormularTextArea1"), medie, QString(),
                                          QStringLiteral("NOTA_DIPLOMA"), 30);
    TFormularTextArea *sus = preview.Arie(QStringLiteral("FormularTextArea2"), medie, QString(),
                                          QStringLiteral("nota_diploma"), 20);
    TFormularTextArea *altCamp = preview.Arie(QStringLiteral("FormularTextArea3"),
                                              QStringLiteral("CertificatAcordare.FATA.C_MEDIA_GENERALA_L1"), QString(),
                                              QStringLiteral("NOTA_DIPLOMA"), 40);
    UmpleFormular(preview, 1);
    EXPECT_TRUE(sus->Text().contains(QStringLiteral("9,63"))) << sus->Text().toStdString();
    EXPECT_FALSE(jos->Text().contains(QStringLiteral("9,63"))) << jos->Text().toStdString();
    EXPECT_EQ(altCamp->Text(), QStringLiteral("----"));

    // Refilling never drifts the pair.
    const double susMm = sus->_Top();
    UmpleFormular(preview, 1);
    UmpleFormular(preview, 1);
    EXPECT_DOUBLE_EQ(sus->_Top(), susMm);
}
