#include "controls/QenValoareDate.h"

#include <array>

#include "comun/Exceptie.h"

namespace {

using Tip = TQenTipDeDateColoana;

// The magnitude of a signed number, safe for the most negative one.
quint64 Marime(qint64 n)
{
    return n < 0 ? quint64(0) - quint64(n) : quint64(n);
}

QString DouaCifre(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

const QVariant &TQenValoareDate::Cere(TQenTipDeDateColoana tip) const
{
    if (m_tip != tip)
        throw Exceptie(QStringLiteral("Tip incorect"));
    return m_valoare;
}

qint64 TQenValoareDate::AsCurrency() const
{
    return Cere(Tip::Currency).toLongLong();
}

qint64 TQenValoareDate::AsInteger() const
{
    return Cere(Tip::Integer).toLongLong();
}

qint64 TQenValoareDate::AsIntegerDouaZecimale() const
{
    return Cere(Tip::IntegerDouaZecimale).toLongLong();
}

QString TQenValoareDate::AsString() const
{
    return Cere(Tip::String).toString();
}

QDate TQenValoareDate::AsDataScurtFaraAn() const
{
    return Cere(Tip::DataScurtFaraAn).toDate();
}

QDate TQenValoareDate::AsDataScurtCuAn() const
{
    return Cere(Tip::DataScurtCuAn).toDate();
}

QDate TQenValoareDate::AsDataLung() const
{
    return Cere(Tip::DataLung).toDate();
}

void TQenValoareDate::SetCurrency(qint64 zecimiDeMiimi)
{
    Seteaza(zecimiDeMiimi, Tip::Currency);
}

void TQenValoareDate::SetInteger(qint64 valoare)
{
    Seteaza(valoare, Tip::Integer);
}

void TQenValoareDate::SetString(const QString &text)
{
    Seteaza(text, Tip::String);
}

void TQenValoareDate::SetDataScurtFaraAn(const QDate &data)
{
    Seteaza(data, Tip::DataScurtFaraAn);
}

void TQenValoareDate::SetDataScurtCuAn(const QDate &data)
{
    Seteaza(data, Tip::DataScurtCuAn);
}

void TQenValoareDate::SetDataLung(const QDate &data)
{
    Seteaza(data, Tip::DataLung);
}

void TQenValoareDate::Seteaza(const QVariant &valoare, TQenTipDeDateColoana tip)
{
    m_valoare = valoare;
    m_tip = tip;
}

QString TextCurrency(qint64 zecimiDeMiimi)
{
    const quint64 m = Marime(zecimiDeMiimi);
    const QString intreg = QString::number(m / 10000);
    QString text;
    for (qsizetype i = 0; i < intreg.size(); ++i) {
        if (i > 0 && (intreg.size() - i) % 3 == 0)
            text += QLatin1Char('.');
        text += intreg.at(i);
    }
    // The first two of the four decimals, cut.
    text += QLatin1Char(',') + DouaCifre(int(m % 10000 / 100));
    return zecimiDeMiimi < 0 ? QLatin1Char('-') + text : text;
}

QString TextDouaZecimale(qint64 sutimi)
{
    const quint64 m = Marime(sutimi);
    const QString text = QString::number(m / 100) + QLatin1Char(',') + DouaCifre(int(m % 100));
    return sutimi < 0 ? QLatin1Char('-') + text : text;
}

QString TextDataScurtFaraAn(const QDate &data)
{
    return DouaCifre(data.day()) + QLatin1Char('/') + DouaCifre(data.month());
}

QString TextDataScurtCuAn(const QDate &data)
{
    // The year's third and fourth characters: 2004 gives "04".
    const QString an = QString::number(data.year()).leftJustified(4, QLatin1Char('?'));
    return TextDataScurtFaraAn(data) + QLatin1Char('/') + an.mid(2, 2);
}

QString TextDataLung(const QDate &data)
{
    static const std::array<const char *, 12> luni = {"ianuarie",   "februarie", "martie",    "aprilie",
                                                      "mai",        "iunie",     "iulie",     "august",
                                                      "septembrie", "octombrie", "noiembrie", "decembrie"};
    const int luna = data.month();
    const QString numeLuna = luna >= 1 && luna <= 12 ? QLatin1String(luni[size_t(luna - 1)]) : QString();
    return QString::number(data.day()) + QLatin1Char(' ') + numeLuna + QLatin1Char(' ') +
           QString::number(data.year());
}

QString TextValoare(const TQenValoareDate &valoare)
{
    switch (valoare.Tip()) {
    case Tip::Currency:
        return TextCurrency(valoare.AsCurrency());
    case Tip::Integer:
        return QString::number(valoare.AsInteger());
    case Tip::IntegerDouaZecimale:
        return TextDouaZecimale(valoare.AsIntegerDouaZecimale());
    case Tip::String:
        return valoare.AsString();
    case Tip::DataScurtFaraAn:
        return TextDataScurtFaraAn(valoare.AsDataScurtFaraAn());
    case Tip::DataScurtCuAn:
        return TextDataScurtCuAn(valoare.AsDataScurtCuAn());
    case Tip::DataLung:
        return TextDataLung(valoare.AsDataLung());
    case Tip::Ask:
        return QLatin1String(kFaraDate);
    case Tip::Auto:
        break;
    }
    throw Exceptie(QStringLiteral("Bug! Nu stiu citi tipul de date!"));
}

void VerificaTipColoana(TQenTipDeDateColoana tipColoana, const TQenValoareDate &valoare,
                        const QString &numeColoana)
{
    if (tipColoana != Tip::Auto && tipColoana != Tip::Ask && tipColoana != valoare.Tip())
        throw Exceptie(QStringLiteral("Nepotrivire de date cand citesc coloana ") + numeColoana);
}
