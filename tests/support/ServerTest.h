#pragma once

#include <QString>

#include "data/UConexiuneBaza.h"

// The test run's own Firebird server (support/server_firebird.sh, started by
// CTest before the tests that need it). A test executable run with
// "--server-firebird" opens every database of its tests through it.
namespace ServerTest {

// Reads where the server listens; fails the run with the reason when it is
// not running.
bool Activeaza();
bool Activ();

// "127.0.0.1/<port>".
QString Server();
QString Parola();
// The server's port, and one on which nothing listens.
int Port();
int PortLiber();

// The connection to a database file through the server, as SYSDBA.
TConexiuneBaza Conexiune(const QString &fisier);
// The name the client library opens a file by: through the server when the
// run uses it, else the file itself.
QString NumeBaza(const QString &fisier);

} // namespace ServerTest
