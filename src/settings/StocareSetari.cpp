#include "settings/StocareSetari.h"

#include <cmath>
#include <limits>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QStandardPaths>

#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

#ifdef Q_OS_WIN
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

IStocareSetari *g_instalata = nullptr;

ExceptieTipSetare TipInvalid(const QString &nume, const QString &cale)
{
    return ExceptieTipSetare(
        QStringLiteral("Tip de date invalid pentru valoarea \"%1\" din cheia \"%2\".").arg(nume, cale));
}

Exceptie ValoareLipsa(const QString &nume, const QString &cale)
{
    return Exceptie(QStringLiteral("Valoarea \"%1\" nu exista in cheia \"%2\".").arg(nume, cale));
}

} // namespace

IStocareSetari &StocareSetari()
{
    if (g_instalata)
        return *g_instalata;
#ifdef Q_OS_WIN
    static TStocareSetariRegistru platforma;
#else
    static TStocareSetariFisiere platforma(TStocareSetariFisiere::DosarUtilizator());
#endif
    return platforma;
}

void InstaleazaStocareSetari(IStocareSetari *stocare)
{
    g_instalata = stocare;
}

QStringList NiveleCheie(const QString &cale)
{
    const QStringList nivele = cale.split(QLatin1Char('\\'));
    for (const QString &nivel : nivele) {
        if (nivel.isEmpty() || nivel == QLatin1String(".") || nivel == QLatin1String(".."))
            throw Exceptie(QStringLiteral("Cheia de setari \"%1\" nu este valida.").arg(cale));
    }
    return nivele;
}

// ---------------------------------------------------------------------------
// In memory

class TCheieMemorie : public ICheieSetari
{
public:
    TCheieMemorie(TStocareSetariMemorie &stocare, QString cale, QString normalizata)
        : m_stocare(stocare), m_cale(std::move(cale)), m_normalizata(std::move(normalizata))
    {}

    TTipValoare Tip(const QString &nume) const override
    {
        const auto *v = Gaseste(nume);
        return v ? v->tip : TTipValoare::Absenta;
    }

    QString CitesteSir(const QString &nume) const override
    {
        const auto *v = Gaseste(nume);
        if (!v)
            throw ValoareLipsa(nume, m_cale);
        if (v->tip != TTipValoare::Sir)
            throw TipInvalid(nume, m_cale);
        return v->sir;
    }

    qint32 CitesteIntreg(const QString &nume) const override
    {
        const auto *v = Gaseste(nume);
        if (!v)
            throw ValoareLipsa(nume, m_cale);
        if (v->tip != TTipValoare::Intreg)
            throw TipInvalid(nume, m_cale);
        return v->intreg;
    }

    void ScrieSir(const QString &nume, const QString &valoare) override
    {
        TStocareSetariMemorie::Valoare v;
        v.nume = nume;
        v.tip = TTipValoare::Sir;
        v.sir = valoare;
        Scrie(v);
    }

    void ScrieIntreg(const QString &nume, qint32 valoare) override
    {
        TStocareSetariMemorie::Valoare v;
        v.nume = nume;
        v.tip = TTipValoare::Intreg;
        v.intreg = valoare;
        Scrie(v);
    }

    void Inchide() override
    {
        if (m_stocare.m_esueazaLaScriere)
            throw Exceptie(QStringLiteral("Nu pot scrie in cheia \"%1\".").arg(m_cale));
    }

private:
    const TStocareSetariMemorie::Valoare *Gaseste(const QString &nume) const
    {
        const auto cheie = m_stocare.m_chei.constFind(m_normalizata);
        if (cheie == m_stocare.m_chei.constEnd())
            return nullptr;
        for (const auto &v : *cheie) {
            if (v.nume.compare(nume, Qt::CaseInsensitive) == 0)
                return &v;
        }
        return nullptr;
    }

