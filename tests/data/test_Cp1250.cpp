#include <gtest/gtest.h>

#include "data/Cp1250.h"
#include "comun/Exceptie.h"

TEST(Cp1250, CommaBelowLettersBecomeCedillaLetters)
{
    EXPECT_EQ(Cp1250::CuSedila(QStringLiteral("ȘșȚț ŞşŢţ ăâî")), QStringLiteral("ŞşŢţ ŞşŢţ ăâî"));
    // A comma below written as a combining mark after the letter, too.
    EXPECT_EQ(Cp1250::PentruStocare(QStringLiteral("s\u0326t\u0326")), QStringLiteral("şţ"));
}

TEST(Cp1250, RomanianLettersHaveTheirCodePageBytes)
{
    const QByteArray octeti = Cp1250::Codifica(QStringLiteral("ĂăÂâÎîŞşŢţ€"));
    EXPECT_EQ(octeti, QByteArray("\xC3\xE3\xC2\xE2\xCE\xEE\xAA\xBA\xDE\xFE\x80"));
    EXPECT_EQ(Cp1250::Decodifica(octeti), QStringLiteral("ĂăÂâÎîŞşŢţ€"));
    EXPECT_EQ(Cp1250::Codifica(QStringLiteral("Иa")), QByteArray("?a"));
}

TEST(Cp1250, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray unul(1, char(b));
        const QString text = Cp1250::Decodifica(unul);
        if (text == QString(QChar(0xFFFD)))
            continue; // the five bytes without a character
        EXPECT_EQ(Cp1250::Codifica(text), unul) << b;
    }
}

TEST(Cp1250, StorageKeepsWhatItCanAndNamesWhatItCannot)
{
    EXPECT_EQ(Cp1250::PentruStocare(QString()), QString());
    EXPECT_EQ(Cp1250::PentruStocare(QStringLiteral("Ñandú")), QStringLiteral("Nandú"));
    try {
        Cp1250::PentruStocare(QStringLiteral("a😀b中"));
        FAIL();
    } catch (const Exceptie &e) {
        EXPECT_TRUE(e.Mesaj().contains(QStringLiteral("😀 中"))) << e.Mesaj().toStdString();
    }
}
