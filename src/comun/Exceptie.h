#pragma once

#include <exception>

#include <QByteArray>
#include <QString>

// A failure whose Romanian message is meant for the user. Every routine of
// the program reports its failures with it; the top-level handler shows it.
class Exceptie : public std::exception
{
public:
    explicit Exceptie(QString mesaj);

    const QString &Mesaj() const { return m_mesaj; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_mesaj;
    QByteArray m_utf8;
};

// Ends the process with the given exit code once the caller has unwound.
class IesireProgram : public std::exception
{
public:
    explicit IesireProgram(int cod) : m_cod(cod) {}

    int Cod() const { return m_cod; }
    const char *what() const noexcept override { return "iesire din program"; }

private:
    int m_cod;
};

// The user gave up an action (cancelled a file dialog, say): it stops
// quietly, with no error box.
class Anulare : public std::exception
{
public:
    const char *what() const noexcept override { return "anulat"; }
};
