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
    QString dir = m_settings->baseDir;
    // A relative or foreign (drive-letter) path would land somewhere unpredictable; a path
    // that is a file, or that cannot be made or written, cannot take the picture either.
    bool usable = !dir.isEmpty() && QDir::isAbsolutePath(dir);
    if (usable && !QFileInfo(dir).isDir())
        usable = QDir().mkdir(dir);
    if (usable)
        usable = QFileInfo(dir).isDir() && QFileInfo(dir).isWritable();
    if (!usable) {
        const QString fallback = QDir::currentPath();
        logFailure(QStringLiteral("Output directory \"%1\" is not usable; saving to \"%2\"")
                       .arg(dir, fallback));
        m_settings->baseDir = fallback;
        dir = fallback;
    }
    return dir;
}

QString OutputPipeline::prepareNaming() {
    const QString dir = outputDirectory();
    m_namer.prefix = m_settings->namePre;
    // A separator in the prefix would put the picture into another folder (or a missing one,
    // losing it); keep it in the output folder under a name the file system accepts.
    if (m_namer.prefix.contains(QLatin1Char('/')) || m_namer.prefix.contains(QChar(0))) {
        m_namer.prefix.replace(QLatin1Char('/'), QLatin1Char('_'))
            .replace(QChar(0), QLatin1Char('_'));
        logFailure(QStringLiteral("File name prefix \"%1\" holds a path separator; using \"%2\"")
                       .arg(m_settings->namePre, m_namer.prefix));
    }
    m_namer.rule = ImageNamer::RuleFromNameType(m_settings->nameType);
    return dir;
}

QString OutputPipeline::save(QImage page) {
    if (page.isNull() || page.sizeInBytes() < 0 || !m_settings)
        return QString();
    const QString path = m_namer.MakeImagePath(prepareNaming(), m_settings->imageType);
    qCDebug(lcOutput) << path;
    emit naming(path, page);
    stamp(&page);
    return queue(page, path) ? path : QString();
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
    const QStringList paths = m_namer.MakeSidePaths(prepareNaming(), names, m_settings->imageType);
    for (const QString& path : paths)
        qCDebug(lcOutput) << path;
    return queue(pages, paths, m_settings->jpgRate) ? paths : QStringList();
}

QStringList OutputPipeline::savePair(const QImage& left, const QImage& right) {
    if ((left.isNull() && right.isNull()) || !m_settings)
        return QStringList();
    QString leftPath, rightPath;
    m_namer.MakeBookPairPaths(prepareNaming(), leftPath, rightPath, m_settings->imageType);
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
    return queue(pages, paths, -1) ? paths : QStringList();
}

QString OutputPipeline::saveAs(QImage page, const QString& baseName) {
    if (page.isNull() || !m_settings)
        return QString();
    const QString path = m_namer.MakeNamedPath(outputDirectory(), baseName, m_settings->imageType);
    qCDebug(lcOutput) << path;
    stamp(&page);
    return queue(page, path) ? path : QString();
}

bool OutputPipeline::queue(const QImage& page, const QString& path) {
    return queue(QList<QImage>{page}, QStringList{path}, m_settings->jpgRate);
}

bool OutputPipeline::queue(const QList<QImage>& pages, const QStringList& paths, int quality) {
    auto* thread = new SaveThread;
    thread->imageType = m_settings->imageType;
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
