#include "editors/UTextNumeric.h"

#include <limits>

namespace TextNumeric {

namespace {

bool EsteSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('.');
}

qsizetype PrimulSeparator(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (EsteSeparator(text.at(i)))
            return i;
    return -1;
}

// Digits of a text (an optional leading "-" first) as an integer, held at the
// type's limits when too long; nothing for any other character.
bool CitesteIntreg(const QString &text, qint64 &rezultat)
{
    qsizetype i = 0;
    const bool negativ = !text.isEmpty() && text.at(0) == QLatin1Char('-');
    if (negativ)
        ++i;
    if (i == text.size())
        return false;
    qint64 valoare = 0;
    bool saturat = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        const int cifra = c.unicode() - '0';
        if (!saturat && valoare > (std::numeric_limits<qint64>::max() - cifra) / 10)
            saturat = true;
        if (!saturat)
            valoare = valoare * 10 + cifra;
    }
    if (saturat)
        valoare = std::numeric_limits<qint64>::max();
    rezultat = negativ ? -valoare : valoare;
    return true;
}

QString PotrivesteFractia(QString fractie, int cifre)
{
    fractie = fractie.left(cifre);
    while (fractie.size() < cifre)
        fractie += QLatin1Char('0');
    return fractie;
}

qint64 Putere10(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

bool Accepta(QString &text, int zecimale)
{
    int separatori = 0;
    qsizetype pozitieSeparator = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('-')) {
            if (i != 0)
                return false;
        } else if (EsteSeparator(c)) {
            if (++separatori > 1)
                return false;
            pozitieSeparator = i;
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    const qsizetype dupa = pozitieSeparator < 0 ? 0 : text.size() - pozitieSeparator - 1;
    if (dupa > zecimale)
        return false;
    if (text.size() - separatori > kCaractereMaxime)
        return false;
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return true;
}

qint64 CitesteCurrency(const QString &text)
{
    const bool negativ = text.contains(QLatin1Char('-'));
    QString faraMinus = text;
    faraMinus.remove(QLatin1Char('-'));
    const qsizetype virgula = faraMinus.indexOf(QLatin1Char(','));
    const QString intreg = virgula < 0 ? faraMinus : faraMinus.left(virgula);
    const QString fractie = virgula < 0 ? QString() : faraMinus.mid(virgula + 1);
    qint64 parteIntreaga = 0;
    if (!intreg.isEmpty() && !CitesteIntreg(intreg, parteIntreaga))
        parteIntreaga = 0;
    qint64 parteFractionara = 0;
    if (!CitesteIntreg(PotrivesteFractia(fractie, 4), parteFractionara))
        parteFractionara = 0;
    const qint64 limita = std::numeric_limits<qint64>::max();
    const qint64 valoare = parteIntreaga > (limita - parteFractionara) / 10000
                               ? limita
                               : parteIntreaga * 10000 + parteFractionara;
    return negativ ? -valoare : valoare;
}

QString ScrieCurrency(qint64 zecimiDeMiimi)
{
    const bool negativ = zecimiDeMiimi < 0;
    // Unsigned, so that the most negative value has an absolute value too.
    const quint64 absolut = negativ ? quint64(0) - quint64(zecimiDeMiimi) : quint64(zecimiDeMiimi);
    const quint64 zecimi = (absolut % 10000) / 100;
    return (negativ ? QStringLiteral("-") : QString()) + QString::number(absolut / 10000) + QLatin1Char(',') +
           QStringLiteral("%1").arg(zecimi, 2, 10, QLatin1Char('0'));
}

qint64 CitesteCuZecimale(const QString &text, int zecimale)
{
    const qsizetype separator = PrimulSeparator(text);
    const QString intreg = separator < 0 ? text : text.left(separator);
    const QString fractie = separator < 0 ? QString() : text.mid(separator + 1);
    qint64 valoare = 0;
    if (!CitesteIntreg(intreg + PotrivesteFractia(fractie, zecimale), valoare))
        return 0;
    return valoare;
}

QString ScrieCuZecimale(qint64 valoare, int zecimale)
{
    const bool negativ = valoare < 0;
    const quint64 absolut = negativ ? quint64(0) - quint64(valoare) : quint64(valoare);
    const quint64 unitate = quint64(Putere10(zecimale));
    QString text = QString::number(absolut / unitate);
    if (absolut % unitate != 0)
        text +=
            QLatin1Char(',') + QStringLiteral("%1").arg(absolut % unitate, zecimale, 10, QLatin1Char('0'));
    return negativ ? QLatin1Char('-') + text : text;
}

qint64 CitesteFaraZecimale(const QString &text)
{
    const qsizetype separator = PrimulSeparator(text);
    qint64 valoare = 0;
    if (!CitesteIntreg(separator < 0 ? text : text.left(separator), valoare))
        return 0;
    return valoare;
}

QList<int> PozitiiMarcajeMii(const QString &text)
{
    const qsizetype separator = PrimulSeparator(text);
    const int sfarsit = int(separator < 0 ? text.size() : separator);
    QList<int> pozitii;
    for (int i = 0; i < sfarsit; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        const int urmatoare = sfarsit - i - 1;
        if (urmatoare > 0 && urmatoare % 3 == 0)
            pozitii.append(i);
    }
    return pozitii;
}

int PozitieVirgula(const QString &text)
{
    return int(PrimulSeparator(text));
}

} // namespace TextNumeric
