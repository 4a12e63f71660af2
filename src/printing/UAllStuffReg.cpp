#include "printing/UAllStuffReg.h"

#include "settings/StocareSetari.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

namespace {

TAllStuffReg *g_comun = nullptr;

bool NecesitaGhilimele(const QString &element)
{
    for (const QChar c : element) {
        if (c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"'))
            return true;
    }
    return false;
}

bool Spatiu(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= ' ';
}

} // namespace

QString TextVirgule::Compune(const QStringList &elemente)
{
    QStringList parti;
    for (const QString &e : elemente) {
        if (NecesitaGhilimele(e))
            parti.append(QLatin1Char('"') + QString(e).replace(QStringLiteral("\""), QStringLiteral("\"\""))
                         + QLatin1Char('"'));
        else
            parti.append(e);
    }
    return parti.join(QLatin1Char(','));
}

QStringList TextVirgule::Descompune(const QString &text)
{
    QStringList elemente;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && Spatiu(text.at(i)))
        ++i;
    while (i < n) {
        QString element;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        element += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                element += text.at(i++);
            }
        } else {
            const qsizetype inceput = i;
            while (i < n && text.at(i).unicode() > ' ' && text.at(i) != QLatin1Char(','))
                ++i;
            element = text.mid(inceput, i - inceput);
        }
        elemente.append(element);
        while (i < n && Spatiu(text.at(i)))
            ++i;
        if (i < n && text.at(i) == QLatin1Char(',')) {
            if (i + 1 == n)
                elemente.append(QString());
            do {
                ++i;
            } while (i < n && Spatiu(text.at(i)));
        }
    }
    return elemente;
}

// ---------------------------------------------------------------------------

const QString TAllStuffReg::kCheie = QStringLiteral("SOFTWARE\\Zoravin SOFT\\Lumira\\2006\\Certificat de acordare");

TAllStuffReg::TAllStuffReg(IStocareSetari *stocare, const QLocale &locale)
    : m_stocare(stocare ? *stocare : StocareSetari()), m_locale(locale)
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    Citeste();
    if (!g_comun)
        g_comun = this;
}

TAllStuffReg::~TAllStuffReg()
{
    try {
        Salveaza();
    } catch (const Exceptie &e) {
        Mesaje().Eroare(e.Mesaj());
    }
    if (g_comun == this)
        g_comun = nullptr;
}

TAllStuffReg *TAllStuffReg::Comun()
{
    return g_comun;
}

QString TValoriSetariImprimanta::MirrorChoice(int side) const
{
    if (side == 0)
        return OglindescFata;
    if (side == 1)
        return OglindescVerso;
    return QStringLiteral("*");
}

void TValoriSetariImprimanta::SetMirrorChoice(int side, const QString &text)
{
    if (side == 0)
        OglindescFata = text;
    else if (side == 1)
        OglindescVerso = text;
}

QString TAllStuffReg::RealCaText(double valoare, const QLocale &locale)
{
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(valoare, 'g', QLocale::FloatingPointShortest);
}

bool TAllStuffReg::RealDinText(const QString &text, double &valoare)
{
    QString t = text.trimmed();
    if (t.contains(QLatin1Char(',')) && t.contains(QLatin1Char('.')))
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (ok)
        valoare = d;
    return ok;
}

void TAllStuffReg::Citeste()
{
    const std::unique_ptr<ICheieSetari> cheie = m_stocare.DeschideCheie(kCheie);
    try {
        CitesteValorile(*cheie);
    } catch (const ExceptieTipSetare &e) {
        if (!cheie->PuneDeoparte(e.Mesaj()))
            throw;
        static_cast<TValoriSetariImprimanta &>(*this) = TValoriSetariImprimanta();
    }
}

void TAllStuffReg::CitesteValorile(ICheieSetari &cheie)
{
    if (cheie.Exista(QStringLiteral("all"))) {
        const QString text = cheie.CitesteSir(QStringLiteral("all"));
        const QStringList e = TextVirgule::Descompune(text);
        bool bun = e.size() >= 12;
        int feed = 0;
        int index = 0;
        double reale[4] = {0, 0, 0, 0};
        if (bun) {
            feed = e.at(5).trimmed().toInt(&bun);
            bun = bun && feed >= 0 && feed <= 255;
        }
        for (int i = 0; bun && i < 4; ++i)
            bun = RealDinText(e.at(6 + i), reale[i]);
        if (bun)
            index = e.at(11).trimmed().toInt(&bun);
        if (!bun) {
            // Keep the damaged text where it can be recovered from, and start over:
            // printing then asks for the printer wizard instead of failing for good.
            cheie.ScrieSir(QStringLiteral("all_deteriorat"), text);
            cheie.Inchide();
            Mesaje().Avertizare(QStringLiteral("Setarile imprimantei sunt deteriorate si nu pot fi citite. "
                                               "Rulati din nou \"Configurare imprimanta\"."));
        } else {
            Configured = e.at(1) == QLatin1String("1");
            PrintsOnOppositeFace = e.at(2) == QLatin1String("1");
            VerticalLineRight = e.at(3) == QLatin1String("1");
            HorizontalLineBottom = e.at(4) == QLatin1String("1");
            FeedMode = quint8(feed);
            FrontLeft = reale[0];
            FrontTop = reale[1];
            BackLeft = reale[2];
            BackTop = reale[3];
            PrinterName = e.at(10);
            PrinterIndex = index;
        }
    }
    if (cheie.Exista(QStringLiteral("OglindescFata")))
        OglindescFata = cheie.CitesteSir(QStringLiteral("OglindescFata"));
    if (cheie.Exista(QStringLiteral("OglindescVerso")))
        OglindescVerso = cheie.CitesteSir(QStringLiteral("OglindescVerso"));
}

void TAllStuffReg::Salveaza()
{
    const auto bit = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    const QStringList e = {QStringLiteral("0"),
                           bit(Configured),
                           bit(PrintsOnOppositeFace),
                           bit(VerticalLineRight),
                           bit(HorizontalLineBottom),
                           QString::number(FeedMode),
                           RealCaText(FrontLeft, m_locale),
                           RealCaText(FrontTop, m_locale),
                           RealCaText(BackLeft, m_locale),
                           RealCaText(BackTop, m_locale),
                           PrinterName,
                           QString::number(PrinterIndex)};
    const std::unique_ptr<ICheieSetari> cheie = m_stocare.DeschideCheie(kCheie);
    cheie->ScrieSir(QStringLiteral("all"), TextVirgule::Compune(e));
    cheie->ScrieSir(QStringLiteral("OglindescFata"), OglindescFata);
    cheie->ScrieSir(QStringLiteral("OglindescVerso"), OglindescVerso);
    cheie->Inchide();
}
