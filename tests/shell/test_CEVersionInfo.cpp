#include <gtest/gtest.h>

#include "VersiuneProgram.h"
#include "shell/CEVersionInfo.h"

TEST(TCEVersionInfo, SplitsAtDotsOrCommas)
{
    const TCEVersionInfo puncte(QStringLiteral("2.1.0.57"));
    const TCEVersionInfo virgule(QStringLiteral("2,1,0,57"));
    for (const TCEVersionInfo *v : {&puncte, &virgule}) {
        EXPECT_EQ(v->MajorVersion, QStringLiteral("2"));
        EXPECT_EQ(v->MinorVersion, QStringLiteral("1"));
        EXPECT_EQ(v->Release, QStringLiteral("0"));
        EXPECT_EQ(v->Build, QStringLiteral("57"));
    }
    const TCEVersionInfo fara(QStringLiteral("2106"));
    EXPECT_EQ(fara.MajorVersion, QStringLiteral("<info not available>"));
    EXPECT_EQ(fara.Build, QStringLiteral("<info not available>"));
}

TEST(TCEVersionInfo, VersionTextIsTheStampedVersion)
{
    EXPECT_EQ(TextVersiune(), QStringLiteral(CERT_FILE_VERSION));
    EXPECT_EQ(TextVersiune().count(QLatin1Char('.')), 3);
}