    void Scrie(TStocareSetariMemorie::Valoare v)
    {
        if (m_stocare.m_esueazaLaScriere)
            throw Exceptie(
                QStringLiteral("Nu pot scrie valoarea \"%1\" in cheia \"%2\".").arg(v.nume, m_cale));
        ++m_stocare.m_scrieri;
        m_stocare.Pune(m_cale, v);
    }

    TStocareSetariMemorie &m_stocare;
    QString m_cale;
    QString m_normalizata;
};

QString TStocareSetariMemorie::Normalizeaza(const QString &cale)
{
    return NiveleCheie(cale).join(QLatin1Char('\\')).toCaseFolded();
}

std::unique_ptr<ICheieSetari> TStocareSetariMemorie::DeschideCheie(const QString &cale)
{
    const QString normalizata = Normalizeaza(cale);
    if (!m_chei.contains(normalizata)) {
        if (m_esueazaLaScriere)
            throw Exceptie(QStringLiteral("Nu pot crea cheia \"%1\".").arg(cale));
        m_chei.insert(normalizata, {});
    }
    return std::make_unique<TCheieMemorie>(*this, cale, normalizata);
}

bool TStocareSetariMemorie::ExistaCheie(const QString &cale) const
{
    return m_chei.contains(Normalizeaza(cale));
}

QList<TStocareSetariMemorie::Valoare> TStocareSetariMemorie::Valori(const QString &cale) const
{
    return m_chei.value(Normalizeaza(cale));
}

void TStocareSetariMemorie::Pune(const QString &cale, const Valoare &valoare)
{
    auto &valori = m_chei[Normalizeaza(cale)];
    for (auto &v : valori) {
        // An existing value keeps the spelling of its name, as in the registry.
        if (v.nume.compare(valoare.nume, Qt::CaseInsensitive) == 0) {
            const QString nume = v.nume;
            v = valoare;
            v.nume = nume;
            return;
        }
    }
    valori.append(valoare);
}

// ---------------------------------------------------------------------------
// Files

namespace {

const QLatin1String kExtensie(".json");

// The entry of the folder whose name equals the given one without regard to
// letter case, or the given name when there is none.
QString NumeExistent(const QDir &dosar, const QString &nume)
{
    if (dosar.exists(nume))
        return nume;
    const QStringList intrari = dosar.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &intrare : intrari) {
        if (intrare.compare(nume, Qt::CaseInsensitive) == 0)
            return intrare;
    }
    return nume;
}

// Keeps a settings file that cannot be used beside as "<name>.deteriorat",
// where it can be recovered from, and tells the user once.
void PastreazaDeteriorat(const QString &fisier, const QString &motiv)
{
    const QString copie = fisier + QStringLiteral(".deteriorat");
    QFile::remove(copie);
    const bool pastrat = QFile::rename(fisier, copie) || QFile::copy(fisier, copie);
    const QString urmare =
        pastrat
            ? QStringLiteral("Fisierul a fost pastrat ca \"%1\"; programul foloseste setarile implicite.")
                  .arg(QDir::toNativeSeparators(copie))
            : QStringLiteral("Fisierul nu a putut fi pus deoparte; programul foloseste setarile implicite.");
    Mesaje().Avertizare(QStringLiteral("Setarile din fisierul \"%1\" nu pot fi citite: %2\n%3")
                            .arg(QDir::toNativeSeparators(fisier), motiv, urmare));
}

const QFileDevice::Permissions kDoarUtilizatorul = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

class TCheieFisier : public ICheieSetari
{
public:
    TCheieFisier(QString cale, QString fisier, QJsonObject valori)
        : m_cale(std::move(cale)), m_fisier(std::move(fisier)), m_valori(std::move(valori))
    {}

    ~TCheieFisier() override
    {
        // Whoever closes without Inchide still gets the writes; a failure here
        // has no one to go to.
        if (m_modificat) {
            try {
                Inchide();
            } catch (const Exceptie &e) {
                qWarning("%s", e.what());
            }
        }
    }

