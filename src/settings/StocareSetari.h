#pragma once

#include <memory>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "comun/Exceptie.h"

// What a stored value holds. `Alta` is a value of a kind the program never
// writes (binary data, a malformed entry): reading it fails like a mismatch.
enum class TTipValoare { Absenta, Sir, Intreg, Alta };

// A stored value of another kind than the one asked for.
class ExceptieTipSetare : public Exceptie
{
public:
    using Exceptie::Exceptie;
};

// One open key of the settings store: named string and 32-bit integer values.
// Names are compared without regard to letter case, as in the registry.
class ICheieSetari
{
public:
    virtual ~ICheieSetari() = default;

    virtual TTipValoare Tip(const QString &nume) const = 0;
    bool Exista(const QString &nume) const { return Tip(nume) != TTipValoare::Absenta; }

    // A missing value fails with an Exceptie, one of another kind with an
    // ExceptieTipSetare.
    virtual QString CitesteSir(const QString &nume) const = 0;
    // The string value, or the empty text when there is none of that kind.
    QString SirSauGol(const QString &nume) const
    {
        return Tip(nume) == TTipValoare::Sir ? CitesteSir(nume) : QString();
    }
    virtual qint32 CitesteIntreg(const QString &nume) const = 0;

    virtual void ScrieSir(const QString &nume, const QString &valoare) = 0;
    virtual void ScrieIntreg(const QString &nume, qint32 valoare) = 0;

    // Makes the writes lasting; failures as Exceptie. Closing without it may
    // lose the writes of a store that keeps them until then.
    virtual void Inchide() = 0;

    // After a value of the wrong kind: keeps what the key holds aside for
    // recovery, warns the user once, and goes on with an empty key, so the
    // caller can use its defaults. A store that cannot do that (the registry
    // keeps its values as they are) answers false and the caller fails.
    virtual bool PuneDeoparte(const QString &motiv)
    {
        Q_UNUSED(motiv);
        return false;
    }
};

// A per-user store of keys, addressed by paths relative to the user's root
// such as "Software\Zoravin SOFT\Lumira\2006\Global" (levels joined by "\").
class IStocareSetari
{
public:
    virtual ~IStocareSetari() = default;

    // Opens the key, creating it when missing; failures as Exceptie.
    virtual std::unique_ptr<ICheieSetari> DeschideCheie(const QString &cale) = 0;
    // Whether the key is there, for a reader that must not create it; a
    // store that cannot tell answers true.
    virtual bool ExistaCheie(const QString &cale) const
    {
        Q_UNUSED(cale);
        return true;
    }
};

// The store settings objects use when they are given none: the one installed,
// else the platform's (the registry on Windows, files elsewhere).
IStocareSetari &StocareSetari();

// Installs a store (nullptr restores the platform's); the caller keeps
// ownership and must uninstall it before destroying it.
void InstaleazaStocareSetari(IStocareSetari *stocare);

// The levels of a key path; an empty level, "." or ".." fails with an Exceptie.
QStringList NiveleCheie(const QString &cale);

// Keys in memory: the test double, and a store for runs that must leave no trace.
class TStocareSetariMemorie : public IStocareSetari
{
public:
    struct Valoare
    {
        QString nume;
        TTipValoare tip = TTipValoare::Absenta;
        QString sir;
        qint32 intreg = 0;
    };

    std::unique_ptr<ICheieSetari> DeschideCheie(const QString &cale) override;

    bool ExistaCheie(const QString &cale) const override;
    // The values of a key in the order they were first written.
    QList<Valoare> Valori(const QString &cale) const;
    // Puts a value of any kind in place, for tests of mismatched kinds.
    void Pune(const QString &cale, const Valoare &valoare);
    // From now on every write (and closing a key) fails, as on a store without rights.
    void EsueazaLaScriere(bool esueaza) { m_esueazaLaScriere = esueaza; }
    // How many values have been written through the keys so far.
    int Scrieri() const { return m_scrieri; }

private:
    friend class TCheieMemorie;
    static QString Normalizeaza(const QString &cale);

    QHash<QString, QList<Valoare>> m_chei;
    bool m_esueazaLaScriere = false;
    int m_scrieri = 0;
};

// One JSON file per key under a root folder: the key "A\B" is the file
// "A/B.json". Strings are JSON strings and integers JSON numbers, so the kind
// of each value is kept. Levels are matched to existing folders and files
// without regard to letter case, as the registry does. A file that cannot be
// read as JSON, or holds a value of the wrong kind, is kept beside as
// "<name>.deteriorat" and the key starts empty, with one warning.
class TStocareSetariFisiere : public IStocareSetari
{
public:
    explicit TStocareSetariFisiere(QString dosarRadacina);

    // The user's own settings folder (QStandardPaths::GenericConfigLocation).
    static QString DosarUtilizator();

    std::unique_ptr<ICheieSetari> DeschideCheie(const QString &cale) override;
    bool ExistaCheie(const QString &cale) const override;
    // The file that holds the key (whether it exists or not).
    QString FisierCheie(const QString &cale) const;

private:
    QString m_radacina;
};

#ifdef Q_OS_WIN
// The registry of the current user (HKEY_CURRENT_USER).
class TStocareSetariRegistru : public IStocareSetari
{
public:
    std::unique_ptr<ICheieSetari> DeschideCheie(const QString &cale) override;
};
#endif
