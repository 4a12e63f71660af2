#include "candidates/FormatareTiparire.h"

#include "settings/InfoGlobal2005.h"

namespace {

// The integer words, also the unit words of the fractions (index 1 to 10).
const char *const kCuvinte[] = {"",      "UNU",    "DOI", "TREI",  "PATRU", "CINCI",
                                "@SASE", "@SAPTE", "OPT", "NOU@A", "ZECE"};

const char *const kZeroUnitati[] = {"",          "ZEROUNU",   "ZERODOI",    "ZEROTREI", "ZEROPATRU",
                                    "ZEROCINCI", "ZERO@SASE", "ZERO@SAPTE", "ZEROOPT",  "ZERONOU@A"};

const char *const kSprezece[] = {"ZECE",        "UNSPREZECE",    "DOISPREZECE",  "TREISPREZECE",
                                 "PAISPREZECE", "CINCISPREZECE", "@SAISPREZECE", "@SAPTESPREZECE",
                                 "OPTSPREZECE", "NOU@ASPREZECE"};

// Whole tens from 20 to 90 (index 2 to 9); followed by "@SI" before a unit.
const char *const kZeci[] = {"",          "",         "DOU@AZECI",  "TREIZECI", "PATRUZECI",
                             "CINCIZECI", "@SAIZECI", "@SAPTEZECI", "OPTZECI",  "NOU@AZECI"};

QString Cuvant(const char *codat)
{
    return DecodeDiacritics(QString::fromLatin1(codat));
}

// The fraction 1 to 99 in words; empty outside.
QString FractiuneInLitere(qint64 f)
{
    if (f < 1 || f > 99)
        return QString();
    if (f < 10)
        return Cuvant(kZeroUnitati[f]);
    if (f < 20)
        return Cuvant(kSprezece[f - 10]);
    if (f % 10 == 0)
        return Cuvant(kZeci[f / 10]);
    return Cuvant(kZeci[f / 10]) + Cuvant("@SI") + Cuvant(kCuvinte[f % 10]);
}

struct TPerecheLitere
{
    QChar mare;
    QChar mica;
};

// The three letter pairs the case conversions know besides ASCII.
const TPerecheLitere *PerechiRomanesti()
{
    static const TPerecheLitere perechi[3] = {
        {DecodeDiacritics(QStringLiteral("@S")).front(), DecodeDiacritics(QStringLiteral("@s")).front()},
        {DecodeDiacritics(QStringLiteral("@T")).front(), DecodeDiacritics(QStringLiteral("@t")).front()},
        {DecodeDiacritics(QStringLiteral("@A")).front(), DecodeDiacritics(QStringLiteral("@a")).front()},
    };
    return perechi;
}

} // namespace

QString FormatNumber(int decimals, qint64 value)
{
    // Unsigned, so that even the most negative value has an absolute value.
    const quint64 numar = value < 0 ? 0 - quint64(value) : quint64(value);
    const QString cifre = QString::number(numar / 10000);
    QString intreg;
    for (qsizetype i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0)
            intreg += QLatin1Char('.');
        intreg += cifre[i];
    }
    QString rezultat = intreg;
    if (decimals > 0) {
        const QString fractiune = QStringLiteral("%1").arg(numar % 10000, 4, 10, QLatin1Char('0'));
        rezultat += QLatin1Char(',') + (decimals < 4 ? fractiune.left(decimals) : fractiune);
    }
    if (value < 0)
        rezultat.prepend(QLatin1Char('-'));
    return rezultat;
}

QString GradeInWords(qint64 hundredths, int mode)
{
    const qint64 i = hundredths / 100;
    // Grades are never negative; the digits of a negative value are written unsigned.
    const qint64 f = qAbs(hundredths % 100);
    const QString w = (i >= 1 && i <= 10) ? Cuvant(kCuvinte[i]) : QString();
    QString d = w;
    QString l = w;
    const bool cuZecimale = i != 10 && f != 0;
    if (cuZecimale) {
        d = w + QStringLiteral(", ") + QString::number(f / 10) + QString::number(f % 10);
        l = w + QStringLiteral(", ") + FractiuneInLitere(f);
    }
    switch (mode) {
    case 1:
        return QLatin1Char('(') + l + QLatin1Char(')');
    case 2:
        return QLatin1Char('(') + d + QLatin1Char(')');
    case 3:
        return QLatin1Char('(') + d + (cuZecimale ? QStringLiteral("%)") : QStringLiteral(")"));
    default:
        return QString();
    }
}

