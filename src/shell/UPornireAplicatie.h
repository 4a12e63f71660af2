#pragma once

#include <functional>

#include <QString>


// How the start routine runs: tests and scripted runs skip the splash, and
// the code page check can be given its answer.
struct TOptiuniPornire
{
    bool faraSplash = false;
    std::function<int()> codPagina;
};

// The code page the system prints 8-bit text with. Where printing takes
// Unicode text (Qt outside Windows) every Romanian letter prints, which
// counts as the Central European code page 1250.
int CodPaginaSistem();

// The start routine: temporary folder, code page check, splash with the
// title and version. Returns when the splash has closed.
void PornireAplicatie(const QString &titlu, const TOptiuniPornire &optiuni = {});

// The program with its windows, once the data module is up: the printers
// (the system's and a PDF file), the printer the wizard chose last, the main
// window and the message loop until it closes (at once, once the main window
// shows its list, with `doarPornire`). Returns the exit code.
int RuleazaFerestrele(bool doarPornire = false);
