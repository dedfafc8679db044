#include "OcrLanguages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool hasData(const QString& dataPath, const QString& code) {
    return QFileInfo(QDir(dataPath).filePath(code + QStringLiteral(".traineddata"))).isFile();
}

}  // namespace

QString OcrLanguages::forInterface(const QString& storedLanguage) {
    static const struct {
        const char* stored;
        const char* code;
    } table[] = {{"German", "deu"},     {"French", "fra"},      {"Italian", "ita"},
                 {"Spanish", "spa"},    {"Russian", "rus"},     {"Japanese", "jpn"},
                 {"SChina", "chi_sim"}, {"TrdChina", "chi_tra"}};
    for (const auto& row : table)
        if (storedLanguage == QLatin1String(row.stored))
            return QLatin1String(row.code) + QStringLiteral("+eng");
    return QStringLiteral("eng");
}

QString OcrLanguages::installed(const QString& wanted, const QString& dataPath,
                                QStringList* notes) {
    QStringList kept;
    for (const QString& code : wanted.split('+', Qt::SkipEmptyParts)) {
        if (kept.contains(code))
            continue;
        if (hasData(dataPath, code))
            kept << code;
        else
            notes->append(QCoreApplication::translate(
                              "Rir", "The recognition data for \"%1\" is not installed.")
                              .arg(code));
    }
    if (kept.isEmpty()) {
        if (!hasData(dataPath, QStringLiteral("eng")))
            return QString();
        kept << QStringLiteral("eng");
        notes->append(QCoreApplication::translate("Rir", "Reading the pages as English."));
    }
    return kept.join('+');
}

bool OcrLanguages::hasOrientationData(const QString& dataPath) {
    return hasData(dataPath, QStringLiteral("osd"));
}
