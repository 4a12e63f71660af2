#include "controls/QenGridDesen.h"

#include <algorithm>
#include <cmath>

namespace {

struct Hsv
{
    double h, s, v;
};

// The usual conversions, every component from 0 to 1; grey has hue 0.
Hsv DinRgb(const QColor &c)
{
    const double r = c.red() / 255.0, g = c.green() / 255.0, b = c.blue() / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double d = max - min;
    Hsv rez{0, max > 0 ? d / max : 0, max};
    if (d > 0) {
        double h;
        if (max == r)
            h = (g - b) / d;
        else if (max == g)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h /= 6;
        rez.h = h < 0 ? h + 1 : h;
    }
    return rez;
}

int Canal(double x)
{
    // A hair above, so that a channel comes back as it went in despite rounding.
    return std::clamp(int(255 * x + 1e-9), 0, 255);
}

QColor DinHsv(const Hsv &c)
{
    const double h6 = c.h >= 1 ? 0 : c.h * 6;
    const int sector = int(h6);
    const double f = h6 - sector;
    const double p = c.v * (1 - c.s), q = c.v * (1 - c.s * f), t = c.v * (1 - c.s * (1 - f));
    double r, g, b;
    switch (sector) {
    case 0:
        r = c.v, g = t, b = p;
        break;
    case 1:
        r = q, g = c.v, b = p;
        break;
    case 2:
        r = p, g = c.v, b = t;
        break;
    case 3:
        r = p, g = q, b = c.v;
        break;
    case 4:
        r = t, g = p, b = c.v;
        break;
    default:
        r = c.v, g = p, b = q;
        break;
    }
    return QColor(Canal(r), Canal(g), Canal(b));
}

} // namespace

QColor CuloareDinNumar(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QList<QColor> AmestecCulori(const QColor &a, const QColor &b, int n)
{
    const Hsv x = DinRgb(a), y = DinRgb(b);
    QList<QColor> culori;
    for (int k = 0; k <= n; ++k) {
        const auto amesteca = [&](double u, double w) { return ((n + 1 - k) * u + k * w) / (n + 1); };
        culori.append(DinHsv({amesteca(x.h, y.h), amesteca(x.s, y.s), amesteca(x.v, y.v)}));
    }
    return culori;
}

QColor CuloareFierbinte(const QColor &fundal, int intensitate)
{
    if (intensitate <= 1)
        return fundal;
    const QColor inchis(std::max(fundal.red() - 20, 0), std::max(fundal.green() - 20, 0), fundal.blue());
    return AmestecCulori(fundal, inchis, 9).at(std::min(intensitate, 10) - 1);
}

void AplicaAtribute(QFont &font, quint8 atribute)
{
    static const int marimi[] = {6, 8, 10, 11};
    for (int bit = 0; bit < 8; ++bit) {
        if (!(atribute & (1 << bit)))
            continue;
        switch (bit) {
        case 0:
        case 1:
            font.setBold(bit == 0);
            break;
        case 2:
        case 3:
            font.setItalic(bit == 2);
            break;
        default:
            font.setPointSize(marimi[bit - 4]);
            break;
        }
    }
}

int AlegeStil(int stil, const std::array<bool, 10> &activ)
{
    for (int s = std::min(stil, 10); s >= 2; --s) {
        if (activ[size_t(s - 1)])
            return s;
    }
    return 1;
}

QStringList ImparteTitlu(const QString &titlu, int latimeMaxima,
                         const std::function<int(const QString &)> &latimeText)
{
    QStringList linii;
    QString linie;
    for (const QString &cuvant : titlu.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (linie.isEmpty()) {
            linie = cuvant;
            continue;
        }
        const QString cu = linie + QLatin1Char(' ') + cuvant;
        if (latimeText(cu) <= latimeMaxima) {
            linie = cu;
        } else {
            linii.append(linie);
            linie = cuvant;
        }
    }
    if (!linie.isEmpty())
        linii.append(linie);
    return linii;
}

TRulajUmbrela RulajUmbrela(const QStringList &texteUmbrela, int coloana)
{
    TRulajUmbrela rulaj{coloana, coloana};
    const QString &text = texteUmbrela.at(coloana);
    while (rulaj.prima > 0 && texteUmbrela.at(rulaj.prima - 1) == text)
        --rulaj.prima;
    while (rulaj.ultima + 1 < texteUmbrela.size() && texteUmbrela.at(rulaj.ultima + 1) == text)
        ++rulaj.ultima;
    return rulaj;
}

QString TextUmbrela(const QString &umbrela)
{
    const qsizetype bara = umbrela.indexOf(QLatin1Char('|'));
    return bara < 0 ? umbrela : umbrela.mid(bara + 1);
}
