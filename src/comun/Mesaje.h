#pragma once

#include <QString>

// Every message box and Yes/No question of the program goes through this
// service, so that tests can read the messages and answer the questions.
class IMesaje
{
public:
    virtual ~IMesaje() = default;

    virtual void Eroare(const QString &text) = 0;
    virtual void Avertizare(const QString &text) = 0;
    virtual void Informare(const QString &text) = 0;
    // Yes/No confirmation; true means "Da".
    virtual bool Intrebare(const QString &text) = 0;

    // An error found where no box may open now (while a window paints): it
    // is shown once the event loop runs again, or at once when there is none.
    virtual void EroareAmanata(const QString &text);
};

// The service in use. Until a window-based one is installed, messages go to
// the standard error stream and questions are answered "Nu".
IMesaje &Mesaje();

// Installs a service (nullptr restores the console one); the caller keeps
// ownership and must uninstall it before destroying it.
void InstaleazaMesaje(IMesaje *serviciu);

// Messages on the standard error stream; used by scripted runs.
class TMesajeConsola : public IMesaje
{
public:
    void Eroare(const QString &text) override;
    void Avertizare(const QString &text) override;
    void Informare(const QString &text) override;
    bool Intrebare(const QString &text) override;
    // Nothing paints on the console: written at once.
    void EroareAmanata(const QString &text) override;
};
