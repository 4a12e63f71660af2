#include "comun/CopiereFisier.h"

#include <QDir>
#include <QFile>

namespace {

class TCopiereFisierQt : public ICopiereFisier
{
public:
    QString Copiaza(const QString &sursa, const QString &tinta) override
    {
        QFile in(sursa);
        QFile out(tinta);
        const auto citire = [&] {
            return QStringLiteral("Nu pot citi %1: %2")
                .arg(QDir::toNativeSeparators(sursa), in.errorString());
        };
        const auto scriere = [&] {
            return QStringLiteral("Nu pot scrie %1: %2")
                .arg(QDir::toNativeSeparators(tinta), out.errorString());
        };
        if (!in.open(QIODevice::ReadOnly))
            return citire();
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return scriere();
        constexpr qint64 bucata = 1 << 20;
        while (!in.atEnd()) {
            const QByteArray date = in.read(bucata);
            if (date.isEmpty() && in.error() != QFileDevice::NoError)
                return citire();
            if (out.write(date) != date.size())
                return scriere();
        }
        // A full disk often shows only when the last buffer goes out.
        if (!out.flush() || out.size() != in.size())
            return scriere();
        out.close();
        if (out.error() != QFileDevice::NoError)
            return scriere();
        return QString();
    }
};

} // namespace

ICopiereFisier &CopiereSistem()
{
    static TCopiereFisierQt copiere;
    return copiere;
}
