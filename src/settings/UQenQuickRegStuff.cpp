#include "settings/UQenQuickRegStuff.h"

#include <algorithm>
#include <cstring>

#include <QColor>
#include <QMetaObject>

#include "settings/StocareSetari.h"
#include "comun/Exceptie.h"
#include "comun/Mesaje.h"

bool EsteIntreg(TTipProprietate tip)
{
    return tip == TTipProprietate::Intreg || tip == TTipProprietate::Enumerare ||
           tip == TTipProprietate::Multime || tip == TTipProprietate::Intreg64;
}

bool EsteSir(TTipProprietate tip)
{
    return tip == TTipProprietate::Caracter || tip == TTipProprietate::Sir;
}

namespace {

TTipProprietate TipDin(const QMetaProperty &p)
{
    if (p.isFlagType())
        return TTipProprietate::Multime;
    if (p.isEnumType())
        return TTipProprietate::Enumerare;
    switch (p.metaType().id()) {
    case QMetaType::Bool:
        return TTipProprietate::Enumerare;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QColor:
        return TTipProprietate::Intreg;
    case QMetaType::Long:
    case QMetaType::ULong:
        return sizeof(long) == 8 ? TTipProprietate::Intreg64 : TTipProprietate::Intreg;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return TTipProprietate::Intreg64;
    case QMetaType::Char:
    case QMetaType::QChar:
        return TTipProprietate::Caracter;
    case QMetaType::QString:
        return TTipProprietate::Sir;
    default:
        return TTipProprietate::Alta;
    }
}

// The bits of an enumeration or flags value, whatever its size.
qint64 BitiEnumerare(const QVariant &v)
{
    const void *date = v.constData();
    switch (v.metaType().sizeOf()) {
    case 1: {
        quint8 x;
        std::memcpy(&x, date, 1);
        return x;
    }
    case 2: {
        quint16 x;
        std::memcpy(&x, date, 2);
        return x;
    }
    case 4: {
        quint32 x;
        std::memcpy(&x, date, 4);
        return x;
    }
    case 8: {
        quint64 x;
        std::memcpy(&x, date, 8);
        return qint64(x);
    }
    default:
        return 0;
    }
}

QVariant EnumerareDin(QMetaType tip, qint32 valoare)
{
    QVariant v(tip);
    void *date = v.data();
    switch (tip.sizeOf()) {
    case 1: {
        const quint8 x = quint8(quint32(valoare));
        std::memcpy(date, &x, 1);
        break;
    }
    case 2: {
        const quint16 x = quint16(quint32(valoare));
        std::memcpy(date, &x, 2);
        break;
    }
    case 4: {
        const quint32 x = quint32(valoare);
        std::memcpy(date, &x, 4);
        break;
    }
    case 8: {
        const qint64 x = valoare;
        std::memcpy(date, &x, 8);
        break;
    }
    default:
        break;
    }
    return v;
}

} // namespace

TQenRTTIShell::TQenRTTIShell(QObject &instanta) : m_instanta(instanta)
{
    // Most-derived class first, so that its property hides an inherited one.
    const QMetaObject *radacina = &QObject::staticMetaObject;
    for (const QMetaObject *clasa = instanta.metaObject(); clasa && clasa != radacina;
         clasa = clasa->superClass()) {
        for (int i = clasa->propertyOffset(); i < clasa->propertyCount(); ++i) {
            const QMetaProperty p = clasa->property(i);
            if (!p.isReadable() || !p.isWritable())
                continue;
            const QString nume = QString::fromLatin1(p.name());
            const bool exista =
                std::any_of(m_proprietati.cbegin(), m_proprietati.cend(), [&](const Proprietate &x) {
                    return QString::fromLatin1(x.meta.name()).compare(nume, Qt::CaseInsensitive) == 0;
                });
            if (!exista)
                m_proprietati.append({p, TipDin(p)});
        }
    }
    std::stable_sort(m_proprietati.begin(), m_proprietati.end(),
                     [](const Proprietate &a, const Proprietate &b) {
                         return QString::fromLatin1(a.meta.name())
                                    .compare(QString::fromLatin1(b.meta.name()), Qt::CaseInsensitive) < 0;
                     });
}

