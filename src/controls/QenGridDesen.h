#pragma once

#include <array>
#include <functional>

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// The text and colour rules of the grid's painting, apart from any widget.

// A colour written as the design's single number: blue, green, red from the
// high byte down (14482163 is red 243, green 250, blue 220).
QColor CuloareDinNumar(int bgr);

// n + 1 colours from a towards b, blended in hue, saturation and value:
// entry 0 is a, entry n one step short of b.
QList<QColor> AmestecCulori(const QColor &a, const QColor &b, int n);

// The background of a hot cell of intensity 0 to 10: darker the hotter.
QColor CuloareFierbinte(const QColor &fundal, int intensitate);

// A line's attribute byte applied to a font, bit by bit: 0 add bold, 1 remove
// bold, 2 add italic, 3 remove italic, 4 to 7 the sizes 6, 8, 10 and 11.
void AplicaAtribute(QFont &font, quint8 atribute);

// The style a line of style `stil` (1 to 10) paints with: counting down to 2
// the first active style, else style 1. `activ[i]` is style i + 1.
int AlegeStil(int stil, const std::array<bool, 10> &activ);

// A column title cut into lines no wider than `latimeMaxima`: words joined
// greedily by single spaces; a word too wide stands alone on its line.
QStringList ImparteTitlu(const QString &titlu, int latimeMaxima,
                         const std::function<int(const QString &)> &latimeText);

// The columns, first and last, of the band run holding column `coloana`:
// the neighbours with the same band text.
struct TRulajUmbrela
{
    int prima;
    int ultima;
};
TRulajUmbrela RulajUmbrela(const QStringList &texteUmbrela, int coloana);

// What a band shows of its text: the part after the first "|", if any.
QString TextUmbrela(const QString &umbrela);
