#include "printing/LogicaPrintWiz.h"

bool TLogicaPrintWiz::Inainte()
{
    int urmatoarea = m_pagina;
    switch (m_pagina) {
    case SelectareImprimanta:
        urmatoarea = Alimentare;
        break;
    case Alimentare:
        urmatoarea = alimentare == TipAlimentare::Sus        ? PrimaSageata
                     : alimentare == TipAlimentare::Frontala ? CasetaFrontala
                                                          : CasetaInterna;
        break;
    case CasetaFrontala:
        urmatoarea = PrimaSageata;
        break;
    case CasetaInterna:
        urmatoarea = Reprezentare;
        break;
    case Reprezentare:
        urmatoarea = PrimaSageata;
        break;
    case PrimaSageata:
        if (alimentare == TipAlimentare::Sus)
            FeedMode = 1;
        else if (alimentare == TipAlimentare::Frontala)
            FeedMode = 2;
        else
            FeedMode = reprezentare == TipReprezentare::Normala ? 4 : 3;
        if (tipareste)
            tipareste(QStringLiteral("Prima sageata"), QStringLiteral("s1"));
        urmatoarea = ADouaSageata;
        break;
    case ADouaSageata:
        if (tipareste)
            tipareste(QStringLiteral("A doua sageata"), QStringLiteral("s2"));
        urmatoarea = ParteaTiparita;
        break;
    case ParteaTiparita:
        PrintsOnOppositeFace = parte == Parte::Opusa;
        urmatoarea = Liniile;
        break;
    case Liniile:
        if (tipareste)
            tipareste(QStringLiteral("Liniile orizonala si verticala"), QStringLiteral("d"));
        urmatoarea = AspectLinii;
        break;
    case AspectLinii:
        VerticalLineRight = linii == Linii::SusDreapta || linii == Linii::JosDreapta;
        HorizontalLineBottom = linii == Linii::JosDreapta || linii == Linii::JosStanga;
        urmatoarea = Final;
        break;
    case Final:
        return false;
    default:
        break;
    }
    if (urmatoarea != m_pagina) {
        m_istoric[urmatoarea] = m_pagina;
        m_pagina = urmatoarea;
    }
    return true;
}

void TLogicaPrintWiz::Inapoi()
{
    const auto it = m_istoric.find(m_pagina);
    m_pagina = it == m_istoric.end() ? SelectareImprimanta : it->second;
}

QString TLogicaPrintWiz::TextReintroducere() const
{
    return parte == Parte::Aceeasi
               ? QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sagetile pe partea vizibila a "
                                "paginii, asa cum se vede in imaginea alaturata.")
               : QStringLiteral("Reintroduceti coala de hartie in imprimanta, cu sageata HASURATA pe partea "
                                "vizibila a paginii, asa cum se vede in imaginea alaturata.");
}

QRect TLogicaPrintWiz::DreptunghiImagine(const QSize &pagina, const QSize &sablon, const QSize &imagine)
{
    if (sablon.width() <= 0 || sablon.height() <= 0)
        return {};
    // 64-bit products: a 600 dpi page times a large template overflows 32 bits.
    const qint64 W = pagina.width(), H = pagina.height();
    const qint64 tw = sablon.width(), th = sablon.height();
    const qint64 dx = (tw - imagine.width()) / 2;
    const qint64 dy = (th - imagine.height()) / 2;
    // Each corner is truncated on its own: the far edges are W * (dx + width) / tw,
    // not the truncated left edge plus the truncated width.
    const QPoint stangaSus(int(W * dx / tw), int(H * dy / th));
    const QPoint dreaptaJos(int(W * (dx + imagine.width()) / tw), int(H * (dy + imagine.height()) / th));
    return QRect(stangaSus, QSize(dreaptaJos.x() - stangaSus.x(), dreaptaJos.y() - stangaSus.y()));
}