QString TQenRTTIShell::Nume(int i) const
{
    return QString::fromLatin1(m_proprietati[i].meta.name());
}

QVariant TQenRTTIShell::Valoare(int i) const
{
    return m_proprietati[i].meta.read(&m_instanta);
}

void TQenRTTIShell::SeteazaValoare(int i, const QVariant &valoare)
{
    const QMetaProperty &p = m_proprietati[i].meta;
    QVariant v = valoare;
    // A character property takes the first character of a text.
    if (m_proprietati[i].tip == TTipProprietate::Caracter && v.metaType().id() == QMetaType::QString) {
        const QString text = v.toString();
        const QChar c = text.isEmpty() ? QChar() : text.front();
        if (p.metaType().id() == QMetaType::Char)
            v = QVariant::fromValue(char(c.toLatin1()));
        else
            v = QVariant::fromValue(c);
    }
    if (!p.write(&m_instanta, v))
        throw Exceptie(
            QStringLiteral("Valoarea \"%1\" nu poate fi atribuita proprietatii \"%2\" a clasei %3.")
                .arg(valoare.toString(), Nume(i), QString::fromLatin1(m_instanta.metaObject()->className())));
}

QString TQenRTTIShell::ValoareText(int i) const
{
    const QMetaProperty &p = m_proprietati[i].meta;
    const QVariant v = p.read(&m_instanta);
    if (p.metaType().id() == QMetaType::Char)
        return v.value<char>() ? QString(QChar::fromLatin1(v.value<char>())) : QString();
    if (p.metaType().id() == QMetaType::QChar)
        return v.value<QChar>().isNull() ? QString() : QString(v.value<QChar>());
    return v.toString();
}

qint32 TQenRTTIShell::ValoareIntreaga(int i) const
{
    const QMetaProperty &p = m_proprietati[i].meta;
    const QVariant v = p.read(&m_instanta);
    if (p.isEnumType() || p.isFlagType())
        return qint32(quint32(quint64(BitiEnumerare(v))));
    switch (p.metaType().id()) {
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::QColor:
        return qint32(v.value<QColor>().rgba());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return qint32(quint32(v.toULongLong()));
    default:
        return qint32(quint32(quint64(v.toLongLong())));
    }
}

void TQenRTTIShell::SeteazaValoareIntreaga(int i, qint32 valoare)
{
    const QMetaProperty &p = m_proprietati[i].meta;
    QVariant v;
    if (p.isEnumType() || p.isFlagType()) {
        v = EnumerareDin(p.metaType(), valoare);
    } else {
        switch (p.metaType().id()) {
        case QMetaType::Bool:
            v = QVariant(valoare != 0);
            break;
        case QMetaType::QColor:
            v = QVariant::fromValue(QColor::fromRgba(quint32(valoare)));
            break;
        case QMetaType::Int:
            v = QVariant(valoare);
            break;
        case QMetaType::UInt:
            v = QVariant(quint32(valoare));
            break;
        case QMetaType::Short:
            v = QVariant::fromValue(qint16(valoare));
            break;
        case QMetaType::UShort:
            v = QVariant::fromValue(quint16(valoare));
            break;
        case QMetaType::SChar:
            v = QVariant::fromValue(static_cast<signed char>(valoare));
            break;
        case QMetaType::UChar:
            v = QVariant::fromValue(static_cast<uchar>(valoare));
            break;
        case QMetaType::Long:
            v = QVariant::fromValue(long(valoare));
            break;
        case QMetaType::ULong:
            v = QVariant::fromValue(static_cast<unsigned long>(quint32(valoare)));
            break;
        case QMetaType::LongLong:
            v = QVariant(qint64(valoare));
            break;
        case QMetaType::ULongLong:
            v = QVariant(quint64(quint32(valoare)));
            break;
        default:
            v = QVariant(valoare);
            break;
        }
    }
    SeteazaValoare(i, v);
}

