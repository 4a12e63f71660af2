#pragma once

#include <QString>

#include "data/UReferintaCamp.h"

// How a field of the profile finds its value, from its ONOREZ_SIMILAR and
// SIMILAR_CU: the one rule behind the single lookup and the batch reading.
namespace PartajareValori {

enum class TSursa {
    // The field's own value row.
    Proprie,
    // The value of the field SIMILAR_CU names.
    Similar,
    // The own value; when it is empty, the named field's.
    ProprieApoiSimilar,
};

// A mode other than "NU" (in any case) or empty, with a non-blank SIMILAR_CU,
// shares: "OPTIONAL" prefers the own value, every other mode the named field.
TSursa Sursa(const QString &onorezSimilar, const QString &similarCu);

// How many fields one lookup may follow through SIMILAR_CU; a longer chain
// goes round in a circle.
inline constexpr int kAdancimeMaxima = 64;

// Raised when the chain of shared fields starting at `camp` is longer than
// kAdancimeMaxima.
[[noreturn]] void CercDePartajare(const TReferintaCamp &camp);

} // namespace PartajareValori
