#pragma once

// Ending the program from outside: SIGTERM, SIGINT and SIGHUP (a logout,
// `kill`, Ctrl+C in a terminal) ask it to stop. The windows then close the way
// closing the main window does; the command-line modes stop between two
// certificates. The handlers only note the request, so nothing is cut off
// in the middle of a database call.
namespace OprireLaSemnal {

// Installs the handlers. Called at start and again once the database engine
// is loaded, since the engine sets handlers of its own for these signals.
void Instaleaza();

// Whether a stop has been asked for.
bool Ceruta();

// From now on a request ends every running event loop of the application
// (QCoreApplication::exit(0)), modal dialogs included. Needs the application
// object; safe to call more than once.
void OpresteBuclele();

// For tests: acts as if a signal had arrived.
void Cere();

} // namespace OprireLaSemnal
