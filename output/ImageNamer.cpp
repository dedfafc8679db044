#include "output/ImageNamer.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

#include "output/ImageType.h"

namespace {

QString joinPath(const QString& dir, const QString& fileName) {
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))
        return dir + fileName;
    return dir + QLatin1Char('/') + fileName;
}

bool onDisk(const QString& path) {
    // A dangling symlink or a directory of that name must not be "free" either.
    QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Enough for every file a burst of captures can have in flight.
constexpr int kIssuedMemory = 256;

QString dateTimeText() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy_MM_dd_hh_mm_ss"));
}

QString dateText() {
    return QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd"));
}

}  // namespace

bool ImageNamer::taken(const QString& path) const {
    return onDisk(path) || issued.contains(path);
}

QString ImageNamer::issue(const QString& path) {
    issued.append(path);
    if (issued.size() > kIssuedMemory)
        issued.removeFirst();
    return path;
}

int ImageNamer::RuleFromNameType(int nameType) {
    if (nameType == 0)
        return TimeDate;
    if (nameType == 1)
        return Index;
    return TimeDateIndex;
}

QString ImageNamer::FormatNumber(int n) {
    return QString::asprintf("%04d", n);
}

QString ImageNamer::numberedName() {
    if (rule == Index)
        return prefix + FormatNumber(index);
    return prefix + dateText() + FormatNumber(index);
}

QString ImageNamer::MakeImagePath(const QString& dir, int imageType) {
    const QString ext = ImageType::extension(imageType);
    if (rule == TimeDate) {
        const QString name = prefix + dateTimeText();
        QString path = joinPath(dir, name + ext);
        // Several captures in one second: keep counting suffixes rather than reuse a name, so a
        // burst never replaces a file that is already on disk.
        for (int k = 1; taken(path); ++k)
            path = joinPath(dir, name + QLatin1Char('_') + QString::number(k) + ext);
        return issue(path);
    }
    QString path;
    do {
        path = joinPath(dir, numberedName() + ext);
        index += indexStep;
    } while (taken(path));
    return issue(path);
}

QString ImageNamer::MakeNamedPath(const QString& dir, const QString& name, int imageType) {
    const QString ext = ImageType::extension(imageType);
    QString path = joinPath(dir, name + ext);
    for (int k = 2; taken(path); ++k)
        path = joinPath(dir, name + QLatin1Char('_') + QString::number(k) + ext);
    return issue(path);
}

QString ImageNamer::MakeSidePath(const QString& dir, const QString& side, int imageType) {
    return MakeSidePaths(dir, {side}, imageType).value(0);
}

QStringList ImageNamer::MakeSidePaths(const QString& dir, const QStringList& sides, int imageType) {
    const QString ext = ImageType::extension(imageType);
    auto compose = [&](const QString& name) {
        QStringList paths;
        for (const QString& side : sides)
            paths << joinPath(dir, name + side + ext);
        return paths;
    };
    // Sides are written by a save thread after they are named: a name handed out a moment ago
    // is as taken as a file on disk, or the next card would replace this one.
    auto free = [&](const QStringList& paths) {
        return std::none_of(paths.begin(), paths.end(), [&](const QString& p) { return taken(p); });
    };
    QStringList paths;
    if (rule == TimeDate) {
        const QString name = dateTimeText();
        paths = compose(name);
        for (int k = 1; !free(paths); ++k)
            paths = compose(name + QLatin1Char('_') + QString::number(k));
    } else {
        while (!free(paths = compose(numberedName())))
            index += indexStep;
    }
    for (const QString& p : paths)
        issue(p);
    return paths;
}

QString ImageNamer::MakeBookPairPaths(const QString& dir, QString& leftOut, QString& rightOut,
                                      int imageType) {
    const QString ext = ImageType::extension(imageType);
    for (;;) {
        const QString name = prefix + FormatNumber(bookIndex);
        leftOut = joinPath(dir, name + QStringLiteral("_LEFT") + ext);
        rightOut = joinPath(dir, name + QStringLiteral("_RIGHT") + ext);
        if (!taken(leftOut) && !taken(rightOut)) {
            issue(leftOut);
            issue(rightOut);
            return QString();
        }
        bookIndex += indexStep;
    }
}
