// The main window on the offscreen platform in a private application folder, and its image
// settings page and output folder controls on their own over a settings record.
#include <QtTest>
#include <QtWidgets>

#include <memory>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "app/Log.h"
#include "camera/DeviceController.h"
#include "output/ImageListPanel.h"
#include "support/WindowFixture.h"
#include "ui/Dialog_Navigate.h"
#include "ui/FirstPaintProbe.h"
#include "ui/ImageSetPage.h"
#include "ui/MainWindow.h"

namespace {

// Runs `action` on the modal dialog of type T that the caller is about to open and wait for.
template <typename T, typename Action>
void whenShown(Action action) {
    QTimer::singleShot(0, [action] {
        T* dialog = nullptr;
        if (QTest::qWaitFor(
                [&] { return (dialog = qobject_cast<T*>(QApplication::activeModalWidget())); },
                20000))
            action(dialog);
    });
}

template <typename T>
T* child(const QObject* parent, const char* name) {
    return parent->findChild<T*>(QLatin1String(name));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    QList<QUrl> m_openedUrls;

    QString folder() const { return f->appDir.path(); }
    void writeIni(const QByteArray& content) { QVERIFY(f->writeIni(content)); }

    QVariant stored(const QString& key) const {
        // QSettings caches a file by name and may miss a rewrite of equal size in the same instant,
        // so every read goes through a fresh copy.
        static int serial = 0;
        const QString copy = folder() + QString("/read-%1.ini").arg(++serial);
        QFile::copy(f->iniPath(), copy);
        const QVariant value = QSettings(copy, QSettings::IniFormat).value(key);
        QFile::remove(copy);
        return value;
    }

    MainWindow* startWindow() {
        MainWindow* w = f->start();
        QApplication::setActiveWindow(w);
        return w;
    }

    // A settings record read from the private folder's file, and the page over it.
    struct Page {
        AppSettings settings;
        std::unique_ptr<ImageSetPage> page;
        Page() {
            settings.Load();
            page = std::make_unique<ImageSetPage>(&settings);
            page->fill();
            page->connectControls();
            page->show();
        }
        template <typename T>
        T* find(const char* name) const {
            return child<T>(page.get(), name);
        }
    };

public slots:
    void recordUrl(const QUrl& url) { m_openedUrls << url; }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        // Without the companion libraries the start-up would stop at its "unable to load" notice.
        f->linkLibraries();
        AppPaths::setApplicationDir(folder());
    }

    void cleanup() { f.reset(); }

    void startsCentredOnFirstStartAndMaximisedLater() {
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        // A first-start entry that is missing or not 0/1 is a first start too: centred, the tour,
        // and the entry written back as 0 before the tour shows; the next start is a later one.
        for (const QByteArray& entry :
             {QByteArray("isFristStart=1\n"), QByteArray(), QByteArray("isFristStart=true\n")}) {
            writeIni("[Software]\n" + entry + "[WaterMark]\nWMOpacity=150\n");
            MainWindow* w = startWindow();
            QCOMPARE(w->pos(), QPoint((desktop.width() - w->width()) / 2,
                                      (desktop.height() - w->height()) / 2));
            QVERIFY(!(w->windowState() & Qt::WindowMaximized));
            QVERIFY(w->tour() && w->tour()->isVisible());
            QCOMPARE(stored("Software/isFristStart").toString(), QString("0"));
            // The page was filled before its slots were connected: the clamped opacity stays
            // as it was in the file.
            QCOMPARE(stored("WaterMark/WMOpacity").toInt(), 150);
            f->stop();

            w = startWindow();
            QVERIFY(w->windowState() & Qt::WindowMaximized);
            QVERIFY(!w->tour());
            f->stop();
        }
    }

