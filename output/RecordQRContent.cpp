#include "output/RecordQRContent.h"

#include <QFile>

QString QRRecordFilePath(const QString& dir, const QDate& day) {
    QString path = dir;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + QStringLiteral("QRCode") + day.toString(QStringLiteral("yyyy-dd-MM")) +
           QStringLiteral(".txt");
}

bool RecordQRContent(const QString& dir, const QString& text, const QDateTime& when,
                     QString* error) {
    QFile file(QRRecordFilePath(dir, when.date()));
    const QByteArray line = '[' + when.toString(QStringLiteral("yyyy-dd-MM hh:mm:ss")).toUtf8() +
                            "]  [" + text.toUtf8() + "]\n";
    // One write of the whole line, so that a record is either there or missing, never half.
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Append) &&
                    file.write(line) == line.size() && file.flush();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}