    TTipValoare Tip(const QString &nume) const override
    {
        const QString cheie = NumeJson(nume);
        if (cheie.isNull())
            return TTipValoare::Absenta;
        const QJsonValue v = m_valori.value(cheie);
        if (v.isString())
            return TTipValoare::Sir;
        if (v.isDouble()) {
            const double d = v.toDouble();
            if (std::floor(d) == d && d >= std::numeric_limits<qint32>::min() &&
                d <= std::numeric_limits<qint32>::max())
                return TTipValoare::Intreg;
        }
        return TTipValoare::Alta;
    }

    QString CitesteSir(const QString &nume) const override
    {
        Verifica(nume, TTipValoare::Sir);
        return m_valori.value(NumeJson(nume)).toString();
    }

    qint32 CitesteIntreg(const QString &nume) const override
    {
        Verifica(nume, TTipValoare::Intreg);
        return static_cast<qint32>(m_valori.value(NumeJson(nume)).toDouble());
    }

    void ScrieSir(const QString &nume, const QString &valoare) override { Scrie(nume, QJsonValue(valoare)); }

    void ScrieIntreg(const QString &nume, qint32 valoare) override { Scrie(nume, QJsonValue(valoare)); }

    void Inchide() override
    {
        if (!m_modificat)
            return;
        QSaveFile fisier(m_fisier);
        // A user's settings (a server's password among them) are the user's to read.
        if (!fisier.open(QIODevice::WriteOnly) || !fisier.setPermissions(kDoarUtilizatorul) ||
            fisier.write(QJsonDocument(m_valori).toJson(QJsonDocument::Indented)) < 0 || !fisier.commit())
            throw Exceptie(QStringLiteral("Nu pot scrie setarile in fisierul \"%1\": %2")
                               .arg(QDir::toNativeSeparators(m_fisier), fisier.errorString()));
        m_modificat = false;
    }

    bool PuneDeoparte(const QString &motiv) override
    {
        PastreazaDeteriorat(m_fisier, motiv);
        m_valori = QJsonObject();
        // The key exists again once it is closed, as after a first opening.
        m_modificat = true;
        return true;
    }

private:
    // The name under which the value is kept, null when there is none.
    QString NumeJson(const QString &nume) const
    {
        if (m_valori.contains(nume))
            return nume;
        for (auto it = m_valori.begin(); it != m_valori.end(); ++it) {
            if (it.key().compare(nume, Qt::CaseInsensitive) == 0)
                return it.key();
        }
        return QString();
    }

    void Verifica(const QString &nume, TTipValoare tip) const
    {
        const TTipValoare existent = Tip(nume);
        if (existent == TTipValoare::Absenta)
            throw ValoareLipsa(nume, m_cale);
        if (existent != tip)
            throw TipInvalid(nume, m_cale);
    }

    void Scrie(const QString &nume, const QJsonValue &valoare)
    {
        const QString existent = NumeJson(nume);
        // The same value again changes nothing: the file is rewritten only when its content changes.
        if (!existent.isNull() && m_valori.value(existent) == valoare)
            return;
        m_valori.insert(existent.isNull() ? nume : existent, valoare);
        m_modificat = true;
    }

    QString m_cale;
    QString m_fisier;
    QJsonObject m_valori;
    bool m_modificat = false;
};

} // namespace

TStocareSetariFisiere::TStocareSetariFisiere(QString dosarRadacina) : m_radacina(std::move(dosarRadacina))
{}

QString TStocareSetariFisiere::DosarUtilizator()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString TStocareSetariFisiere::FisierCheie(const QString &cale) const
{
    const QStringList nivele = NiveleCheie(cale);
    for (const QString &nivel : nivele) {
        if (nivel.contains(QLatin1Char('/')) || nivel.contains(QChar(0)) ||
            nivel.endsWith(kExtensie, Qt::CaseInsensitive))
            throw Exceptie(
                QStringLiteral("Cheia de setari \"%1\" nu poate fi pastrata intr-un fisier.").arg(cale));
    }
    QDir dosar(m_radacina);
    for (qsizetype i = 0; i + 1 < nivele.size(); ++i) {
        const QString nume = NumeExistent(dosar, nivele[i]);
        dosar.setPath(dosar.filePath(nume));
    }
    return dosar.filePath(NumeExistent(dosar, nivele.last() + kExtensie));
}

