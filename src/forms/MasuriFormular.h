#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include "printing/DispozitivImprimanta.h"

// The millimetre arithmetic of printable forms: everything is held in
// millimetres and pixels are derived from them for the zoomed screen or the
// printer. Pure functions, usable without any window.

enum class TAliniere { Stanga, Dreapta, Centru };

// Screen pixels per inch at a zoom in percent.
double ScreenDpi(double zoom);
// mm × dpi / 25.4, truncated toward zero.
int MmToPixels(double dpi, double mm);
double PixelsToMm(int pixels, double dpi);

// The height of an A4 sheet in landscape, in inches: the printer's vertical
// resolution is its physical page height divided by it.
inline constexpr double InaltimeA4PeisajInch = 8.267716535433070866;

// Character cell of a form font on the screen, never below 1 pixel.
int InaltimeCelulaEcran(double dpi, double marimeMm);
// Character cell on the printer: never taller than the text area, never below 1 pixel.
int InaltimeCelulaImprimanta(int inaltimeFizica, double marimeMm, double inaltimeArieMm);

// Left edge of a text of the given width in a box, for each alignment;
// centring truncates toward zero also when the text is wider than the box.
int StangaText(TAliniere aliniere, int latimeCutie, int latimeText);

// Chooses the font of a text area: starting at the cell height asked for, it
// takes one pixel off while the text is wider than the box and the height is
// at least 3; the last font tried stays selected. Returns its measure.
// When asked, `celula` receives the cell height of that last font.
TMetriciText AlegeFontul(ISuprafataText &suprafata, TCerereFont cerere, const QString &text, int latimeCutie,
                         int *celula = nullptr);

// Where a text area lands on the printer, in device pixels.
struct TPlasareTiparire
{
    QRect Dreptunghi; // left, top, right and bottom edges as computed, all included
    QPoint Origine;   // top-left corner of the text cell (upright) or the turning point (mirrored)
};

// The box of a text area on the printer: millimetres from the physical corner
// of the sheet (offsets and half-millimetre nudges already added by the
// caller) become device pixels from the printable corner, rounded to nearest
// with ties to even.
QRect DreptunghiTiparire(const TCapabilitatiDispozitiv &c, double stangaMm, double susMm, double latimeMm,
                         double inaltimeMm);
// The text's origin in a box; when mirrored, box and origin are turned by 180°
// about the centre of the physical sheet.
TPlasareTiparire PlaseazaText(const TCapabilitatiDispozitiv &c, const QRect &dreptunghi, TAliniere aliniere,
                              const TMetriciText &text, bool oglindit);

// Prints one text area: its box in millimetres from the physical corner of
// the sheet, the font shrunk from the printer cell height of its size until
// the text fits the box's width, the text bottom-aligned and clipped to the
// box, all turned by 180° when mirrored. `font` gives everything but the height.
void TiparesteText(IDispozitivImprimanta &dispozitiv, const TCerereFont &font, double marimeMm,
                   const QString &text, TAliniere aliniere, double stangaMm, double susMm, double latimeMm,
                   double inaltimeMm, bool oglindit);
