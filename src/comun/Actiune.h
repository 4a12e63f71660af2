#pragma once

#include <functional>

#include <QString>

// Runs one user action. A failure never leaves it: the exception's message is
// shown in the error box and false is returned. Every slot that does work
// goes through here, so no exception crosses the event loop.
bool RuleazaActiune(const std::function<void()> &actiune);

// The message for the user of the exception being handled; only inside a
// catch block. The program's own exceptions give their Romanian text, any
// other one a Romanian sentence or its own text.
QString MesajExceptieCurenta();
