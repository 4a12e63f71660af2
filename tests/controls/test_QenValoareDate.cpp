#include <functional>

#include <gtest/gtest.h>

#include "comun/Exceptie.h"
#include "controls/MesajExceptie.h"
#include "controls/QenValoareDate.h"

namespace {

using Tip = TQenTipDeDateColoana;

TQenValoareDate Valoare(const QVariant &v, Tip tip)
{
    TQenValoareDate valoare;
    valoare.Seteaza(v, tip);
    return valoare;
}

} // namespace

TEST(QenValoareDate, TextByKind)
{
    struct Caz
    {
        TQenValoareDate valoare;
        QString text;
    };
    const QDate martie(2004, 3, 5);
    const Caz cazuri[] = {
        {Valoare(12345, Tip::IntegerDouaZecimale), QStringLiteral("123,45")},
        {Valoare(-5, Tip::IntegerDouaZecimale), QStringLiteral("-0,05")},
        {Valoare(0, Tip::IntegerDouaZecimale), QStringLiteral("0,00")},
        {Valoare(-123456, Tip::IntegerDouaZecimale), QStringLiteral("-1234,56")},
        {Valoare(Q_INT64_C(12345678912), Tip::Currency), QStringLiteral("1.234.567,89")},
        {Valoare(-5000, Tip::Currency), QStringLiteral("-0,50")},
        {Valoare(0, Tip::Currency), QStringLiteral("0,00")},
        // Cut, not rounded.
        {Valoare(999999, Tip::Currency), QStringLiteral("99,99")},
        {Valoare(Q_INT64_C(1000000000), Tip::Currency), QStringLiteral("100.000,00")},
        {Valoare(-42, Tip::Integer), QStringLiteral("-42")},
        {Valoare(QStringLiteral(" Ana "), Tip::String), QStringLiteral(" Ana ")},
        {Valoare(martie, Tip::DataLung), QStringLiteral("5 martie 2004")},
        {Valoare(martie, Tip::DataScurtFaraAn), QStringLiteral("05/03")},
        {Valoare(martie, Tip::DataScurtCuAn), QStringLiteral("05/03/04")},
        {Valoare(QDate(1999, 12, 31), Tip::DataLung), QStringLiteral("31 decembrie 1999")},
        // A year of fewer than four digits is padded with "?".
        {Valoare(QDate(987, 1, 2), Tip::DataScurtCuAn), QStringLiteral("02/01/7?")},
        {Valoare(QVariant(), Tip::Ask), QStringLiteral("!NoData!")},
    };
    for (const Caz &c : cazuri)
        EXPECT_EQ(TextValoare(c.valoare), c.text) << c.text.toStdString();
}

TEST(QenValoareDate, TypedSettersSetTheKindAndGettersInsistOnIt)
{
    TQenValoareDate v;
    EXPECT_EQ(v.Tip(), Tip::Auto);
    EXPECT_EQ(MesajDin([&] { TextValoare(v); }), QStringLiteral("Bug! Nu stiu citi tipul de date!"));

    v.SetCurrency(50000);
    EXPECT_EQ(v.Tip(), Tip::Currency);
    EXPECT_EQ(v.AsCurrency(), 50000);
    EXPECT_EQ(MesajDin([&] { v.AsInteger(); }), QStringLiteral("Tip incorect"));
    v.SetInteger(7);
    EXPECT_EQ(v.Tip(), Tip::Integer);
    EXPECT_EQ(MesajDin([&] { v.AsIntegerDouaZecimale(); }), QStringLiteral("Tip incorect"));
    v.SetString(QStringLiteral("x"));
    EXPECT_EQ(v.Tip(), Tip::String);
    v.SetDataScurtCuAn(QDate(2004, 3, 5));
    EXPECT_EQ(v.Tip(), Tip::DataScurtCuAn);
    EXPECT_EQ(MesajDin([&] { v.AsDataLung(); }), QStringLiteral("Tip incorect"));
    EXPECT_EQ(v.AsDataScurtCuAn(), QDate(2004, 3, 5));
}

TEST(QenValoareDate, ColumnTypeMismatchNamesTheColumn)
{
    const TQenValoareDate text = Valoare(QStringLiteral("a"), Tip::String);
    EXPECT_EQ(MesajDin([&] { VerificaTipColoana(Tip::Integer, text, QStringLiteral("Suma")); }),
              QStringLiteral("Nepotrivire de date cand citesc coloana Suma"));
    // Auto and Ask columns take every kind; a matching one passes.
    for (Tip coloana : {Tip::Auto, Tip::Ask, Tip::String})
        EXPECT_NO_THROW(VerificaTipColoana(coloana, text, QString()));
}
