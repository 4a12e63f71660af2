#include "data/UConexiuneBaza.h"

#include <QRegularExpression>

#include "comun/Exceptie.h"

QString TConexiuneBaza::Text() const
{
    return PeServer() ? Server + QLatin1Char(':') + Cale : QString();
}

QString TConexiuneBaza::NumeServer() const
{
    const qsizetype bara = Server.indexOf(QLatin1Char('/'));
    if (bara < 0)
        return QStringLiteral("\"%1\"").arg(Server);
    return QStringLiteral("\"%1\" (portul %2)").arg(Server.left(bara), Server.mid(bara + 1));
}

TConexiuneBaza TConexiuneBaza::DinText(const QString &text)
{
    TConexiuneBaza c;
    const QString t = text.trimmed();
    if (t.isEmpty())
        return c;
    // host, or host/port, then a colon and the database's path or alias.
    static const QRegularExpression forma(
        QStringLiteral("^([A-Za-z0-9][A-Za-z0-9._-]*|\\[[0-9A-Fa-f:.]+\\])(?:/([0-9]{1,5}))?:(.+)$"));
    const QRegularExpressionMatch m = forma.match(t);
    // "C:\..." is a drive, not a server of one letter.
    const bool unitate = m.hasMatch() && m.captured(1).size() == 1 && m.captured(2).isEmpty();
    const int port = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
    if (!m.hasMatch() || unitate || port > 65535 || m.captured(3).trimmed().isEmpty())
        throw Exceptie(QStringLiteral("\"%1\" nu este o baza de date pe server. Scrieti serverul, "
                                      "optional o bara si portul, apoi doua puncte si calea sau numele "
                                      "bazei de date pe server, de exemplu:\r\n"
                                      "secretariat:/var/lib/firebird/3.0/data/certificate.fdb\r\n"
                                      "192.168.1.10/3050:certificate")
                           .arg(t));
    c.Server = m.captured(1) + (m.captured(2).isEmpty() ? QString() : QLatin1Char('/') + m.captured(2));
    c.Cale = m.captured(3).trimmed();
    return c;
}