bool TStocareSetariFisiere::ExistaCheie(const QString &cale) const
{
    return QFileInfo::exists(FisierCheie(cale));
}

std::unique_ptr<ICheieSetari> TStocareSetariFisiere::DeschideCheie(const QString &cale)
{
    const QString fisier = FisierCheie(cale);
    const QString nativ = QDir::toNativeSeparators(fisier);
    QJsonObject valori;
    QFile citit(fisier);
    if (citit.exists()) {
        if (!citit.open(QIODevice::ReadOnly))
            throw Exceptie(QStringLiteral("Nu pot citi setarile din fisierul \"%1\": %2")
                               .arg(nativ, citit.errorString()));
        QJsonParseError eroare;
        const QJsonDocument document = QJsonDocument::fromJson(citit.readAll(), &eroare);
        citit.close();
        if (eroare.error == QJsonParseError::NoError && document.isObject()) {
            valori = document.object();
        } else {
            PastreazaDeteriorat(
                fisier, eroare.error != QJsonParseError::NoError
                            ? QStringLiteral("nu este un text JSON valid (%1)").arg(eroare.errorString())
                            : QStringLiteral("nu contine o lista de valori"));
        }
    }
    if (!QFileInfo::exists(fisier)) {
        // Opening a missing key creates it, as in the registry.
        if (!QDir().mkpath(QFileInfo(fisier).absolutePath()))
            throw Exceptie(QStringLiteral("Nu pot crea dosarul setarilor pentru \"%1\".").arg(nativ));
        QSaveFile gol(fisier);
        if (!gol.open(QIODevice::WriteOnly) || !gol.setPermissions(kDoarUtilizatorul) ||
            gol.write("{\n}\n") < 0 || !gol.commit())
            throw Exceptie(
                QStringLiteral("Nu pot crea fisierul de setari \"%1\": %2").arg(nativ, gol.errorString()));
    }
    return std::make_unique<TCheieFisier>(cale, fisier, valori);
}

// ---------------------------------------------------------------------------
// Windows registry

#ifdef Q_OS_WIN
namespace {

const wchar_t *Wide(const QString &text)
{
    return reinterpret_cast<const wchar_t *>(text.utf16());
}

QString MesajSistem(LONG cod)
{
    return qt_error_string(static_cast<int>(cod));
}

class TCheieRegistru : public ICheieSetari
{
public:
    TCheieRegistru(HKEY cheie, QString cale) : m_cheie(cheie), m_cale(std::move(cale)) {}
    ~TCheieRegistru() override { RegCloseKey(m_cheie); }

    TTipValoare Tip(const QString &nume) const override
    {
        DWORD tip = 0;
        const LONG r = RegQueryValueExW(m_cheie, Wide(nume), nullptr, &tip, nullptr, nullptr);
        if (r == ERROR_FILE_NOT_FOUND)
            return TTipValoare::Absenta;
        if (r != ERROR_SUCCESS)
            throw Exceptie(QStringLiteral("Nu pot citi valoarea \"%1\" din cheia \"%2\": %3")
                               .arg(nume, m_cale, MesajSistem(r)));
        if (tip == REG_SZ || tip == REG_EXPAND_SZ)
            return TTipValoare::Sir;
        if (tip == REG_DWORD)
            return TTipValoare::Intreg;
        return TTipValoare::Alta;
    }

