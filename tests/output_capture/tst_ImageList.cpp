// The image list on its own: the model that keeps each saved file, and the panel's actions.
#include <QDesktopServices>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/AppSettings.h"
#include "app/Log.h"
#include "output/GifWriter.h"
#include "output/ImageListModel.h"
#include "output/ImageListPanel.h"

// Receives what the panel would hand to the desktop's default application.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestImageList : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString saved(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB888);
        image.fill(Qt::darkCyan);
        const QString path = m_dir.filePath(name);
        QFile file(path);
        QString error;
        // Qt writes no GIF; the program's own writer does.
        const bool ok = name.endsWith(".gif") ? file.open(QIODevice::WriteOnly) &&
                                                    GifWriter::write(image, &file, &error)
                                              : image.save(path);
        return ok ? path : QString();
    }

private slots:
    void modelKeepsPathsCaptionsAndThumbnails() {
        ImageListModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QVERIFY(model.addFile(saved("wide.png", {300, 200})));
        QVERIFY(model.addFile(saved("tall.png", {200, 300})));
        QVERIFY(model.addFile(saved("real.gif", {50, 50})));
        QCOMPARE(inserted.size(), 3);
        QCOMPARE(model.rowCount(), 3);
        const QModelIndex first = model.index(0);
        QCOMPARE(first.data(ImageListModel::PathRole).toString(), m_dir.filePath("wide.png"));
        QCOMPARE(first.data(Qt::ToolTipRole), first.data(ImageListModel::PathRole));
        QCOMPARE(first.data().toString(), QString("wide.png"));
        // Thumbnails keep the picture's proportions inside 90 x 60.
        auto thumb = [&](int row) {
            return model.index(row)
                .data(Qt::DecorationRole)
                .value<QIcon>()
                .availableSizes()
                .value(0);
        };
        QCOMPARE(thumb(0), QSize(90, 60));
        QCOMPARE(thumb(1), QSize(40, 60));
        QCOMPARE(thumb(2), QSize(60, 60));

        // A file that vanished before the list read it still gets its row, without a picture;
        // backslashes of a stored path never reach the path.
        QVERIFY(!model.addFile(m_dir.filePath("gone.png")));
        QCOMPARE(model.path(3), m_dir.filePath("gone.png"));
        QVERIFY(model.index(3).data(Qt::DecorationRole).value<QIcon>().isNull());
        model.addFile(m_dir.path() + "/odd\\name.png");
        QCOMPARE(model.path(4), m_dir.path() + "/odd/name.png");

        QVERIFY(!model.removeRows(4, 2));
        QVERIFY(model.removeRows(3, 2));
        QCOMPARE(model.rowCount(), 3);
    }

    void panelOpensSelectsAndDeletes() {
        AppSettings settings;
        Log log;
        ImageListPanel panel(&settings, &log);
        QListView* view = panel.view();
        QStringList paths;
        for (const char* name : {"a.png", "b.png", "c.png"}) {
            paths << saved(name, {30, 20});
            panel.addFile(paths.last());
        }

        // Double-click opens a file that still exists, and nothing once it is gone.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        panel.openItem(panel.model()->index(0));
        QVERIFY(QFile::copy(paths[0], paths[0] + ".keep"));
        QVERIFY(QFile::remove(paths[0]));
        panel.openItem(panel.model()->index(0));
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.opened, QList<QUrl>({QUrl::fromLocalFile(paths[0])}));

        QSignalSpy done(&panel, &ImageListPanel::actionDone);
        emit panel.findChild<QPushButton*>("pQbtn_ImageItemsSelectAll")->pressed();
        QCOMPARE(view->selectionModel()->selectedIndexes().size(), 3);
        QCOMPARE(done.size(), 1);  // the focus goes back to the capture button
        emit panel.findChild<QPushButton*>("pQbtn_ImageItemsUnSelectAll")->pressed();
        QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());

        // Deleting the first two (the first already gone from disk) keeps the third, file and row.
        for (int row : {0, 1})
            view->selectionModel()->select(panel.model()->index(row), QItemSelectionModel::Select);
        emit panel.findChild<QPushButton*>("pQbtn_ImageItemsDelete")->pressed();
        QCOMPARE(panel.model()->rowCount(), 1);
        QCOMPARE(panel.model()->path(0), paths[2]);
        QVERIFY(!QFile::exists(paths[1]) && QFile::exists(paths[2]));
    }
};

QTEST_MAIN(TestImageList)
#include "tst_ImageList.moc"
