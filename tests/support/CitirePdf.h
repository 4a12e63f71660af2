#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// Reading a printed PDF back through poppler's pdftotext.

// Millimetres in one PDF point.
constexpr double kMmPePunctPdf = 25.4 / 72;

// pdftotext's -bbox output of the whole document (empty when it cannot run).
QString TextPdfCuCutii(const QString &fisier);

// Where the word stands, in PDF points from the sheet's top-left corner, in
// reading order over all pages.
QList<QRectF> CuvantPdf(const QString &fisier, const QString &cuvant);
