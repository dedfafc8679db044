#include "output/ImageNamer.h"

#include <QDateTime>
#include <QFileInfo>

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

// Card sides and book pages are written on the spot, before the next name is asked for, so only
// files on disk count for them.
QString ImageNamer::MakeSidePath(const QString& dir, const QString& side, int imageType) {
    const QString ext = side + ImageType::extension(imageType);
    if (rule == TimeDate) {
        const QString name = dateTimeText();
        QString path = joinPath(dir, name + ext);
        // The card sides are copied without overwriting, so an occupied name would silently
        // drop the new side; give it a free name instead.
        for (int k = 1; onDisk(path); ++k)
            path = joinPath(dir, name + QLatin1Char('_') + QString::number(k) + ext);
        return path;
    }
    QString path = joinPath(dir, numberedName() + ext);
    if (!onDisk(path))
        return path;
    if (rule == Index) {
        do {
            path = joinPath(dir, numberedName() + ext);
            index += indexStep;
        } while (onDisk(path));
        return path;
    }
    // TimeDate&Index stops on the number used, so the other side of the card gets it too.
    for (;;) {
        path = joinPath(dir, numberedName() + ext);
        if (!onDisk(path))
            return path;
        index += indexStep;
    }
}

QString ImageNamer::MakeBookPairPaths(const QString& dir, QString& leftOut, QString& rightOut,
                                      int imageType) {
    const QString ext = ImageType::extension(imageType);
    for (;;) {
        const QString name = prefix + FormatNumber(bookIndex);
        leftOut = joinPath(dir, name + QStringLiteral("_LEFT") + ext);
        rightOut = joinPath(dir, name + QStringLiteral("_RIGHT") + ext);
        if (!onDisk(leftOut) && !onDisk(rightOut))
            return QString();
        bookIndex += indexStep;
    }
}
