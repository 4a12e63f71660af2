#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QString>

class TPaginaFormular;

// A text area of a filled page that would print too small to read, or that
// does not fit its box at all.
struct TConstatareLizibilitate
{
    QString Arie;     // the area's name
    QString Eticheta; // the label of its field, when known
    QString Text;
    double InaltimeMm = 0; // the character cell the print reaches
    bool NuIncape = false; // wider than its box even at the smallest size
};

// A text that prints at its design size is legible; one that has to shrink
// to fit its box is not below this cell height, nor below this part of its
// font's size.
inline constexpr double kInaltimeLizibilaMm = 2.0;
inline constexpr double kParteLizibila = 0.6;

// The printing resolution the check measures at: the cards' printers and
// the PDF print at it.
inline constexpr int kDpiVerificare = 600;

// Finds, on a filled page, every text area whose text the print would shrink
// below a legible size or could not fit, in the page's order. `eticheta`
// gives the field's label from an area's Denumire1. One object checks many
// pages faster: the fonts it sized and the texts it measured are kept.
class TVerificareLizibilitate
{
public:
    TVerificareLizibilitate();
    ~TVerificareLizibilitate();
    TVerificareLizibilitate(const TVerificareLizibilitate &) = delete;
    TVerificareLizibilitate &operator=(const TVerificareLizibilitate &) = delete;

    QList<TConstatareLizibilitate>
    Verifica(const TPaginaFormular &pagina,
             const std::function<QString(const QString &denumire1)> &eticheta = {});

private:
    struct TMasurare;
    std::unique_ptr<TMasurare> m_masurare;
};

QList<TConstatareLizibilitate>
VerificaLizibilitatea(const TPaginaFormular &pagina,
                      const std::function<QString(const QString &denumire1)> &eticheta = {});

// One line for a person: the area, its field and its text.
QString DescriereConstatare(const TConstatareLizibilitate &c);
