#include "support/CitirePdf.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

QString TextPdfCuCutii(const QString &fisier)
{
    // scripts/setup.sh installs it: a missing tool is a failure, never a skip.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        ADD_FAILURE() << "pdftotext is missing: run scripts/setup.sh (package poppler-utils)";
        return QString();
    }
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fisier, QStringLiteral("-")});
    if (!proces.waitForFinished(60000) || proces.exitStatus() != QProcess::NormalExit ||
        proces.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << fisier.toStdString() << ": "
                      << proces.readAllStandardError().toStdString();
        return QString();
    }
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