    void settingsPageShowsTheFileAndWritesEveryChange() {
        writeIni(
            "[WaterMark]\nWMType=2\nWMContent=Stamp\nWMPosition=4\nWMColorR=10\nWMColorG=20\n"
            "WMColorB=30\nWMOpacity=150\nWMWidth=300\nWMHeight=200\nWMFontsize=12\n"
            "[Software]\nImagetype=9\nNametype=2\nJPGRate=55\nDocRotateAngle=270\n"
            "NamePre=SCAN\n");
        const QByteArray original = f->iniBytes();
        Page p;
        // Each entry: control, property, shown value. Out-of-range values: a combo shows no
        // selection (an unknown image type the default one it is saved as), a slider clamps.
        for (const QString& item :
             QString("pCombo_ImgRotate currentText 270;pCombo_NameRule currentIndex 2;"
                     "pLineEdit_NamePre text SCAN;pSlider_JPGRate value 55;"
                     "pLineEdit_WMContent text Stamp;pCombo_WMPosition currentIndex 4;"
                     "pSpin_WMWidth value 300;pSpin_WMHeight value 200;pSpin_WMFontSize value 12;"
                     "pBtn_WMColor styleSheet background: rgb(10,20,30);"
                     "pCombo_ImgFormat currentIndex 0;pSlider_WMOpacity value 100;"
                     "pBtn_WaterMarkType_Text checked true;pBtn_WaterMarkType_Pic checked false")
                 .split(';'))
            QCOMPARE(p.find<QObject>(qPrintable(item.section(' ', 0, 0)))
                         ->property(qPrintable(item.section(' ', 1, 1)))
                         .toString(),
                     item.section(' ', 2));
        QCOMPARE(f->iniBytes(), original);  // showing wrote nothing

        // Each entry: control, property, value, key in the file, value stored.
        for (const char* change : {"pCombo_ImgFormat currentIndex 2 Software/Imagetype 2",
                                   "pCombo_NameRule currentIndex 1 Software/Nametype 1",
                                   "pSlider_JPGRate value 33 Software/JPGRate 33",
                                   "pCombo_WMPosition currentIndex 8 WaterMark/WMPosition 8",
                                   "pSlider_WMOpacity value 45 WaterMark/WMOpacity 45",
                                   "pSpin_WMFontSize value 72 WaterMark/WMFontsize 72",
                                   "pCombo_ImgRotate currentIndex 1 Software/DocRotateAngle 90",
                                   "pSpin_WMWidth value 310 WaterMark/WMHeight 310"}) {
            const QStringList c = QString(change).split(' ');
            p.find<QObject>(qPrintable(c[0]))->setProperty(qPrintable(c[1]), c[2].toInt());
            QCOMPARE(stored(c[3]).toString(), c[4]);
        }
        for (const char* edit : {"pLineEdit_NamePre", "pLineEdit_WMContent"}) {
            p.find<QLineEdit>(edit)->setText("Page, one");
            emit p.find<QLineEdit>(edit)->editingFinished();
        }
        QCOMPARE(stored("Software/NamePre").toString(), QString("Page, one"));
        QCOMPARE(stored("WaterMark/WMContent").toString(), QString("Page, one"));

        // The visible size box set a square; the hidden height box alone does not write the file.
        const QByteArray before = f->iniBytes();
        p.find<QSpinBox>("pSpin_WMHeight")->setValue(120);
        QCOMPARE(f->iniBytes(), before);
        p.find<QSlider>("pSlider_JPGRate")->setValue(34);  // any later save carries it along
        QCOMPARE(stored("WaterMark/WMHeight").toInt(), 120);
    }

