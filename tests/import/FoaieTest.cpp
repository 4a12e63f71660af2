#include "FoaieTest.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QProcess>

namespace {

QString TextCsv(const TCelulaTest &c)
{
    if (c.tip == QLatin1String("d"))
        return QDate::fromString(c.valoare.toString(), Qt::ISODate).toString(QStringLiteral("dd.MM.yyyy"));
    if (c.tip == QLatin1String("n") && c.valoare.typeId() == QMetaType::Double)
        return QString::number(c.valoare.toDouble(), 'f', 0);
    QString t = c.valoare.toString();
    if (t.contains(u';') || t.contains(u'"') || t.contains(u'\n'))
        t = u'"' + QString(t).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return t;
}

} // namespace

QString ScrieRegistru(const QString &dosar, const QString &nume, const QString &format,
                      const QList<TFoaieTest> &foi, const QJsonObject &defecte)
{
    const QString fisier = QDir(dosar).filePath(nume + u'.' + format);
    if (format == QLatin1String("csv")) {
        QMap<int, QMap<int, QString>> randuri;
        int ultimaColoana = 0;
        for (const TCelulaTest &c : foi.value(0).celule) {
            randuri[c.rand][c.coloana] = TextCsv(c);
            ultimaColoana = qMax(ultimaColoana, c.coloana);
        }
        QByteArray continut;
        const int ultimulRand = randuri.isEmpty() ? 0 : randuri.lastKey();
        for (int r = 1; r <= ultimulRand; ++r) {
            QStringList campuri;
            for (int c = 0; c <= ultimaColoana; ++c)
                campuri.append(randuri.value(r).value(c));
            continut += campuri.join(u';').toUtf8() + "\r\n";
        }
        QFile f(fisier);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(continut);
        return fisier;
    }
    QJsonObject descriere = defecte;
    descriere.insert(QStringLiteral("format"), format);
    QJsonArray listaFoi;
    for (const TFoaieTest &foaie : foi) {
        QJsonArray celule;
        for (const TCelulaTest &c : foaie.celule)
            celule.append(QJsonArray{c.rand, c.coloana, c.tip, QJsonValue::fromVariant(c.valoare)});
        listaFoi.append(
            QJsonObject{{QStringLiteral("nume"), foaie.nume}, {QStringLiteral("celule"), celule}});
    }
    descriere.insert(QStringLiteral("foi"), listaFoi);
    const QString json = fisier + QStringLiteral(".json");
    QFile f(json);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QJsonDocument(descriere).toJson());
    f.close();
    QProcess p;
    p.start(QStringLiteral(CERT_TEST_PYTHON), {QStringLiteral(CERT_TEST_FOAIE_PY), json, fisier});
    EXPECT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return fisier;
}
