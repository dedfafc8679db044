#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>

#include "MainWindowFixture.h"
#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "output/ImageType.h"

// Receives what the window would hand to the desktop's default application.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestImageList : public QObject {
    Q_OBJECT
private:
    MainWindowFixture f;
    QListWidget* list = nullptr;

    // One capture through the window, waiting for its item.
    void captureOne(QRgb colour, QSize size = QSize(300, 200)) {
        const int before = list->count();
        auto* img = new QImage(size, QImage::Format_RGB888);
        img->fill(colour);
        f.window->Handle_GotTakePhoto(img);
        QTRY_COMPARE(list->count(), before + 1);
    }
    QSize lastFileSize() const { return QImage(list->item(list->count() - 1)->toolTip()).size(); }

private slots:
    void initTestCase() {
        QVERIFY(f.start());
        list = f.find<QListWidget>("pListWidget_Images");
        QVERIFY(list);
        // Original: the captures here are plain colours with no page to find.
        QTest::mouseClick(f.bar->DocTile(0), Qt::LeftButton);
        QCOMPARE(f.bar->DocOption(), 0);
    }

    void itemsArriveInCaptureOrder() {
        auto* tabs = f.find<QTabWidget>("ptabwidget_RightSetZone_Set");
        tabs->setCurrentIndex(0);
        captureOne(qRgb(255, 0, 0), QSize(300, 200));
        captureOne(qRgb(0, 255, 0), QSize(200, 300));
        captureOne(qRgb(0, 0, 255));
        QCOMPARE(list->count(), 3);
        QCOMPARE(tabs->currentIndex(), 2);
        for (int i = 0; i < 3; ++i) {
            const QString name = QString("IMG%1.png").arg(i, 4, 10, QChar('0'));
            QCOMPARE(list->item(i)->toolTip(), f.out(name));
            QCOMPARE(list->item(i)->text(), name);
            QVERIFY(QFile::exists(f.out(name)));
        }
        // Thumbnails keep the picture's proportions inside 90 x 60.
        QCOMPARE(list->item(0)->icon().availableSizes().value(0), QSize(90, 60));
        QCOMPARE(list->item(1)->icon().availableSizes().value(0), QSize(40, 60));
    }

    void substitutedResolutionRescalesOriginals() {
        // The virtual camera's largest size is 3264 x 2448, for which the device control offers
        // the listed 3672 x 2856 first; an Original capture is enlarged to it.
        auto* resolution = f.find<QComboBox>("pCombo_Resolution");
        QTRY_COMPARE_WITH_TIMEOUT(resolution->currentText(), QString("3672*2856"), 10000);
        captureOne(qRgb(1, 2, 3), QSize(320, 240));
        QCOMPARE(lastFileSize(), QSize(3672, 2856));
        captureOne(qRgb(1, 2, 3), QSize(240, 320));
        QCOMPARE(lastFileSize(), QSize(2856, 3672));
        // Not with the feature off.
        f.window->settings()->resolutionSubstitution = 0;
        captureOne(qRgb(1, 2, 3), QSize(320, 240));
        QCOMPARE(lastFileSize(), QSize(320, 240));
        f.window->settings()->resolutionSubstitution = 1;
        for (int i = 0; i < 3; ++i)
            delete list->takeItem(list->count() - 1);
    }

    void gifAndUnreadableFiles() {
        f.window->settings()->imageType = ImageType::Gif;
        captureOne(qRgb(10, 200, 30));
        f.window->settings()->imageType = ImageType::Png;
        QListWidgetItem* gif = list->item(list->count() - 1);
        QVERIFY(gif->toolTip().endsWith(".gif") && !gif->icon().isNull());
        QCOMPARE(QDir(f.outDir.path()).entryList({"*gif.jpg"}), QStringList());

        // A file that vanished before the list read it still gets its (empty) item.
        f.window->TakePhotoFinish(f.out("gone.png"));
        QCOMPARE(list->item(list->count() - 1)->toolTip(), f.out("gone.png"));
        QVERIFY(list->item(list->count() - 1)->icon().isNull());
        delete list->takeItem(list->count() - 1);
        // Backslashes of a stored path never reach the tool tip.
        f.window->TakePhotoFinish(f.out("odd\\name.png"));
        QCOMPARE(list->item(list->count() - 1)->toolTip(), f.out("odd/name.png"));
        delete list->takeItem(list->count() - 1);
    }

    void doubleClickOpensExistingFilesOnly() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        QListWidgetItem* first = list->item(0);
        emit list->itemDoubleClicked(first);
        QCOMPARE(catcher.opened, QList<QUrl>({QUrl::fromLocalFile(first->toolTip())}));
        QVERIFY(QFile::remove(first->toolTip()));  // removed behind the list's back
        emit list->itemDoubleClicked(first);
        QCOMPARE(catcher.opened.size(), 1);
        QDesktopServices::unsetUrlHandler("file");
    }

    void selectAllNoneAndDelete() {
        auto* selectAll = f.find<QPushButton>("pQbtn_ImageItemsSelectAll");
        auto* selectNone = f.find<QPushButton>("pQbtn_ImageItemsUnSelectAll");
        auto* remove = f.find<QPushButton>("pQbtn_ImageItemsDelete");
        emit selectAll->pressed();
        QCOMPARE(list->selectedItems().size(), list->count());
        emit selectNone->pressed();
        QCOMPARE(list->selectedItems().size(), 0);

        const int before = list->count();
        const QString keep = list->item(2)->toolTip();
        const QStringList gone{list->item(0)->toolTip(), list->item(1)->toolTip()};  // 1st gone
        list->item(0)->setSelected(true);
        list->item(1)->setSelected(true);
        emit remove->pressed();
        QCOMPARE(list->count(), before - 2);
        QVERIFY(!QFile::exists(gone[0]) && !QFile::exists(gone[1]));
        QVERIFY(QFile::exists(keep));
        QCOMPARE(list->item(0)->toolTip(), keep);
    }

    void menuOpensOnlyOverTheList() {
        auto* tabs = f.find<QTabWidget>("ptabwidget_RightSetZone_Set");
        const int W = f.window->width();
        auto menuAt = [&](QPoint p) {
            bool opened = false;
            QTimer::singleShot(100, [&] {
                if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    opened = true;
                    popup->close();
                }
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, p, f.window->mapToGlobal(p));
            QApplication::sendEvent(f.window, &event);
            QTest::qWait(200);
            return opened;
        };
        tabs->setCurrentIndex(2);
        QVERIFY(menuAt(QPoint(W - 100, 200)));
        QVERIFY(!menuAt(QPoint(W - 5, 200)) && !menuAt(QPoint(W - 100, 120)));
        tabs->setCurrentIndex(0);  // the list's tab hidden
        QVERIFY(!menuAt(QPoint(W - 100, 200)));
    }
};

QTEST_MAIN(TestImageList)
#include "tst_ImageList.moc"