QString ToLowerRo(const QString &text)
{
    QString rezultat = text;
    for (QChar &c : rezultat) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    for (QChar &c : rezultat) {
        for (int k = 0; k < 3; ++k) {
            if (c == PerechiRomanesti()[k].mare)
                c = PerechiRomanesti()[k].mica;
        }
    }
    return rezultat;
}

QString ToUpperRo(const QString &text)
{
    QString rezultat = text;
    for (QChar &c : rezultat) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    for (QChar &c : rezultat) {
        for (int k = 0; k < 3; ++k) {
            if (c == PerechiRomanesti()[k].mica)
                c = PerechiRomanesti()[k].mare;
        }
    }
    return rezultat;
}

QString DecodeDiacritics(const QString &text)
{
    QString rezultat;
    rezultat.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('@')) {
            rezultat += text[i];
            continue;
        }
        if (++i >= text.size())
            break;
        switch (text[i].unicode()) {
        case 'A':
            rezultat += QChar(0x0102);
            break;
        case 'a':
            rezultat += QChar(0x0103);
            break;
        case 'H':
            rezultat += QChar(0x00C2);
            break;
        case 'h':
            rezultat += QChar(0x00E2);
            break;
        case 'I':
            rezultat += QChar(0x00CE);
            break;
        case 'i':
            rezultat += QChar(0x00EE);
            break;
        case 'S':
            rezultat += QChar(0x015E);
            break;
        case 's':
            rezultat += QChar(0x015F);
            break;
        case 'T':
            rezultat += QChar(0x0162);
            break;
        case 't':
            rezultat += QChar(0x0163);
            break;
        case '@':
            rezultat += QLatin1Char('@');
            break;
        default:
            break; // an unknown escape is dropped whole
        }
    }
    return rezultat;
}

int CodFormatNota(const QString &cuvantCheie)
{
    if (cuvantCheie == QLatin1String("NOTA(PROCENT)"))
        return 1;
    if (cuvantCheie == QLatin1String("NOTA/PROCENT"))
        return 2;
    if (cuvantCheie == QLatin1String("NOTA/LITERE"))
        return 3;
    return 0;
}

QString CuvantCheieNota(const TInfoGlobal2005 &info, TTipNota tip)
{
    switch (tip) {
    case NOTA_DIPLOMA:
        return info.NotaDiploma();
    case NOTA_COTOR:
        return info.NotaCotor();
    case MEDIE_DIPLOMA:
        return info.MedieDiploma();
    case MEDIE_COTOR:
        return info.MedieCotor();
    }
    return QString();
}

qint64 ImparteRotunjitPar(qint64 a, qint64 b)
{
    qint64 cat = a / b;
    const qint64 rest = a % b;
    // Compare twice the remainder with the divisor without overflowing.
    const quint64 r = rest < 0 ? 0 - quint64(rest) : quint64(rest);
    const quint64 jumatate = quint64(b) - r; // > r means below half
    if (r > jumatate || (r == jumatate && (cat % 2 != 0)))
        cat += (rest < 0) ? -1 : 1;
    return cat;
}

TNotaFormatata FormateazaNota(std::optional<qint64> valoare, int codFormat, bool douaZone, bool majuscule)
{
    TNotaFormatata rezultat;
    rezultat.aDoua = QStringLiteral(" ");
    int cod = codFormat;
    if ((cod == 2 || cod == 3) && !douaZone)
        cod = 1;
    const bool douaRanduri = cod == 2 || cod == 3;
    if (douaRanduri)
        rezultat.asezare = TNotaFormatata::Asezare::DouaRanduri;
    else if (douaZone)
        rezultat.asezare = TNotaFormatata::Asezare::Unita;

    if (!valoare) {
        rezultat.prima = QStringLiteral("----");
    } else {
        const QString numar = FormatNumber(2, ImparteRotunjitPar(*valoare, 100));
        const qint64 sutimi = ImparteRotunjitPar(*valoare, 10000);
        QString litere;
        if (cod == 1 || cod == 2)
            litere = GradeInWords(sutimi, 3);
        else if (cod == 3)
            litere = GradeInWords(sutimi, 1);
        if (douaRanduri) {
            rezultat.prima = numar;
            rezultat.aDoua = litere;
        } else {
            rezultat.prima = litere.isEmpty() ? numar : numar + QLatin1Char(' ') + litere;
        }
    }
    rezultat.prima = majuscule ? ToUpperRo(rezultat.prima) : ToLowerRo(rezultat.prima);
    rezultat.aDoua = majuscule ? ToUpperRo(rezultat.aDoua) : ToLowerRo(rezultat.aDoua);
    return rezultat;
}