// ---------------------------------------------------------------------------

TQenRegistryClass::TQenRegistryClass(QString cheieRegistru, IStocareSetari *stocare)
    : m_cheie(std::move(cheieRegistru)), m_stocare(stocare ? stocare : &StocareSetari())
{}

TQenRegistryClass::~TQenRegistryClass()
{
    if (m_incarcat && !m_salvatLaDistrugere)
        qWarning("Un obiect de setari din cheia \"%s\" nu si-a salvat valorile.", qUtf8Printable(m_cheie));
}

void TQenRegistryClass::Incarca()
{
    TQenRTTIShell shell(*this);
    auto cheie = m_stocare->DeschideCheie(m_cheie);
    QList<QVariant> initiale;
    for (int i = 0; i < shell.Numar(); ++i)
        initiale.append(shell.Valoare(i));
    try {
        for (int i = 0; i < shell.Numar(); ++i) {
            const QString nume = shell.Nume(i);
            if (EsteIntreg(shell.Tip(i))) {
                if (cheie->Exista(nume)) {
                    const qint32 stocat = cheie->CitesteIntreg(nume);
                    shell.SeteazaValoareIntreaga(i, stocat);
                    m_stocate.insert(nume.toCaseFolded(), stocat);
                }
            } else if (EsteSir(shell.Tip(i))) {
                if (cheie->Exista(nume)) {
                    const QString stocat = cheie->CitesteSir(nume);
                    shell.SeteazaValoare(i, stocat);
                    m_stocate.insert(nume.toCaseFolded(), stocat);
                }
            }
        }
    } catch (const ExceptieTipSetare &e) {
        if (!cheie->PuneDeoparte(e.Mesaj()))
            throw;
        // Nothing of the damaged key stays: every property as it was constructed.
        for (int i = 0; i < shell.Numar(); ++i)
            shell.SeteazaValoare(i, initiale[i]);
        m_stocate.clear();
    }
    cheie->Inchide();
    m_incarcat = true;
}

void TQenRegistryClass::Salveaza()
{
    try {
        TQenRTTIShell shell(*this);
        QHash<QString, QVariant> scrise;
        for (int i = 0; i < shell.Numar(); ++i) {
            QVariant valoare;
            if (EsteIntreg(shell.Tip(i)))
                valoare = shell.ValoareIntreaga(i);
            else if (EsteSir(shell.Tip(i)))
                valoare = shell.ValoareText(i);
            else
                continue;
            const QString nume = shell.Nume(i).toCaseFolded();
            // Read and unchanged: nothing to write, and a file need not be rewritten.
            const auto stocat = m_stocate.constFind(nume);
            if (stocat == m_stocate.constEnd() || *stocat != valoare)
                scrise.insert(shell.Nume(i), valoare);
        }
        if (!scrise.isEmpty()) {
            auto cheie = m_stocare->DeschideCheie(m_cheie);
            for (int i = 0; i < shell.Numar(); ++i) {
                const auto valoare = scrise.constFind(shell.Nume(i));
                if (valoare == scrise.constEnd())
                    continue;
                if (valoare->metaType().id() == QMetaType::Int)
                    cheie->ScrieIntreg(shell.Nume(i), valoare->toInt());
                else
                    cheie->ScrieSir(shell.Nume(i), valoare->toString());
            }
            cheie->Inchide();
            for (auto it = scrise.cbegin(); it != scrise.cend(); ++it)
                m_stocate.insert(it.key().toCaseFolded(), it.value());
        }
        m_salvareEsuata = false;
    } catch (...) {
        m_salvareEsuata = true;
        throw;
    }
}

void TQenRegistryClass::SalveazaLaDistrugere() noexcept
{
    m_salvatLaDistrugere = true;
    if (!m_incarcat || m_salvareEsuata)
        return;
    try {
        Salveaza();
    } catch (const Exceptie &e) {
        Mesaje().Eroare(e.Mesaj());
    } catch (const std::exception &e) {
        Mesaje().Eroare(QString::fromLocal8Bit(e.what()));
    }
}
