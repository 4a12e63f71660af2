#pragma once

#include <optional>

#include <QtGlobal>

#include "candidates/FormatareTiparire.h"

class IStocareSetari;
class TZonaText;

// Writes a grade into one text zone, or into a pair (the upper one first), in
// the format the global settings choose for its kind; a two-line format uses
// the second area, a one-line format hides it and moves the first half-way
// between the two places they had before the first formatting. `valoare` is
// the grade times 100, counting ten-thousandths (9,63 is 9630000); none prints
// "----". Either area may be none, not both. The settings are read afresh
// from `stocare` (nullptr: the store in use); a failure to read them leaves
// the areas blank and is raised.
void FormatGrade(TZonaText *prima, TZonaText *aDoua, std::optional<qint64> valoare,
                 TTipNota tip, IStocareSetari *stocare = nullptr);
