// Filling the document model for a candidate, with no window anywhere.
#include <gtest/gtest.h>

#include <memory>

#include "candidates/UmplereDocument.h"
#include "comun/Exceptie.h"
#include "forms/DocumentCertificatAcordare.h"
#include "forms/DocumentFormular.h"
#include "support/BazaTest.h"

namespace {

QString RandValoare(const QString &camp, const QString &valoare, int id)
{
    return QStringLiteral(
               "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
               "ID_ELEVI) values ('CertificatAcordare', 'FATA', '%1', '%2', 0, %3)")
        .arg(camp, valoare)
        .arg(id);
}

class UmplereDocument : public TBazaTest
{
protected:
    void SetUp() override
    {
        TBazaTest::SetUp();
        m_dm = Porneste();
        ASSERT_TRUE(m_dm->Pregatit());
        Executa(*m_dm, {QStringLiteral("insert into ELEVI values (1)"),
                        QStringLiteral("insert into ELEVI values (2)"),
                        RandValoare(QStringLiteral("C_NUME"), QStringLiteral("Popescu Ana"), 1),
                        RandValoare(QStringLiteral("C_NUME"), QStringLiteral("Ionescu Dan"), 2),
                        RandValoare(QStringLiteral("D_MEDIA_GENERALA"), QStringLiteral("9,63"), 1)});
    }
};

} // namespace

TEST_F(UmplereDocument, FillsEveryZoneOfTheCertificateAndLeavesNoTransaction)
{
    const std::unique_ptr<TDocumentFormular> document = CreeazaDocumentCertificatAcordare();
    TPaginaFormular &pagina = *document->Pagina(0);
    UmpleDocument(*m_dm, *document, 1);
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(pagina.FindTextArea(1)->Text(), QStringLiteral("Popescu Ana"));
    EXPECT_EQ(pagina.FindTextArea(10)->Text(), QStringLiteral("Popescu Ana"))
        << "D_NUME repeats the stub's name";
    EXPECT_TRUE(pagina.FindTextArea(21)->Text().contains(QStringLiteral("9,63")));
    EXPECT_EQ(pagina.FindTextArea(6)->Text(), QStringLiteral("----")) << "a grade without a value";

    // Refilled for another candidate, nothing of the first one stays.
    UmpleDocument(*m_dm, *document, 2);
    EXPECT_EQ(pagina.FindTextArea(1)->Text(), QStringLiteral("Ionescu Dan"));
    EXPECT_EQ(pagina.FindTextArea(21)->Text().contains(QStringLiteral("9,63")), false);
}

// The pair of a grade is ordered by its millimetres: zones a tenth of a
// millimetre apart, which fall on the same screen pixel, still keep their order.
TEST_F(UmplereDocument, AGradePairIsOrderedByItsMillimetres)
{
    TPaginaFormular pagina;
    const auto zona = [&](const QString &nume, double sus) {
        auto *z = new TZonaText(&pagina, nume);
        z->Set_Left(10);
        z->Set_Top(sus);
        z->Set_Width(50);
        z->Set_Height(5);
        z->SetDenumire1(QStringLiteral("CertificatAcordare.FATA.D_MEDIA_GENERALA"));
        z->SetDenumire3(QStringLiteral("NOTA_DIPLOMA"));
        return z;
    };
    TZonaText *sus = zona(QStringLiteral("FormularTextArea1"), 20.0);
    TZonaText *jos = zona(QStringLiteral("FormularTextArea2"), 20.1);
    UmplePagini(*m_dm, {&pagina}, 1);
    EXPECT_TRUE(sus->Text().startsWith(QStringLiteral("9,63"))) << sus->Text().toStdString();
    EXPECT_FALSE(jos->Text().contains(QStringLiteral("9,63"))) << jos->Text().toStdString();
}

TEST_F(UmplereDocument, AFailureStopsTheFillingAndLeavesTheNumbersOfTheZonesNotReached)
{
    TPaginaFormular pagina;
    auto *prima = new TZonaText(&pagina, QStringLiteral("FormularTextArea1"));
    prima->SetDenumire1(QStringLiteral("CertificatAcordare.FATA.C_NUME"));
    auto *gresita = new TZonaText(&pagina, QStringLiteral("FormularTextArea2"));
    gresita->SetDenumire1(QStringLiteral("CertificatAcordare.FATA.LIPSA"));
    auto *ultima = new TZonaText(&pagina, QStringLiteral("FormularTextArea3"));
    ultima->SetDenumire1(QStringLiteral("CertificatAcordare.FATA.C_NUME"));
    try {
        UmplePagini(*m_dm, {&pagina}, 1);
        ADD_FAILURE() << "a field that does not exist";
    } catch (const Exceptie &e) {
        EXPECT_EQ(e.Mesaj(),
                  QStringLiteral("FormularTextArea2.TFormularTextArea face referire la campul inexistent "
                                 "CertificatAcordare.FATA.LIPSA"));
    }
    EXPECT_FALSE(m_dm->Tr.InTransaction());
    EXPECT_EQ(prima->Text(), QStringLiteral("Popescu Ana"));
    EXPECT_EQ(ultima->Text(), QStringLiteral("<3>"));
}
