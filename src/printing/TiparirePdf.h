#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QString>

class TDM;

// What a print to PDF without any window is asked for (the command line).
struct TCerereTiparirePdf
{
    QString Fisier;
    QList<int> Elevi; // empty: every candidate
    // Unset: as stored for the front, and the stored or default turn.
    std::optional<double> Stanga;
    std::optional<double> Sus;
    std::optional<bool> Intoarsa;
    // Told of every text that would print too small to read or does not fit;
    // the certificate still prints.
    std::function<void(const QString &avertisment)> Avertisment;
    // Whether every certificate written goes into the print log (with the
    // PDF file as its printer).
    bool Jurnal = true;
    // A proof on plain paper instead: the zones' outlines, rulers and corner
    // crosses added; never logged.
    bool Proba = false;
};

// Prints the certificates of the candidates into one PDF, one page each,
// exactly as the print job places them on the card, creating no window; the
// printer wizard need not have run (the page then prints upright). A request
// to stop ends it between two certificates, and the file is then not
// written. Returns how many certificates were written; failures as Exceptie.
int TiparesteCertificatePdf(TDM &dm, const TCerereTiparirePdf &cerere);
