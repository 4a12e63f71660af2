#include "controls/LargeFontScaler.h"

#include <algorithm>
#include <optional>

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextStream>

#include "data/UCai.h"

namespace {

std::optional<TRaportScalare> g_raport;

int NumarSau8(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : 8;
}

} // namespace

TRaportScalare CitesteRaportScalare(const QString &fisier)
{
    QFile f(fisier);
    if (!f.exists() && f.open(QIODevice::WriteOnly | QIODevice::Text)) {
        f.write("1:1\n");
        f.close();
    }
    TRaportScalare raport;
    if (f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QString linie = QTextStream(&f).readLine().trimmed();
        if (linie.isEmpty())
            linie = QStringLiteral("1:1");
        QString curat;
        for (const QChar c : linie) {
            if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(':'))
                curat += c;
        }
        const qsizetype douaPuncte = curat.indexOf(QLatin1Char(':'));
        raport.N = NumarSau8(douaPuncte < 0 ? curat : curat.left(douaPuncte));
        raport.D = NumarSau8(douaPuncte < 0 ? curat : curat.mid(douaPuncte + 1));
    } else {
        // No file to keep the ratio in: the message font's character height
        // against the 11 pixels of the usual one.
        raport.N = QFontInfo(QGuiApplication::font()).pixelSize();
        raport.D = 11;
    }
    if (raport.N <= 0 || raport.D <= 0)
        raport = TRaportScalare{};
    return raport;
}

int ScaleazaPixeli(int pixeli, const TRaportScalare &raport, int dpi)
{
    // In 64 bits and held to a sane size: a ratio typed as "99999999:1" must
    // not overflow the grid's pixel sums.
    const qint64 rezultat = qint64(pixeli) * raport.N / raport.D * dpi / 96;
    return int(std::clamp<qint64>(rezultat, 0, kPixeliMaximi));
}

const TRaportScalare &RaportScalare()
{
    if (!g_raport)
        g_raport = CitesteRaportScalare(Locatii().CaleDate(QStringLiteral("LargeFonts.txt")));
    return *g_raport;
}

void StabilesteRaportScalare(const TRaportScalare *raport)
{
    if (raport)
        g_raport = *raport;
    else
        g_raport.reset();
}
