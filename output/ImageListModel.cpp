#include "output/ImageListModel.h"

#include "app/ImageLimits.h"

#include <QColor>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

const QSize ImageListModel::kThumbnailSize(90, 60);

namespace {

// Fits the picture into the thumbnail without decoding it at full size where the format allows
// it (JPEG scales while decoding), so a large capture never sits in memory for a thumbnail.
QImage loadThumbnail(const QString& path) {
    // Anything but a regular file (a FIFO would block the window) and pictures declaring more
    // pixels than any capture stay without a thumbnail.
    if (!QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    const QSize full = reader.size();
    if (!imageSizeAcceptable(full))
        return QImage();
    reader.setScaledSize(
        full.scaled(ImageListModel::kThumbnailSize, Qt::KeepAspectRatio).expandedTo({1, 1}));
    const QImage small = reader.read();
    if (!small.isNull())
        return small;
    reader.setFileName(path);  // start over without the size hint
    const QImage image = reader.read();
    if (image.isNull())
        return QImage();
    return image.scaled(ImageListModel::kThumbnailSize, Qt::KeepAspectRatio,
                        Qt::FastTransformation);
}

}  // namespace

ImageListModel::ImageListModel(QObject* parent) : QAbstractListModel(parent) {}

int ImageListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant ImageListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const Entry& e = m_entries.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return QFileInfo(e.path).fileName();
        case Qt::ToolTipRole:
        case PathRole:
            return e.path;
        case Qt::DecorationRole:
            return e.thumbnail;
        case Qt::ForegroundRole:
            return QColor(220, 220, 220, 255);
        case Qt::SizeHintRole:
            return QSize(90, 80);
        default:
            return QVariant();
    }
}

bool ImageListModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_entries.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_entries.remove(row, count);
    endRemoveRows();
    return true;
}

bool ImageListModel::addFile(const QString& path) {
    return insertFile(m_entries.size(), path);
}

bool ImageListModel::insertFile(int row, const QString& path) {
    row = qBound(0, row, m_entries.size());
    Entry entry;
    entry.path = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    // ".gif" files hold real GIF data, which the image library reads directly.
    const QImage thumbnail = loadThumbnail(entry.path);
    entry.thumbnail = QIcon(QPixmap::fromImage(thumbnail));
    beginInsertRows(QModelIndex(), row, row);
    m_entries.insert(row, entry);
    endInsertRows();
    return !thumbnail.isNull();
}

QString ImageListModel::path(int row) const {
    return row >= 0 && row < m_entries.size() ? m_entries.at(row).path : QString();
}
