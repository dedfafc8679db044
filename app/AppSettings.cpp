#include "app/AppSettings.h"

#include "app/AppPaths.h"
#include "app/IniDocument.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

namespace {

const QString kCamera = QStringLiteral("Camera");
const QString kWaterMark = QStringLiteral("WaterMark");
const QString kSoftware = QStringLiteral("Software");

// Text of a stored value. An unquoted value with commas is read by QSettings as a list; a text
// field keeps its whole content rather than losing it.
QString textOf(const QVariant& v) {
    if (v.type() == QVariant::StringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

// Decimal text-to-integer conversion: absent, empty or non-numeric text gives 0.
int intOf(const QVariant& v) {
    bool ok = false;
    const int n = textOf(v).trimmed().toInt(&ok);
    return ok ? n : 0;
}

// Only 0 means the tour was seen. A missing or unreadable entry (a hand-edited file, "true",
// an interrupted write) counts as a first start: the tour shows once and its save writes 0 back,
// whereas reading it as 0 would hide the tour for good and keep the broken entry.
bool firstStartOf(const QVariant& v) {
    bool ok = false;
    const int n = textOf(v).trimmed().toInt(&ok);
    return !(ok && n == 0);
}

}  // namespace

AppSettings::AppSettings() {
    // The maker short name is declared after the watermark text, so it is copied here rather than
    // in the initialiser list.
    wmContent = makerShortName;
    baseDir = builtInOutputDirectory();
}

QString AppSettings::filePath() {
    QString path = AppPaths::settingsFile();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString AppSettings::builtInOutputDirectory() {
    return QDir::homePath() + QStringLiteral("/OutPut/");
}

QString AppSettings::picturesOutputDirectory() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty())
        return QString();
    return pictures + QStringLiteral("/OutPut/");
}

QString AppSettings::expandHome(const QString& stored) {
    // The shipped settings file names the home folder as "~/", since it cannot know the user.
    if (stored.startsWith(QLatin1String("~/")))
        return QDir::homePath() + stored.mid(1);
    return stored;
}

bool AppSettings::isWritableFolder(const QString& path) {
    const QFileInfo info(path);
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & writeBits);
}

QString AppSettings::resolveOutputDirectory(const QString& storedValue) {
    const QString stored = expandHome(storedValue);
    // Only an absolute path of this platform is ever looked at or created: "C:\OutPut\" is a
    // relative name here and creating it would litter the working directory.
    if (!stored.isEmpty() && QDir::isAbsolutePath(stored)) {
        // One level only: a folder on a drive that is gone must not be rebuilt on another disk.
        if (!QFileInfo(stored).isDir())
            QDir().mkdir(stored);
        if (isWritableFolder(stored))
            return stored;
    }
    const QString pictures = picturesOutputDirectory();
    if (!pictures.isEmpty() && QDir().mkpath(pictures) && isWritableFolder(pictures))
        return pictures;
    const QString home = builtInOutputDirectory();
    QDir().mkpath(home);
    return home;
}

int AppSettings::Load() {
    const QString path = filePath();
    if (!QFileInfo::exists(path))
        return FileAbsent;

    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return FileUnusable;
    const QByteArray content = file.readAll();
    file.close();

    // QSettings keeps a process-wide cache of INI files keyed by path and file time; reading a
    // private copy makes every Load() see exactly the bytes on disk now, and guarantees that
    // reading never writes back to the user's file.
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/miravelo-ini-XXXXXX.ini"));
    QString readPath = path;
    if (copy.open() && copy.write(content) == content.size() && copy.flush())
        readPath = copy.fileName();

    QSettings ini(readPath, QSettings::IniFormat);
    ini.setIniCodec("UTF-8");
    if (ini.status() == QSettings::AccessError)
        return FileUnusable;

    auto text = [&ini](const char* key) { return textOf(ini.value(QLatin1String(key))); };
    auto number = [&ini](const char* key) { return intOf(ini.value(QLatin1String(key))); };

    mainCamera = text("Camera/MainCamera");
    subCamera = text("Camera/SubCamera");
    mainResWidth = number("Camera/MainResWidth");
    mainResHeight = number("Camera/MainResHeight");
    subResWidth = number("Camera/SubResWidth");
    subResHeight = number("Camera/SubResHeight");
    mainCompress = number("Camera/MainCompress");
    subCompress = number("Camera/SubCompress");
    // Only the two mains frequencies exist; anything else (or no entry) is the box's first one.
    powerFrequency = number("Camera/PowerFrequency") == 60 ? 60 : 50;
    wmType = number("WaterMark/WMType");
    wmContent = text("WaterMark/WMContent");
    wmPosition = number("WaterMark/WMPosition");
    wmColorR = number("WaterMark/WMColorR");
    wmColorG = number("WaterMark/WMColorG");
    wmColorB = number("WaterMark/WMColorB");
    wmOpacity = number("WaterMark/WMOpacity");
    wmWidth = number("WaterMark/WMWidth");
    wmHeight = number("WaterMark/WMHeight");
    wmFontSize = number("WaterMark/WMFontsize");
    wmImgPath = text("WaterMark/WMImgpath");
    imageType = number("Software/Imagetype");
    isFirstStart = firstStartOf(ini.value(QStringLiteral("Software/isFristStart")));
    nameType = number("Software/Nametype");
    jpgRate = number("Software/JPGRate");
    docRotateAngle = number("Software/DocRotateAngle");
    baseDir = expandHome(text("Software/BaseDir"));
    namePre = text("Software/NamePre");
    // Optional and never written: an installation that offers the face comparison sets it to 1.
    faceDetectionEnabled = number("Software/FaceDetection") == 1;
    return Ok;
}

