#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Running the built program as a user would, in folders of the test's own.

struct TRezultatProgram
{
    int cod = -1; // -2: ended by a signal; -1: did not end in time
    QString iesire;
    QString erori;
};

// The program's environment in tests: its settings go to a folder of the
// test run's own (XDG_CONFIG_HOME under `dosarSetari`, or one shared by the
// run when empty), never to the user's.
QProcessEnvironment MediuIzolat(const QString &dosarSetari = QString());

TRezultatProgram Ruleaza(const QString &program, const QStringList &argumente, const QStringList &prefix = {},
                         const QProcessEnvironment &mediu = MediuIzolat());

// A copy of the program in a folder of its own, optionally with its template.
QString CopiazaProgramul(const QString &dosar, bool cuSablon);

// The database of a data folder.
QString BazaDinDate(const QString &dosarDate);

// Prepares the database of a data folder with the program itself and adds
// candidates 1..n, each with the name in C_NUME given by `nume` (or "ELEVn").
void PregatesteCandidati(const QString &dosarDate, int n, const QStringList &nume = {},
                         const QProcessEnvironment &mediu = MediuIzolat());

#ifndef Q_OS_WIN
// How to run the program as an ordinary user: as root through setpriv as
// "nobody" (a missing setpriv fails the test), otherwise as the user running
// the tests, who is one already.
QStringList CaUtilizatorObisnuit();
// Gives a file or folder to that user.
void DaUtilizatoruluiObisnuit(const QString &cale);
#endif
