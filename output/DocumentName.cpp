#include "output/DocumentName.h"

#include <QDateTime>
#include <QFileInfo>

QString DocumentName::stamped(const QString& prefix) {
    return prefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss"));
}

QString DocumentName::freeName(const QString& path) {
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return freeStem(path.left(path.size() - suffix.size()), {suffix}) + suffix;
}

QString DocumentName::freeStem(const QString& stem, const QStringList& suffixes) {
    auto taken = [&](const QString& candidate) {
        for (const QString& suffix : suffixes)
            if (QFileInfo::exists(candidate + suffix))
                return true;
        return false;
    };
    if (!taken(stem))
        return stem;
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1_%2").arg(stem).arg(n);
        if (!taken(candidate))
            return candidate;
    }
}