    void watermarkTypeButtonsActLikeOptionalRadios() {
        writeIni("[WaterMark]\nWMType=0\n");
        Page p;
        QList<QPushButton*> buttons;
        for (const char* type : {"None", "DateTime", "Text", "Pic"})
            buttons << p.find<QPushButton>(qPrintable(QString("pBtn_WaterMarkType_") + type));
        for (int type : {2, 3, 1, 0}) {
            QTest::mouseClick(buttons[type], Qt::LeftButton);
            for (int b = 0; b < 4; ++b)
                QCOMPARE(buttons[b]->isChecked(), b == type);
            QCOMPARE(stored("WaterMark/WMType").toInt(), type);
            // The controls of the chosen kind of stamp are the usable ones.
            QCOMPARE(p.find<QWidget>("pLineEdit_WMContent")->isEnabled(), type == 2);
            QCOMPARE(p.find<QWidget>("pLineEdit_WMImgPath")->isEnabled(), type == 3);
        }

        // Unchecking the active picture stamp leaves no stamp, and the controls as they were.
        QTest::mouseClick(buttons[3], Qt::LeftButton);
        QCOMPARE(stored("WaterMark/WMType").toInt(), 3);
        QTest::mouseClick(buttons[3], Qt::LeftButton);
        QVERIFY(!buttons[3]->isChecked());
        QCOMPARE(stored("WaterMark/WMType").toInt(), 0);
        QVERIFY(p.find<QWidget>("pSpin_WMWidth")->isEnabled());
    }

    void colourPictureAndFolderDialogs() {
        writeIni("[Software]\nBaseDir=" + folder().toUtf8() + "\n");
        Page p;
        // Colour: cancelling changes nothing, accepting stores and paints the button.
        const QByteArray before = f->iniBytes();
        whenShown<QColorDialog>([](QColorDialog* d) { d->reject(); });
        p.page->chooseWatermarkColour();
        QCOMPARE(f->iniBytes(), before);
        whenShown<QColorDialog>([](QColorDialog* d) {
            d->setCurrentColor(QColor(0, 128, 255));
            static_cast<QDialog*>(d)->accept();
        });
        p.page->chooseWatermarkColour();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stored(QString("WaterMark/WMColor") + "RGB"[i]).toInt(),
                     (QList<int>{0, 128, 255}[i]));
        QCOMPARE(p.find<QPushButton>("pBtn_WMColor")->styleSheet(),
                 QString("background: rgb(0,128,255)"));

