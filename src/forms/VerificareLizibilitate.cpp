#include "forms/VerificareLizibilitate.h"

#include <cmath>

#include <QImage>
#include <QPainter>

#include "forms/DocumentFormular.h"
#include "forms/FontFormular.h"
#include "forms/MasuriFormular.h"
#include "forms/ParticularizareTextArea.h"
#include "printing/DispozitivImprimanta.h"

// Fonts are sized in pixels: a one-pixel image measures as the printer does.
struct TVerificareLizibilitate::TMasurare
{
    TMasurare() : painter(&imagine) {}
    QImage imagine{1, 1, QImage::Format_ARGB32_Premultiplied};
    QPainter painter;
    TSuprafataTextQt suprafata{painter};
};

TVerificareLizibilitate::TVerificareLizibilitate() : m_masurare(std::make_unique<TMasurare>())
{}

TVerificareLizibilitate::~TVerificareLizibilitate() = default;

QList<TConstatareLizibilitate> VerificaLizibilitatea(const TPaginaFormular &pagina,
                                                     const std::function<QString(const QString &)> &eticheta)
{
    return TVerificareLizibilitate().Verifica(pagina, eticheta);
}

QList<TConstatareLizibilitate>
TVerificareLizibilitate::Verifica(const TPaginaFormular &pagina,
                                  const std::function<QString(const QString &)> &eticheta)
{
    TSuprafataTextQt &suprafata = m_masurare->suprafata;
    const int inaltimeFizica = int(std::lround(InaltimeA4PeisajInch * kDpiVerificare));
    const double pixeliPeMm = kDpiVerificare / 25.4;

    QList<TConstatareLizibilitate> constatari;
    for (const TZonaText *zona : pagina.TextAreas()) {
        const TAspectText aspect =
            AspectEfectiv(zona->Text(), zona->Font(), zona->Alignment(), zona->Particularizare(false));
        if (!aspect.Font || aspect.Text.trimmed().isEmpty())
            continue;
        const int latime = int(std::lround(zona->_Width() * pixeliPeMm));
        const int inceput = InaltimeCelulaImprimanta(inaltimeFizica, aspect.Font->Size(), zona->_Height());
        TCerereFont cerere = CerereFont(aspect, inceput, false);
        int atinsa = inceput;
        const TMetriciText masura = AlegeFontul(suprafata, cerere, aspect.Text, latime, &atinsa);
        if (atinsa == inceput && masura.Latime <= latime)
            continue; // prints at its design size
        const double atinsaMm = atinsa / pixeliPeMm;
        const bool nuIncape = masura.Latime > latime;
        if (!nuIncape && atinsaMm >= kInaltimeLizibilaMm && atinsaMm >= kParteLizibila * aspect.Font->Size())
            continue;
        constatari.append({zona->objectName(), eticheta ? eticheta(zona->Denumire1()) : QString(),
                           aspect.Text, atinsaMm, nuIncape});
    }
    return constatari;
}

QString DescriereConstatare(const TConstatareLizibilitate &c)
{
    QString linie = c.Arie;
    if (!c.Eticheta.isEmpty())
        linie += QStringLiteral(" (") + c.Eticheta + QLatin1Char(')');
    linie += QStringLiteral(": \"") + c.Text + QStringLiteral("\" ");
    linie += c.NuIncape ? QStringLiteral("nu incape nici la cea mai mica marime")
                        : QStringLiteral("ar fi tiparit la %1 mm")
                              .arg(c.InaltimeMm, 0, 'f', 1)
                              .replace(QLatin1Char('.'), QLatin1Char(','));
    return linie;
}
