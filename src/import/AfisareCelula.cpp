#include "import/AfisareCelula.h"

#include <cmath>

#include <QDateTime>

namespace AfisareCelula {

QString Numar(double valoare, int zecimale, bool procent)
{
    if (!std::isfinite(valoare))
        return QStringLiteral("#NUM!");
    if (procent)
        valoare *= 100.0;
    QString text;
    if (zecimale >= 0) {
        text = QString::number(valoare, 'f', qMin(zecimale, 15));
    } else if (valoare == std::trunc(valoare) && std::fabs(valoare) < 1e18) {
        text = QString::number(qint64(valoare));
    } else {
        text = QString::number(valoare, 'f', 10);
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    text.replace(u'.', u',');
    if (procent)
        text += u'%';
    return text;
}

QString Data(const QDateTime &moment)
{
    if (!moment.isValid())
        return QString();
    const QTime ora = moment.time();
    if (ora.hour() == 0 && ora.minute() == 0 && ora.second() == 0)
        return moment.date().toString(QStringLiteral("dd.MM.yyyy"));
    return moment.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}

QString DataDinSerial(double serial)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.0) // up to 31.12.9999
        return Numar(serial);
    const double zile = std::floor(serial);
    // Serial 60 is the 29th of February 1900 that never was; before it the
    // count starts a day later.
    const QDate baza = zile < 61 ? QDate(1899, 12, 31) : QDate(1899, 12, 30);
    const qint64 secunde = qRound64((serial - zile) * 86400.0);
    const QDateTime moment(baza.addDays(qint64(zile)), QTime(0, 0));
    return Data(moment.addSecs(secunde));
}

QString Boolean(bool valoare)
{
    return valoare ? QStringLiteral("ADEVARAT") : QStringLiteral("FALS");
}

} // namespace AfisareCelula
