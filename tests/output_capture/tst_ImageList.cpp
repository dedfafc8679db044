// The image list on its own: the model that keeps each saved file, and the panel's actions.
#include <QDesktopServices>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include "app/AppSettings.h"
#include "app/Log.h"
#include "output/ImageListModel.h"
#include "output/ImageListPanel.h"

class TestImageList : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;  // what the panel handed to the desktop's default application

    QString saved(const QString& name, QSize size) {
        QImage image(size, QImage::Format_RGB888);
        image.fill(Qt::darkCyan);
        return image.save(m_dir.filePath(name)) ? m_dir.filePath(name) : QString();
    }

public slots:
    void open(const QUrl& url) { m_opened << url; }

private slots:
    void modelKeepsPathsCaptionsAndThumbnails() {
        ImageListModel model;
        QVERIFY(model.addFile(saved("wide.png", {300, 200})));
        QVERIFY(model.addFile(saved("tall.png", {200, 300})));
        const QModelIndex first = model.index(0);
        QCOMPARE(first.data(ImageListModel::PathRole).toString(), m_dir.filePath("wide.png"));
        QCOMPARE(first.data(Qt::ToolTipRole), first.data(ImageListModel::PathRole));
        QCOMPARE(first.data().toString(), QString("wide.png"));
        // Thumbnails keep the picture's proportions inside 90 x 60.
        auto thumb = [&](int row) {
            return model.index(row).data(Qt::DecorationRole).value<QIcon>().availableSizes();
        };
        QCOMPARE(thumb(0) + thumb(1), (QList<QSize>{{90, 60}, {40, 60}}));

        // A file that vanished before the list read it still gets its row, without a picture;
        // backslashes of a stored path never reach the path.
        QVERIFY(!model.addFile(m_dir.filePath("gone.png")));
        QCOMPARE(model.path(2), m_dir.filePath("gone.png"));
        QVERIFY(thumb(2).isEmpty());
        model.addFile(m_dir.path() + "/odd\\name.png");
        QCOMPARE(model.path(3), m_dir.path() + "/odd/name.png");
        QVERIFY(!model.removeRows(3, 2) && model.removeRows(2, 2) && model.rowCount() == 2);
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
        QDesktopServices::setUrlHandler("file", this, "open");
        panel.openItem(panel.model()->index(0));
        QVERIFY(QFile::remove(paths[0]));
        panel.openItem(panel.model()->index(0));
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(paths[0])}));

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
