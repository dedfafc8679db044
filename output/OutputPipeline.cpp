#include "output/OutputPipeline.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include "app/AppSettings.h"
#include "app/LogCategories.h"
#include "output/ImageType.h"
#include "output/SaveThread.h"

namespace {

WatermarkSettings watermarkOf(const AppSettings& s) {
    WatermarkSettings w;
    w.type = s.wmType;
    w.content = s.wmContent;
    w.position = s.wmPosition;
    w.red = s.wmColorR;
    w.green = s.wmColorG;
    w.blue = s.wmColorB;
    w.opacity = s.wmOpacity;
    w.width = s.wmWidth;
    w.height = s.wmHeight;
    w.fontSize = s.wmFontSize;
    w.picturePath = s.wmImgPath;
    return w;
}

}  // namespace

OutputPipeline::OutputPipeline(QObject* parent) : QObject(parent) {}

OutputPipeline::~OutputPipeline() {
    waitForSaves();
}

QString OutputPipeline::outputDirectory() {
    const QString stored = m_settings->baseDir;
    const QString used = AppSettings::resolveOutputDirectory(stored);
    if (!AppSettings::isWritableFolder(used)) {
        logFailure(QStringLiteral("Output directory \"%1\" is not usable, nor is \"%2\"")
                       .arg(stored, used));
        return QString();
    }
    reportDirectory(stored, used);
    return used;
}

void OutputPipeline::reportDirectory(const QString& stored, const QString& used) {
    if (used == AppSettings::expandHome(stored)) {
        // Back after an unplugged drive: said once, and only for the folder that was missing,
        // not for one the user has just chosen instead.
        if (!m_fallback.isEmpty() && stored == m_fallbackFor) {
            logFailure(QStringLiteral("Output directory \"%1\" is usable again").arg(used));
            emit outputDirectoryRestored(used);
        }
        m_fallback.clear();
        return;
    }
    if (used == m_fallback && stored == m_fallbackFor)
        return;
    m_fallback = used;
    m_fallbackFor = stored;
    logFailure(QStringLiteral("Output directory \"%1\" is not usable; saving to \"%2\" for now")
                   .arg(stored, used));
    emit outputDirectoryReplaced(stored, used);
}

QString OutputPipeline::usablePrefix() {
    const QString stored = m_settings->namePre;
    QString prefix = stored;
    QStringList problems;
    // A separator would put the picture into another folder (or a missing one, losing it).
    if (prefix.contains(QLatin1Char('/')) || prefix.contains(QChar(0))) {
        prefix.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
        problems << QStringLiteral("holds a path separator");
    }
    int dots = 0;
    while (dots < prefix.size() && prefix.at(dots) == QLatin1Char('.'))
        ++dots;
    if (dots > 0) {
        prefix.remove(0, dots);
        problems << QStringLiteral("starts with a dot, which hides the files");
    }
    if (!problems.isEmpty() && stored != m_reportedPrefix) {
        m_reportedPrefix = stored;
        logFailure(QStringLiteral("File name prefix \"%1\" %2; using \"%3\"")
                       .arg(stored, problems.join(QStringLiteral(" and ")), prefix));
    }
    return prefix;
}

int OutputPipeline::usableImageType() {
    const int stored = m_settings->imageType;
    if (!ImageType::extension(stored).isEmpty())
        return stored;
    // Saved as the type a fresh installation uses, rather than as files without an extension.
    if (stored != m_reportedImageType) {
        m_reportedImageType = stored;
        logFailure(QStringLiteral("Image type %1 is not known; saving as \"%2\"")
                       .arg(stored)
                       .arg(ImageType::extension(AppSettings::kDefaultImageType)));
    }
    return AppSettings::kDefaultImageType;
}

void OutputPipeline::noFolder(const QString& stored) {
    emit saveFailed(stored, tr("no folder can take the file"));
}

QString OutputPipeline::prepareNaming() {
    const QString dir = outputDirectory();
    if (dir.isEmpty()) {
        noFolder(m_settings->baseDir);
        return dir;
    }
    m_namer.prefix = usablePrefix();
    m_namer.rule = ImageNamer::RuleFromNameType(m_settings->nameType);
    return dir;
}

