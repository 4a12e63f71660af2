#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "printing/DispozitivProgram.h"
#include "comun/Exceptie.h"

TEST(DispozitivProgram, OffersAPdfFileAfterThePrintersAndAsksWhereItGoes)
{
    QTemporaryDir dosar;
    QStringList intrebari;
    QString raspuns = dosar.filePath(QStringLiteral("proba.pdf"));
    TDispozitivProgram dispozitiv([&](const QString &titlu) {
        intrebari.append(titlu);
        return raspuns;
    });
    const QStringList imprimante = dispozitiv.Imprimante();
    ASSERT_FALSE(imprimante.isEmpty());
    EXPECT_EQ(imprimante.last(), QStringLiteral("Fisier PDF"));
    dispozitiv.SelecteazaImprimanta(int(imprimante.size()) - 1);
    EXPECT_TRUE(dispozitiv.EstePdf());
    EXPECT_EQ(dispozitiv.ImprimantaCurenta(), imprimante.size() - 1);

    dispozitiv.IncepeDocument(QStringLiteral("Proba"));
    const TCapabilitatiDispozitiv c = dispozitiv.Capabilitati();
    EXPECT_EQ(c.PhysicalOffsetX, 0) << "a PDF page has no unprintable margin";
    EXPECT_GT(c.HorzRes, c.VertRes) << "landscape unless asked otherwise";
    dispozitiv.SelecteazaFont(TCerereFont{});
    dispozitiv.DeseneazaText({100, 100}, QRect(0, 0, 1000, 1000), QStringLiteral("Proba"));
    dispozitiv.TerminaDocument();
    EXPECT_EQ(intrebari, QStringList{QStringLiteral("Proba")});
    EXPECT_GT(QFileInfo(raspuns).size(), 0);

    // Cancelling the file choice stops the print quietly.
    raspuns.clear();
    EXPECT_THROW(dispozitiv.IncepeDocument(QStringLiteral("Alta")), Anulare);
    dispozitiv.TerminaDocument();
}
