#pragma once

#include <functional>

// Runs one user action. A failure never leaves it: the exception's message is
// shown in the error box and false is returned. Every slot that does work
// goes through here, so no exception crosses the event loop.
bool RuleazaActiune(const std::function<void()> &actiune);
