#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

class TInfoGlobal2005;

// Which grade of a certificate a grade text area shows; chooses the format
// setting (NOTA_DIPLOMA: NotaDiploma, NOTA_COTOR: NotaCotor, MEDIE_DIPLOMA:
// MedieDiploma, MEDIE_COTOR: MedieCotor).
enum TTipNota : int { NOTA_DIPLOMA = 0, NOTA_COTOR = 1, MEDIE_DIPLOMA = 2, MEDIE_COTOR = 3 };

// A fixed-point value counting ten-thousandths (96300 is 9,63) with "." between
// groups of three integer digits and "," before `decimals` decimals, which are
// cut, never rounded: FormatNumber(2, 12345000) is "1.234,50".
QString FormatNumber(int decimals, qint64 value);

// The grade in words, in parentheses, from its hundredths (963 is 9,63).
// Mode 1: "(NOUĂ, ŞAIZECIŞITREI)"; mode 2: "(NOUĂ, 63)"; mode 3: "(NOUĂ, 63%)".
// A grade without decimals, and 10, give "(NOUĂ)". Any other mode gives "".
QString GradeInWords(qint64 hundredths, int mode);

// Case conversions of the printed grades: the ASCII letters and the pairs
// Ş/ş, Ţ/ţ, Ă/ă; every other character is kept (Â and Î too).
QString ToLowerRo(const QString &text);
QString ToUpperRo(const QString &text);

// Expands "@" escapes into Romanian letters: @A Ă, @H Â, @I Î, @S Ş, @T Ţ and
// the small letters likewise, "@@" is "@"; an "@" before any other character
// is dropped with it, and a final "@" is dropped.
QString DecodeDiacritics(const QString &text);

// The format code of a format setting: "NOTA" 0, "NOTA(PROCENT)" 1,
// "NOTA/PROCENT" 2, "NOTA/LITERE" 3, anything else 0 (exact comparison).
int CodFormatNota(const QString &cuvantCheie);

// The format setting that applies to the grade kind.
QString CuvantCheieNota(const TInfoGlobal2005 &info, TTipNota tip);

// a / b rounded to the nearest integer, ties to even (b > 0).
qint64 ImparteRotunjitPar(qint64 a, qint64 b);

// What the grade formatter writes and how it lays out a pair of text areas.
struct TNotaFormatata
{
    enum class Asezare {
        Neschimbata, // one area: nothing moves
        Unita,       // the second area hidden, the first half-way between both
        DouaRanduri, // each area on its own place, the second shown
    };
    Asezare asezare = Asezare::Neschimbata;
    QString prima;
    QString aDoua; // meaningful only with a second area
};

// The texts and layout of a grade: `valoare` is the grade times 100 as a
// fixed-point value counting ten-thousandths (9,63 is 9630000), none when no
// grade is stored. A two-line format without a second area prints on one line.
TNotaFormatata FormateazaNota(std::optional<qint64> valoare, int codFormat, bool douaZone, bool majuscule);
