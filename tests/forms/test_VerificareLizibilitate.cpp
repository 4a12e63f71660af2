// The check before a card is spent: texts the print would shrink below a
// legible size, found on the filled document.
#include <gtest/gtest.h>

#include <memory>

#include "forms/DocumentCertificatAcordare.h"
#include "forms/DocumentFormular.h"
#include "forms/VerificareLizibilitate.h"

namespace {

class VerificareLizibilitate : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_document = CreeazaDocumentCertificatAcordare();
        m_pagina = m_document->Pagina(0);
    }

    TZonaText *Zona(const QString &camp) const
    {
        for (TZonaText *z : m_pagina->TextAreas()) {
            if (z->Denumire1() == QStringLiteral("CertificatAcordare.FATA.") + camp)
                return z;
        }
        return nullptr;
    }

    void ToateCu(const QString &text)
    {
        for (TZonaText *z : m_pagina->TextAreas())
            z->SetText(text);
    }

    std::unique_ptr<TDocumentFormular> m_document;
    TPaginaFormular *m_pagina = nullptr;
};

TEST_F(VerificareLizibilitate, ALongNameOnTheStubIsFoundAShortOneIsNot)
{
    ToateCu(QString());
    TZonaText *nume = Zona(QStringLiteral("C_NUME"));
    ASSERT_NE(nume, nullptr);

    nume->SetText(QStringLiteral("ANA POPESCU DAN")); // 15 letters and spaces
    EXPECT_TRUE(VerificaLizibilitatea(*m_pagina).isEmpty());

    const QString lung =
        QStringLiteral("MARIA-MAGDALENA POPESCU-IONESCU CONSTANTINESCU ANA B"); // 52 characters
    ASSERT_EQ(lung.size(), 52);
    nume->SetText(lung);
    const auto constatari =
        VerificaLizibilitatea(*m_pagina, [](const QString &d1) { return d1 + QStringLiteral("!"); });
    ASSERT_EQ(constatari.size(), 1);
    EXPECT_EQ(constatari[0].Arie, nume->objectName());
    EXPECT_EQ(constatari[0].Text, lung);
    EXPECT_EQ(constatari[0].Eticheta, QStringLiteral("CertificatAcordare.FATA.C_NUME!"));
    EXPECT_LT(constatari[0].InaltimeMm, kInaltimeLizibilaMm);
    EXPECT_GT(constatari[0].InaltimeMm, 0.0);
    EXPECT_TRUE(DescriereConstatare(constatari[0]).contains(lung));
}

TEST_F(VerificareLizibilitate, TextsThatFitAtTheirDesignSizeAreNeverFound)
{
    // Every area of the card with a short text, and empty ones.
    ToateCu(QStringLiteral("Ana"));
    EXPECT_TRUE(VerificaLizibilitatea(*m_pagina).isEmpty());
    ToateCu(QString());
    EXPECT_TRUE(VerificaLizibilitatea(*m_pagina).isEmpty());
}

TEST_F(VerificareLizibilitate, ATextThatCannotFitAtAllIsFoundAsSuch)
{
    ToateCu(QString());
    TZonaText *nume = Zona(QStringLiteral("C_NUME"));
    ASSERT_NE(nume, nullptr);
    nume->SetText(QString(2000, QLatin1Char('W')));
    const auto constatari = VerificaLizibilitatea(*m_pagina);
    ASSERT_EQ(constatari.size(), 1);
    EXPECT_TRUE(constatari[0].NuIncape);
}

} // namespace