int AppSettings::Save() const {
    const QString path = filePath();
    qDebug().noquote() << path;
    if (!QFileInfo::exists(path))
        return FileAbsent;

    const QFileInfo info(path);
    QFile file(path);
    // A read-only settings file is the user's decision; replacing it through a rename would
    // silently override it (the owner's write bit is checked too, since access() says yes to root).
    const bool writable = info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
    if (!info.isFile() || !writable || !file.open(QIODevice::ReadOnly))
        return FileUnusable;
    IniDocument doc(file.readAll());
    file.close();

    doc.setValue(kCamera, QStringLiteral("MainCamera"), mainCamera);
    doc.setValue(kCamera, QStringLiteral("SubCamera"), subCamera);
    doc.setValue(kCamera, QStringLiteral("MainResWidth"), mainResWidth);
    doc.setValue(kCamera, QStringLiteral("MainResHeight"), mainResHeight);
    doc.setValue(kCamera, QStringLiteral("SubResWidth"), subResWidth);
    doc.setValue(kCamera, QStringLiteral("SubResHeight"), subResHeight);
    doc.setValue(kCamera, QStringLiteral("MainCompress"), mainCompress);
    doc.setValue(kCamera, QStringLiteral("SubCompress"), subCompress);
    doc.setValue(kCamera, QStringLiteral("PowerFrequency"), powerFrequency);
    doc.setValue(kWaterMark, QStringLiteral("WMType"), wmType);
    doc.setValue(kWaterMark, QStringLiteral("WMContent"), wmContent);
    doc.setValue(kWaterMark, QStringLiteral("WMPosition"), wmPosition);
    doc.setValue(kWaterMark, QStringLiteral("WMColorR"), wmColorR);
    doc.setValue(kWaterMark, QStringLiteral("WMColorG"), wmColorG);
    doc.setValue(kWaterMark, QStringLiteral("WMColorB"), wmColorB);
    doc.setValue(kWaterMark, QStringLiteral("WMOpacity"), wmOpacity);
    doc.setValue(kWaterMark, QStringLiteral("WMWidth"), wmWidth);
    doc.setValue(kWaterMark, QStringLiteral("WMHeight"), wmHeight);
    doc.setValue(kWaterMark, QStringLiteral("WMFontsize"), wmFontSize);
    doc.setValue(kWaterMark, QStringLiteral("WMImgpath"), wmImgPath);
    doc.setValue(kSoftware, QStringLiteral("Imagetype"), imageType);
    doc.setValue(kSoftware, QStringLiteral("Nametype"), nameType);
    doc.setValue(kSoftware, QStringLiteral("JPGRate"), jpgRate);
    doc.setValue(kSoftware, QStringLiteral("DocRotateAngle"), docRotateAngle);
    doc.setValue(kSoftware, QStringLiteral("BaseDir"), baseDir);
    doc.setValue(kSoftware, QStringLiteral("NamePre"), namePre);
    doc.setValue(kSoftware, QStringLiteral("isFristStart"), isFirstStart ? 1 : 0);

    // Written beside the file and renamed over it: a full disk or a crash mid-write leaves the
    // previous file intact. QSaveFile keeps the file's permissions. Unbuffered, because a buffered
    // QFileDevice reports a short write at flush time as success and the rename would then put a
    // truncated file in place.
    const QByteArray bytes = doc.toBytes();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return FileUnusable;
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            out.cancelWriting();
            out.commit();
            return FileUnusable;
        }
        done += n;
    }
    return out.commit() ? Ok : FileUnusable;
}
