#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>
#include <QVector>

// The saved files of this run, in the order they were saved: each row keeps its file's path
// (PathRole, and the tool tip), its name as the caption and a 90 x 60 thumbnail.
class ImageListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role { PathRole = Qt::UserRole + 1 };
    static const QSize kThumbnailSize;

    explicit ImageListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    // Appends a row for the file ("\" separators become "/"). False when its picture could not
    // be read: the row is added all the same, with an empty thumbnail, so the file is never
    // hidden from the user.
    bool addFile(const QString& path);
    // The same at `row` (clamped to the list), for a file that comes back to its place.
    bool insertFile(int row, const QString& path);
    QString path(int row) const;

private:
    struct Entry {
        QString path;
        QIcon thumbnail;
    };
    QVector<Entry> m_entries;
};