    QString CitesteSir(const QString &nume) const override
    {
        Verifica(nume, TTipValoare::Sir);
        for (;;) {
            DWORD tip = 0;
            DWORD marime = 0;
            LONG r = RegQueryValueExW(m_cheie, Wide(nume), nullptr, &tip, nullptr, &marime);
            if (r != ERROR_SUCCESS)
                throw Exceptie(QStringLiteral("Nu pot citi valoarea \"%1\" din cheia \"%2\": %3")
                                   .arg(nume, m_cale, MesajSistem(r)));
            std::vector<wchar_t> text(marime / sizeof(wchar_t) + 1, L'\0');
            r = RegQueryValueExW(m_cheie, Wide(nume), nullptr, &tip, reinterpret_cast<LPBYTE>(text.data()),
                                 &marime);
            if (r == ERROR_MORE_DATA)
                continue; // changed in between
            if (r != ERROR_SUCCESS)
                throw Exceptie(QStringLiteral("Nu pot citi valoarea \"%1\" din cheia \"%2\": %3")
                                   .arg(nume, m_cale, MesajSistem(r)));
            if (tip != REG_SZ && tip != REG_EXPAND_SZ)
                throw TipInvalid(nume, m_cale);
            QString rezultat = QString::fromWCharArray(text.data(), int(marime / sizeof(wchar_t)));
            while (rezultat.endsWith(QChar(0)))
                rezultat.chop(1);
            return rezultat;
        }
    }

    qint32 CitesteIntreg(const QString &nume) const override
    {
        Verifica(nume, TTipValoare::Intreg);
        DWORD tip = 0;
        DWORD valoare = 0;
        DWORD marime = sizeof(valoare);
        const LONG r =
            RegQueryValueExW(m_cheie, Wide(nume), nullptr, &tip, reinterpret_cast<LPBYTE>(&valoare), &marime);
        if (r != ERROR_SUCCESS)
            throw Exceptie(QStringLiteral("Nu pot citi valoarea \"%1\" din cheia \"%2\": %3")
                               .arg(nume, m_cale, MesajSistem(r)));
        if (tip != REG_DWORD || marime != sizeof(valoare))
            throw TipInvalid(nume, m_cale);
        return static_cast<qint32>(valoare);
    }

    void ScrieSir(const QString &nume, const QString &valoare) override
    {
        const DWORD marime = DWORD((valoare.size() + 1) * sizeof(wchar_t));
        Verifica(RegSetValueExW(m_cheie, Wide(nume), 0, REG_SZ, reinterpret_cast<const BYTE *>(Wide(valoare)),
                                marime),
                 nume);
    }

    void ScrieIntreg(const QString &nume, qint32 valoare) override
    {
        const DWORD d = static_cast<DWORD>(valoare);
        Verifica(
            RegSetValueExW(m_cheie, Wide(nume), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&d), sizeof(d)),
            nume);
    }

    void Inchide() override
    {
        // The registry keeps every write as it is made.
    }

private:
    void Verifica(const QString &nume, TTipValoare tip) const
    {
        const TTipValoare existent = Tip(nume);
        if (existent == TTipValoare::Absenta)
            throw ValoareLipsa(nume, m_cale);
        if (existent != tip)
            throw TipInvalid(nume, m_cale);
    }

    void Verifica(LONG r, const QString &nume) const
    {
        if (r != ERROR_SUCCESS)
            throw Exceptie(QStringLiteral("Nu pot scrie valoarea \"%1\" in cheia \"%2\": %3")
                               .arg(nume, m_cale, MesajSistem(r)));
    }

    HKEY m_cheie;
    QString m_cale;
};

} // namespace

std::unique_ptr<ICheieSetari> TStocareSetariRegistru::DeschideCheie(const QString &cale)
{
    const QString curata = NiveleCheie(cale).join(QLatin1Char('\\'));
    HKEY cheie = nullptr;
    const LONG r = RegCreateKeyExW(HKEY_CURRENT_USER, Wide(curata), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_READ | KEY_WRITE, nullptr, &cheie, nullptr);
    if (r != ERROR_SUCCESS)
        throw Exceptie(
            QStringLiteral("Nu pot deschide cheia de registru \"%1\": %2").arg(cale, MesajSistem(r)));
    return std::make_unique<TCheieRegistru>(cheie, cale);
}
#endif
