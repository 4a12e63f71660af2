#include "forms/FontFormular.h"

TFontFormular::TFontFormular(QObject *proprietar, const QString &nume) : QObject(proprietar)
{
    setObjectName(nume);
}

TFontFormular::~TFontFormular()
{
    // Each area forgets the font; take a copy, since an area may detach itself meanwhile.
    const QList<IUtilizatorFontFormular *> arii = m_arii;
    m_arii.clear();
    for (IUtilizatorFontFormular *arie : arii)
        arie->FontReleased();
}

void TFontFormular::SetFontName(const QString &valoare)
{
    m_fontName = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::SetCodePage(int valoare)
{
    m_codePage = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::SetCharSet(int valoare)
{
    m_charSet = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::SetSize(double valoare)
{
    m_size = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::SetBold(bool valoare)
{
    m_bold = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::SetItalic(bool valoare)
{
    m_italic = valoare;
    AnuntaSchimbarea();
}

void TFontFormular::AddTextArea(IUtilizatorFontFormular *arie)
{
    if (arie && !m_arii.contains(arie))
        m_arii.append(arie);
}

void TFontFormular::RemoveTextArea(IUtilizatorFontFormular *arie)
{
    m_arii.removeAll(arie);
}

void TFontFormular::AnuntaSchimbarea()
{
    const QList<IUtilizatorFontFormular *> arii = m_arii;
    for (IUtilizatorFontFormular *arie : arii)
        arie->FontChanged();
}
