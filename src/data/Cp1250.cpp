#include "data/Cp1250.h"

#include <array>

#include <QStringList>

#include "comun/Exceptie.h"

namespace Cp1250 {
namespace {

// Unicode of the bytes 0x80..0xFF; 0 marks a byte without a character.
constexpr std::array<char16_t, 128> kSusul = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160,
    0x2039, 0x015A, 0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0,
    0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6,
    0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1,
    0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A,
    0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2,
    0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED,
    0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159,
    0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

int Octet(char32_t c)
{
    if (c < 0x80)
        return int(c);
    for (int i = 0; i < 128; ++i) {
        if (kSusul[i] != 0 && kSusul[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

bool Reprezentabil(char32_t c)
{
    return Octet(c) >= 0;
}

QString CuSedila(const QString &text)
{
    QString rezultat = text;
    for (QChar &c : rezultat) {
        switch (c.unicode()) {
        case 0x0218: c = QChar(0x015E); break; // Ș -> Ş
        case 0x0219: c = QChar(0x015F); break; // ș -> ş
        case 0x021A: c = QChar(0x0162); break; // Ț -> Ţ
        case 0x021B: c = QChar(0x0163); break; // ț -> ţ
        default: break;
        }
    }
    return rezultat;
}

QByteArray Codifica(const QString &text)
{
    QByteArray octeti;
    octeti.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const int b = Octet(c);
        octeti.append(char(b >= 0 ? b : '?'));
    }
    return octeti;
}

QString Decodifica(const QByteArray &octeti)
{
    QString text;
    text.reserve(octeti.size());
    for (char o : octeti) {
        const auto b = static_cast<unsigned char>(o);
        if (b < 0x80)
            text.append(QChar(b));
        else
            text.append(kSusul[b - 0x80] ? QChar(kSusul[b - 0x80]) : QChar(0xFFFD));
    }
    return text;
}

QString PentruStocare(const QString &text)
{
    const QString compus = CuSedila(text.normalized(QString::NormalizationForm_C));
    QString rezultat;
    rezultat.reserve(compus.size());
    QStringList fara;
    for (char32_t c : compus.toUcs4()) {
        const QString unul = QString::fromUcs4(&c, 1);
        if (Reprezentabil(c)) {
            rezultat += unul;
            continue;
        }
        // A letter whose accent the code page lacks keeps its bare letter.
        const QList<uint> descompus = unul.normalized(QString::NormalizationForm_D).toUcs4();
        bool doarSemne = !descompus.isEmpty() && Reprezentabil(descompus.first());
        for (qsizetype i = 1; doarSemne && i < descompus.size(); ++i)
            doarSemne = QChar::category(descompus.at(i)) == QChar::Mark_NonSpacing;
        if (doarSemne && descompus.size() > 1) {
            rezultat += CuSedila(QString::fromUcs4(reinterpret_cast<const char32_t *>(descompus.constData()), 1));
            continue;
        }
        if (!fara.contains(unul))
            fara.append(unul);
    }
    if (!fara.isEmpty()) {
        throw Exceptie(QStringLiteral("Textul \"%1\" contine caractere care nu pot fi salvate "
                                      "(nu fac parte din alfabetul central-european): %2\r\n"
                                      "Inlocuiti-le si incercati din nou.")
                           .arg(text, fara.join(QStringLiteral(" "))));
    }
    return rezultat;
}

} // namespace Cp1250