        // Picture: the chosen file goes to the line edit and the file.
        const QString picture = folder() + "/stamp with space.png";
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(picture));
        whenShown<QFileDialog>([&](QFileDialog* d) {
            d->selectFile(picture);
            static_cast<QDialog*>(d)->accept();
        });
        p.page->chooseWatermarkPicture();
        QCOMPARE(p.find<QLineEdit>("pLineEdit_WMImgPath")->text(), picture);
        QCOMPARE(stored("WaterMark/WMImgpath").toString(), picture);

        // Output folder: cancelling keeps it; choosing updates the label and the file, and the
        // open button hands the shown folder to the desktop.
        Log log;
        ImageListPanel panel(&p.settings, &log);
        whenShown<QFileDialog>([](QFileDialog* d) { d->reject(); });
        panel.selectBaseDir();
        QCOMPARE(p.settings.baseDir, folder());
        const QString newDir = folder() + "/scans, 2024";
        QVERIFY(QDir().mkpath(newDir));
        whenShown<QFileDialog>([&](QFileDialog* d) {
            d->setDirectory(newDir);
            static_cast<QDialog*>(d)->accept();
        });
        panel.selectBaseDir();
        QCOMPARE(child<QLabel>(&panel, "pLbl_BaseDir")->text(), newDir);
        QCOMPARE(stored("Software/BaseDir").toString(), newDir);
        QDesktopServices::setUrlHandler("file", this, "recordUrl");
        panel.openBaseDir();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(m_openedUrls, QList<QUrl>{QUrl::fromLocalFile(newDir)});
    }

    void titleBarMaximiseDragAndDoubleClick() {
        writeIni("[Software]\nisFristStart=1\n");
        MainWindow* w = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        auto* capture = child<QPushButton>(w, "pBtn_TakePhoto");

        // Drag by the top strip moves the window by the pointer's travel.
        const QPoint at(300, 30), by(40, 25);
        auto mouse = [w](QEvent::Type type, QPoint local, Qt::MouseButtons held) {
            QMouseEvent e(type, local, w->pos() + local,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        auto drag = [&](QPoint from, QPoint to) {
            mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
            mouse(QEvent::MouseMove, to, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
        };
        const QPoint start = w->pos();
        drag(at, at + by);
        QCOMPARE(w->pos(), start + by);
        // After the release, moving no longer drags; nor does a press lower in the window.
        mouse(QEvent::MouseMove, at + by, Qt::LeftButton);
        drag(QPoint(300, 200), QPoint(350, 260));
        QCOMPARE(w->pos(), start + by);

        // Maximise button: maximised, focus on the capture button; the same drag does nothing then.
        QTest::mouseClick(child<QPushButton>(w, "pBtn_Max"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->windowState() & Qt::WindowMaximized, 30000);
        QVERIFY(capture->hasFocus() || QApplication::focusWidget() == capture);
        const QPoint maxPos = w->pos();
        drag(at, at + by);
        QCOMPARE(w->pos(), maxPos);

        // Double-click on the title bar (or the image list) toggles back and forth.
        capture->clearFocus();
        QTest::mouseDClick(child<QWidget>(w, "pQWidget_Title"), Qt::LeftButton, Qt::NoModifier,
                           QPoint(400, 10));
        QTRY_VERIFY_WITH_TIMEOUT(!(w->windowState() & Qt::WindowMaximized), 30000);
        QVERIFY(QApplication::focusWidget() == capture);
        QTest::mouseDClick(child<QListView>(w, "pListWidget_Images"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->windowState() & Qt::WindowMaximized, 30000);

        QTest::mouseClick(child<QPushButton>(w, "pBtn_Min"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(w->windowState() & Qt::WindowMinimized, 30000);
        // From minimised the maximise button restores the normal state.
        w->Handle_Max();
        QTRY_COMPARE_WITH_TIMEOUT(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized),
                                  Qt::WindowStates(), 30000);
    }

    void missingOutputFolderIsKeptAndNoticed() {
        // An unplugged drive: the files go elsewhere for now, the window says so at once, and
        // the opened camera's save of the settings keeps the user's folder.
        const QString gone = folder() + "/unplugged/scans";
        writeIni("[Software]\nisFristStart=0\nBaseDir=" + gone.toUtf8() + "\n");
        MainWindow* w = startWindow();
        QTRY_VERIFY_WITH_TIMEOUT(
            child<QLabel>(w, "pLbl_Notice")->text().contains(QDir::toNativeSeparators(gone)),
            20000);
        QTRY_VERIFY_WITH_TIMEOUT(w->device()->previewRunning(), 30000);
        QVERIFY(stored("Camera/MainCamera").toString().contains("Virtual"));
        QCOMPARE(stored("Software/BaseDir").toString(), gone);
    }

    void missingCameraLibraryIsNoticedAndTheWindowStarts() {
        const QDir dir(folder());
        for (const QString& lib : dir.entryList({"libKELM_CamCtl*"}))
            QVERIFY(QFile::remove(dir.filePath(lib)));
        MainWindow* w = f->start();
        QVERIFY(w);  // the start-up ran to its end behind the notice
        QTRY_VERIFY_WITH_TIMEOUT(!w->findChildren<QMessageBox*>().isEmpty(), 30000);
        QVERIFY(!w->device()->previewRunning());
    }

    // The list as a user meets it: its menu opens from a right-click the list takes, Ctrl+C puts
    // the selection on the clipboard, and Delete deletes like the button, but only while the
    // list is in view.
    void listMenuCopyAndDeleteKeys() {
        writeIni(f->captureIni());
        MainWindow* w = startWindow();
        QVERIFY(w);
        QStringList paths;
        for (const char* name : {"IMG2026_0001_front.png", "IMG2026_0001_back.png"}) {
            paths << f->out(name);
            QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(paths.last()));
            w->TakePhotoFinish(paths.last());
        }
        QListView* view = f->find<QListView>("pListWidget_Images");
        QCOMPARE(view->textElideMode(), Qt::ElideMiddle);
        QMenu* opened = nullptr;
        QTimer::singleShot(0, [&] {
            if (QTest::qWaitFor([&] { return QApplication::activePopupWidget(); }, 20000))
                opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (opened)
                opened->close();
        });
        emit view->customContextMenuRequested(QPoint(300, 200));  // empty space
        QCOMPARE(opened, f->find<QMenu>("pQmenu_ImageList"));
        for (QAction* action : opened->actions())
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));

        view->selectAll();
        QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* clip = QApplication::clipboard()->mimeData();
        QCOMPARE(clip->data("text/uri-list"), QUrl::fromLocalFile(paths[0]).toEncoded() + "\r\n" +
                                                  QUrl::fromLocalFile(paths[1]).toEncoded() +
                                                  "\r\n");

        f->find<QTabWidget>("ptabwidget_RightSetZone_Set")->setCurrentIndex(0);
        QTest::keyClick(w, Qt::Key_Delete);
        QCOMPARE(view->model()->rowCount(), 2);
        f->find<QTabWidget>("ptabwidget_RightSetZone_Set")->setCurrentIndex(2);
        QTest::keyClick(w, Qt::Key_Delete);
        QCOMPARE(view->model()->rowCount(), 0);
        QVERIFY(!QFile::exists(paths[0]) && !QFile::exists(paths[1]));
    }

    void closeFadesOutThenCloses() {
        MainWindow* w = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_COMPARE_WITH_TIMEOUT(w->windowOpacity(), 1.0, 30000);  // the fade-in has ended
        // The window stays on screen while it fades: some step of the fade is seen on a visible
        // window before it closes.
        bool fadedWhileShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout,
                [&] { fadedWhileShown |= w->isVisible() && w->windowOpacity() < 1.0; });
        watch.start(0);
        QTest::mouseClick(child<QPushButton>(w, "pBtn_Close"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 30000);
        QVERIFY(fadedWhileShown);
        // Nothing is saved on the way out: there is no settings file and none was made.
        QVERIFY(!QFile::exists(f->iniPath()));
    }

    void startUpFollowsTheFirstPaint() {
        writeIni("[Software]\nisFristStart=1\nJPGRate=55\n");
        // Shown: the window paints with its construction values, the settings arrive afterwards.
        // The moment of that paint is stamped into a file only when asked.
        const QString stamp = folder() + "/first-paint";
        qputenv("MIRAVELO_FIRST_PAINT_FILE", stamp.toLocal8Bit());
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        f->window = std::make_unique<MainWindow>();
        FirstPaintProbe::installIfRequested(f->window.get());
        qunsetenv("MIRAVELO_FIRST_PAINT_FILE");
        auto* jpg = f->find<QSlider>("pSlider_JPGRate");
        int valueAtFirstPaint = -1;
        connect(new FirstPaintProbe(f->window.get()), &FirstPaintProbe::painted, this,
                [&] { valueAtFirstPaint = jpg->value(); });
        f->window->show();
        QTRY_COMPARE_WITH_TIMEOUT(jpg->value(), 55, 30000);
        QVERIFY(valueAtFirstPaint != 55 && valueAtFirstPaint != -1);
        QFile file(stamp);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const qint64 paintedMs = file.readAll().trimmed().toLongLong() / 1000;
        QVERIFY(paintedMs >= before - 5 && paintedMs <= QDateTime::currentMSecsSinceEpoch() + 5);
        // Written once: later paints leave the first moment alone.
        file.close();
        QFile::remove(stamp);
        f->window->repaint();
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(stamp));

        // Never shown: nothing to wait for, the start-up runs on the first turn of the loop.
        // Unasked, its paints stamp nothing.
        f->window = std::make_unique<MainWindow>();
        FirstPaintProbe::installIfRequested(f->window.get());
        QTRY_COMPARE_WITH_TIMEOUT(f->find<QSlider>("pSlider_JPGRate")->value(), 55, 30000);
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(stamp));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
