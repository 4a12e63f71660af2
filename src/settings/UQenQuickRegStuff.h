#pragma once

#include <QHash>
#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>

class IStocareSetari;

// How a property is kept in the settings store: the integer kinds as 32-bit
// integer values, the string kinds as string values, the rest not at all.
enum class TTipProprietate {
    Intreg,    // integers, colours
    Enumerare, // enumerations and bool
    Multime,   // flags
    Intreg64,  // 64-bit integers (kept as their lower half)
    Caracter,  // QChar, char
    Sir,       // QString
    Alta,      // anything else: not stored
};

bool EsteIntreg(TTipProprietate tip);
bool EsteSir(TTipProprietate tip);

// The properties (Q_PROPERTY) of an object, sorted by name without regard to
// letter case, each name once (a subclass's property hides an inherited one
// of the same name). QObject's own properties and those that cannot be both
// read and written are left out.
class TQenRTTIShell
{
public:
    explicit TQenRTTIShell(QObject &instanta);

    int Numar() const { return int(m_proprietati.size()); }
    TTipProprietate Tip(int i) const { return m_proprietati[i].tip; }
    QString Nume(int i) const;
    QVariant Valoare(int i) const;
    // Converts as the property's type allows; a value that does not convert
    // fails with an Exceptie.
    void SeteazaValoare(int i, const QVariant &valoare);

    // The property as text, for the string kinds (a null character as "").
    QString ValoareText(int i) const;

    // The property as a 32-bit integer (bool 0/1, enumerations by value,
    // flags as their bit mask, 64-bit values cut to their lower half), and
    // back. Only for the integer kinds.
    qint32 ValoareIntreaga(int i) const;
    void SeteazaValoareIntreaga(int i, qint32 valoare);

private:
    struct Proprietate
    {
        QMetaProperty meta;
        TTipProprietate tip;
    };

    QObject &m_instanta;
    QList<Proprietate> m_proprietati;
};

// Base of the settings objects: their properties persist in one key of the
// settings store. The most-derived class calls Incarca() at the end of its
// constructor and SalveazaLaDistrugere() in its destructor; C++ gives the
// base neither the subclass's properties while it is being built nor once it
// is being destroyed. A failed load fails the construction.
class TQenRegistryClass : public QObject
{
    Q_OBJECT

public:
    ~TQenRegistryClass() override;

    const QString &CheieRegistru() const { return m_cheie; }

    // Writes now every property the key does not hold yet or holds with
    // another value; failures as Exceptie. Used where a failed write must stop
    // what the caller does; the destructor then writes only what changed since.
    void Salveaza();

protected:
    // `stocare` nullptr means the store in use (StocareSetari()).
    explicit TQenRegistryClass(QString cheieRegistru, IStocareSetari *stocare = nullptr);

    // Reads every stored property from the key; a value of the wrong kind
    // fails with an Exceptie.
    void Incarca();
    // Writes every property; a destructor cannot throw, so a failure is shown
    // in the error box (unless Salveaza() has just reported it).
    void SalveazaLaDistrugere() noexcept;

private:
    QString m_cheie;
    IStocareSetari *m_stocare;
    // What the key holds of each property (name folded to lower case, value
    // as stored): a property still equal to it is not written again.
    QHash<QString, QVariant> m_stocate;
    bool m_incarcat = false;
    bool m_salvatLaDistrugere = false;
    bool m_salvareEsuata = false;
};
