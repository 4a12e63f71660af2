#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <QtGlobal>

// The data type of a grid column and, with the same numbers, the kind of a
// cell's value. As a column type, Auto and Ask accept any kind; as a value
// kind, Auto means "nothing set yet" and Ask "no data".
enum class TQenTipDeDateColoana {
    Currency = 0,
    Integer = 1,
    IntegerDouaZecimale = 2,
    String = 3,
    DataScurtFaraAn = 4,
    DataScurtCuAn = 5,
    DataLung = 6,
    Auto = 7,
    Ask = 8,
};

// The value of one grid cell, filled by the grid's client: a kind and the
// value. It starts without a value (kind Auto). Typed getters insist on their
// kind; typed setters set value and kind together.
class TQenValoareDate
{
public:
    TQenTipDeDateColoana Tip() const { return m_tip; }
    const QVariant &Valoare() const { return m_valoare; }

    // Ten-thousandths.
    qint64 AsCurrency() const;
    qint64 AsInteger() const;
    // Hundredths.
    qint64 AsIntegerDouaZecimale() const;
    QString AsString() const;
    QDate AsDataScurtFaraAn() const;
    QDate AsDataScurtCuAn() const;
    QDate AsDataLung() const;

    void SetCurrency(qint64 zecimiDeMiimi);
    void SetInteger(qint64 valoare);
    void SetString(const QString &text);
    void SetDataScurtFaraAn(const QDate &data);
    void SetDataScurtCuAn(const QDate &data);
    void SetDataLung(const QDate &data);
    // Any value of any kind: the way to give hundredths or to say "no data".
    void Seteaza(const QVariant &valoare, TQenTipDeDateColoana tip);

private:
    const QVariant &Cere(TQenTipDeDateColoana tip) const;

    TQenTipDeDateColoana m_tip = TQenTipDeDateColoana::Auto;
    QVariant m_valoare;
};

// Shown for a cell whose client has no data.
inline constexpr const char *kFaraDate = "!NoData!";

// The value written as the grid shows it, by its kind: "1.234.567,89",
// "123,45", "05/03/04", "5 martie 2004"... A value without a kind raises.
QString TextValoare(const TQenValoareDate &valoare);

// Raises when a column of a fixed type got a value of another kind.
void VerificaTipColoana(TQenTipDeDateColoana tipColoana, const TQenValoareDate &valoare,
                        const QString &numeColoana);

// The pieces of TextValoare, for callers holding a bare number or date.
QString TextCurrency(qint64 zecimiDeMiimi);
QString TextDouaZecimale(qint64 sutimi);
QString TextDataScurtFaraAn(const QDate &data);
QString TextDataScurtCuAn(const QDate &data);
QString TextDataLung(const QDate &data);
