#include "support/ServerTest.h"

#include <cstdio>

#include <QFile>
#include <QProcess>

namespace ServerTest {

namespace {

struct TStare
{
    bool activ = false;
    int port = 0;
    QString parola;
};

TStare &Stare()
{
    static TStare stare;
    return stare;
}

} // namespace

bool Activeaza()
{
    QFile fisier(QStringLiteral(CERT_TEST_SERVER_STARE));
    if (!fisier.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr,
                     "The Firebird test server is not running (no %s): run the tests through ctest, "
                     "which starts it first.\n",
                     CERT_TEST_SERVER_STARE);
        return false;
    }
    TStare &s = Stare();
    for (const QByteArray &linie : fisier.readAll().split('\n')) {
        if (linie.startsWith("port="))
            s.port = linie.mid(5).toInt();
        else if (linie.startsWith("password="))
            s.parola = QString::fromUtf8(linie.mid(9));
    }
    s.activ = s.port > 0 && !s.parola.isEmpty();
    if (!s.activ)
        std::fprintf(stderr, "The state file %s of the Firebird test server is incomplete.\n",
                     CERT_TEST_SERVER_STARE);
    return s.activ;
}

bool Activ()
{
    return Stare().activ;
}

QString Server()
{
    return QStringLiteral("127.0.0.1/%1").arg(Stare().port);
}

QString Parola()
{
    return Stare().parola;
}

int Port()
{
    return Stare().port;
}

int PortLiber()
{
    QProcess p;
    p.start(
        QStringLiteral("python3"),
        {QStringLiteral("-c"), QStringLiteral("import socket; s=socket.socket(); s.bind(('127.0.0.1', 0)); "
                                              "print(s.getsockname()[1])")});
    if (!p.waitForFinished(10000))
        return 0;
    return p.readAllStandardOutput().trimmed().toInt();
}

TConexiuneBaza Conexiune(const QString &fisier)
{
    TConexiuneBaza c;
    c.Server = Server();
    c.Cale = fisier;
    c.Utilizator = QStringLiteral("SYSDBA");
    c.Parola = Parola();
    return c;
}

QString NumeBaza(const QString &fisier)
{
    return Activ() ? Conexiune(fisier).Text() : fisier;
}

} // namespace ServerTest
