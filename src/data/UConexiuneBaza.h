#pragma once

#include <QString>

// Where the database is: the file in the data folder, opened by the embedded
// engine (the default), or a database on a Firebird server, reached as
// "host[/port]:path-or-alias" with a user name and password of that server.
struct TConexiuneBaza
{
    // "host" or "host/port"; empty for the file in the data folder.
    QString Server;
    // The database's path or alias on the server.
    QString Cale;
    QString Utilizator;
    // Never shown, logged or put in a message.
    QString Parola;

    bool PeServer() const { return !Server.isEmpty(); }
    // "host[/port]:path" as the client library takes it; empty for the file.
    QString Text() const;
    // The server as messages name it: "host" or "host (port)".
    QString NumeServer() const;

    // Reads "host[/port]:path-or-alias"; an empty text is the file in the data
    // folder. A text that is not such a connection fails with an Exceptie
    // whose message says what is expected. A drive letter ("C:\...") is a
    // local path, not a server.
    static TConexiuneBaza DinText(const QString &text);
};
