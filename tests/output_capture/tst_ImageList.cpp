// The image list on its own: the model that keeps each saved file, and the panel's actions.
#include <QDesktopServices>
#include <QListView>
#include <QPushButton>
#include <QPdfWriter>
#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "app/Log.h"
#include "output/ImageListModel.h"
#include "output/FileListMime.h"
#include "output/ImageCaptionDelegate.h"
#include "output/ImageListPanel.h"
#include "output/ImagePrinter.h"
#include "support/TestFiles.h"

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

        // Captions keep their start and as much of their end as fits: names of one series differ
        // at the end.
        const QFontMetrics fm(QApplication::font());
        const QString name = "IMG2026_12_07_01_18_39.jpg", shown = "IMG\u202618_39.jpg";
        QCOMPARE(ImageCaptionDelegate::shortened(name, fm, fm.horizontalAdvance(shown)), shown);
        QCOMPARE(ImageCaptionDelegate::shortened("a.png", fm, 90), QString("a.png"));
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

    // The clipboard carries the files for file managers and, for one picture, the picture itself;
    // what was on it before stays, except an older picture or file list.
    void copyOffersEveryFormAndKeepsTheRest() {
        const QStringList paths = {saved("one.png", {30, 20}), saved("two #2.png", {20, 30})};
        QMimeData before;
        before.setText("earlier text");
        before.setImageData(QImage(5, 5, QImage::Format_RGB32));
        const QByteArray url0 = QUrl::fromLocalFile(paths[0]).toEncoded();
        const QByteArray url1 = QUrl::fromLocalFile(paths[1]).toEncoded();
        QVERIFY(url1.contains("%20%232"));
        std::unique_ptr<QMimeData> two(FileListMime::create(paths, &before));
        QCOMPARE(two->data("text/uri-list"), url0 + "\r\n" + url1 + "\r\n");
        QCOMPARE(two->data("x-special/gnome-copied-files"), "copy\n" + url0 + "\n" + url1);
        QCOMPARE(two->text(), QString("earlier text"));
        QVERIFY(!two->hasImage());
        std::unique_ptr<QMimeData> one(FileListMime::create({paths[1]}));
        QCOMPARE(qvariant_cast<QImage>(one->imageData()).size(), QSize(20, 30));

        AppSettings settings;
        Log log;
        ImageListPanel panel(&settings, &log);
        for (const QString& path : paths)
            panel.addFile(path);
        QApplication::clipboard()->setText("kept");
        panel.view()->selectionModel()->select(panel.model()->index(1),
                                               QItemSelectionModel::Select);
        panel.view()->selectionModel()->select(panel.model()->index(0),
                                               QItemSelectionModel::Select);
        panel.copySelected();
        const QMimeData* clip = QApplication::clipboard()->mimeData();
        QCOMPARE(clip->data("text/uri-list"), url1 + "\r\n" + url0 + "\r\n");  // selection order
        QCOMPARE(clip->text(), QString("kept"));
    }

    // One page per picture in the given order, each fitted to the page area from its top-left
    // corner; an unreadable file keeps its (empty) page.
    void printingFitsOnePicturePerPage() {
        const QStringList paths = {saved("wide.png", {400, 100}), m_dir.filePath("gone.png"),
                                   saved("tall.png", {100, 400})};
        const QString pdf = m_dir.filePath("printed.pdf");
        QPdfWriter writer(pdf);
        writer.setResolution(72);
        QCOMPARE(ImagePrinter::print(paths, &writer), 3);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(-1));
        QVERIFY(QString(info.readAll()).contains(QRegularExpression("Pages:\\s+3\\n")));
        // Rendered pages: the wide picture spans the printable width, the tall one its height.
        auto page = [&](int n) {
            QProcess render;
            render.start("pdftoppm",
                         {"-r", "36", "-png", "-f", QString::number(n), "-l", QString::number(n),
                          "-singlefile", pdf, m_dir.filePath("page")});
            render.waitForFinished(-1);
            return QImage(m_dir.filePath("page.png"));
        };
        const QRect area = writer.pageLayout().paintRectPixels(36);
        auto drawn = [](const QImage& image) {
            QRect box;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGreen(image.pixel(x, y)) < 200)
                        box |= QRect(x, y, 1, 1);
            return box;
        };
        const QRect wide = drawn(page(1)), tall = drawn(page(3));
        QVERIFY(drawn(page(2)).isEmpty());
        QVERIFY2(qAbs(wide.width() - area.width()) <= 2 && qAbs(wide.left() - area.left()) <= 1,
                 qPrintable(QString("%1 %2").arg(wide.width()).arg(area.width())));
        QVERIFY(qAbs(tall.height() - area.height()) <= 2 && qAbs(tall.top() - area.top()) <= 1);
    }

    // OCR hands the selected files themselves, in selection order, to the program beside the
    // executable, which runs on by itself; without a selection nothing starts.
    void ocrStartsTheProgramWithTheSelection() {
        AppSettings settings;
        settings.baseDir = m_dir.filePath("out put");
        Log log;
        ImageListPanel panel(&settings, &log);
        auto* button = panel.findChild<QPushButton*>("pQbtn_ImageItemsOcr");
        QVERIFY(button->isVisibleTo(&panel));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        const QStringList paths = {saved("p 1.png", {40, 30}), saved("p #2.png", {40, 30})};
        for (const QString& path : paths)
            panel.addFile(path);

        QTemporaryDir program;
        AppPaths::setApplicationDir(program.path());
        const QString args = program.filePath("args");
        QSignalSpy failed(&panel, &ImageListPanel::ocrFailed);
        QVERIFY(!panel.ocrSelected());
        panel.view()->selectionModel()->select(panel.model()->index(1),
                                               QItemSelectionModel::Select);
        panel.view()->selectionModel()->select(panel.model()->index(0),
                                               QItemSelectionModel::Select);
        QVERIFY(!panel.ocrSelected());  // no program there: said, not thrown
        QCOMPARE(failed.size(), 1);

        QFile rir(program.filePath("Rir"));
        QVERIFY(rir.open(QIODevice::WriteOnly));
        rir.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"" +
                  QFile::encodeName(args) + "\"\n");
        rir.close();
        rir.setPermissions(rir.permissions() | QFileDevice::ExeOwner);
        emit button->pressed();
        QTRY_VERIFY(QFile::exists(args));
        AppPaths::setApplicationDir(QString());
        QCOMPARE(QString::fromUtf8(readBytes(args)).split('\n', Qt::SkipEmptyParts),
                 QStringList({"--out", settings.baseDir, "--", paths[1], paths[0]}));
    }
};

QTEST_MAIN(TestImageList)
#include "tst_ImageList.moc"
