#pragma once

#include <functional>
#include <map>

#include <QRect>
#include <QSize>
#include <QString>

// The printer wizard's decisions, without its window: which page follows
// which, what each page records, and where a test picture goes on the page.
class TLogicaPrintWiz
{
public:
    enum Pagina {
        SelectareImprimanta = 0,
        Alimentare = 1,
        CasetaFrontala = 2,
        CasetaInterna = 3,
        Reprezentare = 4,
        PrimaSageata = 5,
        ADouaSageata = 6,
        ParteaTiparita = 7,
        Liniile = 8,
        AspectLinii = 9,
        Final = 13,
    };
    enum class TipAlimentare { Niciuna, Sus, Frontala, Alta };
    enum class TipReprezentare { Niciuna, Normala, Rasturnata };
    enum class Parte { Niciuna, Aceeasi, Opusa };
    // The four pictures of page 9, in the order of their radio buttons.
    enum class Linii { Niciuna, SusStanga, SusDreapta, JosDreapta, JosStanga };

    // Test prints: the job title and which picture ("s1", "s2" or "d").
    std::function<void(const QString &titlu, const QString &imagine)> tipareste;

    int PaginaCurenta() const { return m_pagina; }
    // "Inainte": does the current page's work and moves on; returns false on
    // the last page, where the wizard closes with OK.
    bool Inainte();
    // "Inapoi": the page the user came from.
    void Inapoi();

    // The user's choices, as the radio buttons hold them.
    TipAlimentare alimentare = TipAlimentare::Niciuna;
    TipReprezentare reprezentare = TipReprezentare::Niciuna;
    Parte parte = Parte::Niciuna;
    Linii linii = Linii::Niciuna;

    // The answers.
    bool PrintsOnOppositeFace = false;
    bool VerticalLineRight = false;
    bool HorizontalLineBottom = false;
    int FeedMode = 0;

    // How page 8 asks for the sheet: with both arrows in sight when the user
    // answered "Pe aceeasi parte", with the hatched one otherwise.
    QString TextReintroducere() const;

    // Where a picture of the template goes on a printable area of the given
    // size: as it sits centred on the template, scaled to the page.
    static QRect DreptunghiImagine(const QSize &pagina, const QSize &sablon, const QSize &imagine);

private:
    int m_pagina = SelectareImprimanta;
    std::map<int, int> m_istoric{{0, 0}};
};