QString OutputPipeline::save(QImage page) {
    if (page.isNull() || page.sizeInBytes() < 0 || !m_settings)
        return QString();
    const QString dir = prepareNaming();
    if (dir.isEmpty())
        return QString();
    const int type = usableImageType();
    const QString path = m_namer.MakeImagePath(dir, type);
    qCDebug(lcOutput) << path;
    emit naming(path, page);
    stamp(&page);
    return queue(page, path, type) ? path : QString();
}

QStringList OutputPipeline::saveSides(const QList<QPair<QString, QImage>>& sides) {
    QStringList names;
    QList<QImage> pages;
    for (const auto& side : sides)
        if (!side.second.isNull()) {
            names << side.first;
            pages << side.second;
        }
    if (pages.isEmpty() || !m_settings)
        return QStringList();
    const QString dir = prepareNaming();
    if (dir.isEmpty())
        return QStringList();
    const int type = usableImageType();
    const QStringList paths = m_namer.MakeSidePaths(dir, names, type);
    for (const QString& path : paths)
        qCDebug(lcOutput) << path;
    return queue(pages, paths, m_settings->jpgRate, type) ? paths : QStringList();
}

QStringList OutputPipeline::savePair(const QImage& left, const QImage& right) {
    if ((left.isNull() && right.isNull()) || !m_settings)
        return QStringList();
    const QString dir = prepareNaming();
    if (dir.isEmpty())
        return QStringList();
    const int type = usableImageType();
    QString leftPath, rightPath;
    m_namer.MakeBookPairPaths(dir, leftPath, rightPath, type);
    qCDebug(lcOutput) << leftPath;
    qCDebug(lcOutput) << rightPath;
    QList<QImage> pages;
    QStringList paths;
    if (!left.isNull()) {
        pages << left;
        paths << leftPath;
    }
    if (!right.isNull()) {
        pages << right;
        paths << rightPath;
    }
    return queue(pages, paths, -1, type) ? paths : QStringList();
}

QString OutputPipeline::saveAs(QImage page, const QString& baseName) {
    if (page.isNull() || !m_settings)
        return QString();
    const QString dir = outputDirectory();
    if (dir.isEmpty()) {
        noFolder(m_settings->baseDir);
        return QString();
    }
    const int type = usableImageType();
    const QString path = m_namer.MakeNamedPath(dir, baseName, type);
    qCDebug(lcOutput) << path;
    stamp(&page);
    return queue(page, path, type) ? path : QString();
}

void OutputPipeline::reportNoPage() {
    logFailure(QStringLiteral("No page found on the capture; nothing saved"));
    emit noPageFound();
}

bool OutputPipeline::queue(const QImage& page, const QString& path, int imageType) {
    return queue(QList<QImage>{page}, QStringList{path}, m_settings->jpgRate, imageType);
}

bool OutputPipeline::queue(const QList<QImage>& pages, const QStringList& paths, int quality,
                           int imageType) {
    auto* thread = new SaveThread;
    thread->imageType = imageType;
    thread->quality = quality;
    for (int i = 0; i < pages.size() && i < paths.size(); ++i)
        thread->AddImage(&pages[i], paths[i]);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &SaveThread::Signal_Finished, this, &OutputPipeline::saved);
    connect(thread, &SaveThread::Signal_Failed, this, [this](QString file, QString reason) {
        logFailure(QStringLiteral("Fail to save image \"%1\": %2").arg(file, reason));
        emit saveFailed(file, reason);
    });
    m_running.removeAll(QPointer<SaveThread>());
    m_running.append(thread);
    thread->start(QThread::InheritPriority);
    return true;
}

bool OutputPipeline::waitForSaves(int msecs) {
    bool all = true;
    for (const QPointer<SaveThread>& t : m_running)
        if (t && !t->wait(msecs))
            all = false;
    return all;
}

void OutputPipeline::stamp(QImage* image) {
    QString problem;
    if (m_settings && !Watermark::Apply(image, watermarkOf(*m_settings), &problem))
        logFailure(QStringLiteral("Watermark not applied: ") + problem);
}

void OutputPipeline::logFailure(const QString& message) {
    qCWarning(lcOutput).noquote() << message;
    m_log.Write(Log::Error, message.toUtf8().constData());
}
