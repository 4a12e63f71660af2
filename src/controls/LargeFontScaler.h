#pragma once

#include <QString>

// The size ratio N:D of the grid control, kept in "LargeFonts.txt" among the
// program's data: users with large screen fonts raise it to widen the grids.
struct TRaportScalare
{
    int N = 1;
    int D = 1;
};

// Reads the ratio from the file's first line ("3:2"), creating the file with
// "1:1" when it is missing. Characters other than digits and ":" are dropped;
// a part that is no number counts as 8. When the file can be neither read
// nor created, the system's message font gives the ratio. A denominator of 0
// would divide by zero, and a numerator of 0 would shrink every cell to
// nothing: both give 1:1.
TRaportScalare CitesteRaportScalare(const QString &fisier);

// The widest a scaled size gets.
inline constexpr int kPixeliMaximi = 10000;

// a × N ÷ D × dpi ÷ 96, each division an integer one, left to right, at
// most kPixeliMaximi.
int ScaleazaPixeli(int pixeli, const TRaportScalare &raport, int dpi);

// The ratio of this run, read from "LargeFonts.txt" in the data folder on
// first use.
const TRaportScalare &RaportScalare();
// Puts another ratio in place of the file's (tests); nullptr reads the file
// again at the next use.
void StabilesteRaportScalare(const TRaportScalare *raport);
