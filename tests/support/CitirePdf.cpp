#include "support/CitirePdf.h"

#include <QProcess>
#include <QRegularExpression>

QString TextPdfCuCutii(const QString &fisier)
{
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fisier, QStringLiteral("-")});
    if (!proces.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(proces.readAllStandardOutput());
}

QList<QRectF> CuvantPdf(const QString &fisier, const QString &cuvant)
{
    static const QRegularExpression model(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<QRectF> cutii;
    for (auto it = model.globalMatch(TextPdfCuCutii(fisier)); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(5) == cuvant)
            cutii.append(QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    }
    return cutii;
}
