// Drives the real main window on the offscreen platform, with a private application folder, and
// checks what the user would see and what lands in Tesmora.ini.
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "support/WindowFixture.h"
#include "ui/FirstPaintProbe.h"
#include "ui/MainWindow.h"

namespace {

// Runs `action` on the first modal dialog of type T that appears while `trigger` blocks.
template <typename T>
bool answerDialog(const std::function<void()>& trigger, const std::function<void(T*)>& action) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(w);
            if (dialog && dialog->isVisible()) {
                // A failed check inside `action` must not leave the dialog blocking the test.
                if (seen)
                    dialog->reject();
                seen = true;
                action(dialog);
                return;
            }
        }
    });
    poll.start();
    trigger();
    poll.stop();
    return seen;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    QList<QUrl> m_openedUrls;

    QString iniPath() const { return f->iniPath(); }
    QString folder() const { return f->appDir.path(); }
    template <typename T>
    T* child(const char* name) const {
        return f->find<T>(name);
    }
    void writeIni(const QByteArray& content) { QVERIFY(f->writeIni(content)); }

    QByteArray iniBytes() const { return f->iniBytes(); }

    QVariant stored(const QString& key) const {
        // QSettings caches a file by name and may miss a rewrite of equal size in the same instant,
        // so every read goes through a fresh copy. An empty key gives the number of keys.
        static int serial = 0;
        const QString copy = folder() + QString("/read-%1.ini").arg(++serial);
        QFile::copy(iniPath(), copy);
        QSettings file(copy, QSettings::IniFormat);
        const QVariant value = key.isEmpty() ? QVariant(file.allKeys().size()) : file.value(key);
        QFile::remove(copy);
        return value;
    }

    MainWindow* startWindow() {
        MainWindow* w = f->start();
        for (QMessageBox* box : w->findChildren<QMessageBox*>())
            box->close();
        QApplication::setActiveWindow(w);
        return w;
    }

public slots:
    void recordUrl(const QUrl& url) { m_openedUrls << url; }

private slots:
    void init() {
        f = std::make_unique<WindowFixture>();
        // The companion libraries live beside the program; without them the start-up would stop at
        // its "unable to load" notice.
        f->linkLibraries();
        AppPaths::setApplicationDir(folder());
        m_openedUrls.clear();
    }

    void cleanup() { f.reset(); }

    void startsCentredOnFirstStartAndMaximisedLater() {
        writeIni("[Software]\nisFristStart=1\n");
        MainWindow* w = startWindow();
        QCOMPARE(w->size(), QSize(1100, 700));
        const QRect desktop = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w->pos(), QPoint((desktop.width() - 1100) / 2, (desktop.height() - 700) / 2));
        QVERIFY(!(w->windowState() & Qt::WindowMaximized));
        f->stop();

        // "true" is not the number 1, so this is a later start.
        writeIni("[Software]\nisFristStart=true\n");
        w = startWindow();
        QVERIFY(w->windowState() & Qt::WindowMaximized);
    }

    void frameTitleBarAndSettingsPanel() {
        MainWindow* w = startWindow();
        QCOMPARE(w->minimumSize(), QSize(1100, 700));
        QCOMPARE(w->windowTitle(), QString("ZR Miravelo"));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);

        // Title bar: logo, name, then the five buttons left to right, the last at the right edge.
        int lastX = -1;
        for (const char* name : {"pImg_SoftWare", "pLbl_SoftWareName_Title", "pBtn_Languages",
                                 "pBtn_About", "pBtn_Min", "pBtn_Max", "pBtn_Close"}) {
            QWidget* item = child<QWidget>(name);
            QVERIFY2(item && item->isVisible() && item->x() > lastX, name);
            lastX = item->x();
        }
        QVERIFY(child<QPushButton>("pBtn_Close")->geometry().right() > w->width() - 40);

        QVERIFY(child<QLabel>("pLbl_HelpTips")->openExternalLinks());
        QVERIFY(!child<QPushButton>("Btn_Preview_StopAutoTake")->isVisible());
        QVERIFY(child<QPushButton>("Btn_Preview_TurnLeft")->isVisible());
        QVERIFY(child<QWidget>("pCViceCamPreview")->isHidden());
        QVERIFY(!child<QCheckBox>("pCheck_OpenViceCam")->isChecked());

        auto* tabs = child<QTabWidget>("ptabwidget_RightSetZone_Set");
        QCOMPARE(tabs->count(), 3);
        // The hidden controls stay hidden on every page.
        for (int page = 0; page < 3; ++page) {
            tabs->setCurrentIndex(page);
            QVERIFY(!child<QSpinBox>("pSpin_WMHeight")->isVisible());
            QVERIFY(!child<QPushButton>("pQbtn_ImageItemsOcr")->isVisible());
        }
        QCOMPARE(child<QListView>("pListWidget_Images")->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
    }

    void panelFilledFromIniWithoutRunningSlots() {
        const QByteArray ini =
            "[WaterMark]\nWMType=2\nWMContent=Stamp\nWMPosition=4\nWMColorR=10\nWMColorG=20\n"
            "WMColorB=30\nWMOpacity=150\nWMWidth=300\nWMHeight=200\nWMFontsize=12\n"
            "WMImgpath=/tmp/logo.png\n"
            "[Software]\nImagetype=9\nisFristStart=0\nNametype=2\nJPGRate=55\n"
            "DocRotateAngle=270\nBaseDir=" +
            folder().toUtf8() + "\nNamePre=SCAN\n";
        writeIni(ini);
        startWindow();

        // Each entry: control, property, shown value. Out-of-range values: a combo shows no
        // selection, a slider clamps.
        const QStringList shown =
            QString(
                "pCombo_ImgRotate currentText 270;pCombo_NameRule currentIndex 2;"
                "pLineEdit_NamePre text SCAN;pSlider_JPGRate value 55;"
                "pLineEdit_WMContent text Stamp;pCombo_WMPosition currentIndex 4;"
                "pSpin_WMWidth value 300;pSpin_WMHeight value 200;pSpin_WMFontSize value 12;"
                "pLineEdit_WMImgPath text /tmp/logo.png;"
                "pBtn_WMColor styleSheet background: rgb(10,20,30);"
                "pCombo_ImgFormat currentIndex -1;pSlider_WMOpacity value 100")
                .split(';');
        for (const QString& item : shown)
            QCOMPARE(child<QObject>(qPrintable(item.section(' ', 0, 0)))
                         ->property(qPrintable(item.section(' ', 1, 1)))
                         .toString(),
                     item.section(' ', 2));
        QCOMPARE(child<QLabel>("pLbl_BaseDir")->text(), folder());
        for (const char* type : {"None", "DateTime", "Text", "Pic"})
            QCOMPARE(
                child<QPushButton>(qPrintable(QString("pBtn_WaterMarkType_") + type))->isChecked(),
                qstrcmp(type, "Text") == 0);

        // Filling ran no slot. Opening the camera may record its name, but none of the panel's
        // values was written back: a slot would have stored the clamped opacity, the square size,
        // the shown format.
        QCOMPARE(stored("WaterMark/WMOpacity").toInt(), 150);
        QCOMPARE(stored("WaterMark/WMHeight").toInt(), 200);
        QCOMPARE(stored("Software/Imagetype").toInt(), 9);
        QCOMPARE(stored("WaterMark/WMType").toInt(), 2);
        QCOMPARE(f->window->settings()->wmOpacity, 150);
    }

    void everyChangeWritesTheWholeFileInOrder() {
        writeIni("[Software]\nisFristStart=0\nBaseDir=" + folder().toUtf8() + "\n");
        startWindow();

        child<QComboBox>("pCombo_ImgFormat")->setCurrentIndex(2);
        QCOMPARE(stored("").toInt(), 26);
        QCOMPARE(stored("Software/Imagetype").toInt(), 2);
        QCOMPARE(stored("Software/isFristStart").toInt(), 0);
        QCOMPARE(stored("Software/BaseDir").toString(), folder());

        // Each entry: control, property, value, key in the file.
        for (const char* change : {"pCombo_NameRule currentIndex 1 Software/Nametype",
                                   "pSlider_JPGRate value 33 Software/JPGRate",
                                   "pCombo_WMPosition currentIndex 8 WaterMark/WMPosition",
                                   "pSlider_WMOpacity value 45 WaterMark/WMOpacity",
                                   "pSpin_WMFontSize value 72 WaterMark/WMFontsize"}) {
            const QStringList c = QString(change).split(' ');
            child<QObject>(qPrintable(c[0]))->setProperty(qPrintable(c[1]), c[2].toInt());
            QCOMPARE(stored(c[3]).toString(), c[2]);
        }

        auto* prefix = child<QLineEdit>("pLineEdit_NamePre");
        prefix->setFocus();
        prefix->setText("Page, one");
        QTest::keyClick(prefix, Qt::Key_Return);
        QCOMPARE(stored("Software/NamePre").toString(), QString("Page, one"));

        for (int i : {1, 2, 3, 0}) {
            child<QComboBox>("pCombo_ImgRotate")->setCurrentIndex(i);
            QCOMPARE(stored("Software/DocRotateAngle").toInt(), i * 90);
        }

        auto* content = child<QLineEdit>("pLineEdit_WMContent");
        content->setText("Confidential");
        emit content->editingFinished();
        QCOMPARE(stored("WaterMark/WMContent").toString(), QString("Confidential"));

        // The visible size box sets a square; the hidden height box alone does not write the file.
        child<QSpinBox>("pSpin_WMWidth")->setValue(300);
        QCOMPARE(stored("WaterMark/WMWidth").toInt(), 300);
        QCOMPARE(stored("WaterMark/WMHeight").toInt(), 300);
        const QByteArray before = iniBytes();
        child<QSpinBox>("pSpin_WMHeight")->setValue(120);
        QCOMPARE(iniBytes(), before);
        QCOMPARE(f->window->settings()->wmHeight, 120);
        child<QSlider>("pSlider_JPGRate")->setValue(34);  // any later save carries it along
        QCOMPARE(stored("WaterMark/WMHeight").toInt(), 120);

        // Unrelated controls never touch the file.
        const QByteArray steady = iniBytes();
        child<QComboBox>("pCombo_PowerFre")->setCurrentIndex(1);
        child<QComboBox>("pCombo_TakePhotoTimer")->setCurrentIndex(3);
        QCOMPARE(iniBytes(), steady);
    }

    void withoutIniNothingIsCreated() {
        MainWindow* w = startWindow();
        // The panel shows the built-in values.
        QCOMPARE(child<QSlider>("pSlider_JPGRate")->value(), 90);
        QCOMPARE(child<QLabel>("pLbl_BaseDir")->text(), w->settings()->baseDir);
        QVERIFY(!(w->windowState() & Qt::WindowMaximized));  // built-in: first start

        child<QComboBox>("pCombo_ImgFormat")->setCurrentIndex(1);
        child<QSlider>("pSlider_JPGRate")->setValue(10);
        child<QPushButton>("pBtn_WaterMarkType_Text")->setChecked(true);
        QCOMPARE(w->settings()->imageType, 1);
        QCOMPARE(w->settings()->jpgRate, 10);
        QCOMPARE(w->settings()->wmType, 2);
        QVERIFY(!QFile::exists(iniPath()));
        QCOMPARE(QDir(folder()).entryList({"*.ini"}, QDir::Files), QStringList());
    }

    void watermarkTypeButtonsActLikeOptionalRadios() {
        writeIni("[WaterMark]\nWMType=0\n[Software]\nisFristStart=0\nBaseDir=" + folder().toUtf8() +
                 "\n");
        startWindow();
        QList<QPushButton*> buttons;
        for (const char* type : {"None", "DateTime", "Text", "Pic"})
            buttons << child<QPushButton>(qPrintable(QString("pBtn_WaterMarkType_") + type));
        // Each control, then whether it is enabled with no stamp, date, text and picture stamp.
        const QStringList enabledFor = {"pLineEdit_WMContent 0010", "pCombo_WMPosition 0111",
                                        "pBtn_WMColor 0111",        "pSlider_WMOpacity 0111",
                                        "pSpin_WMWidth 0001",       "pLineEdit_WMImgPath 0001",
                                        "pBtn_WMChooseImg 0001",    "pSpin_WMFontSize 0110"};
        for (int type : {2, 3, 1, 0}) {
            QTest::mouseClick(buttons[type], Qt::LeftButton);
            for (int b = 0; b < 4; ++b)
                QCOMPARE(buttons[b]->isChecked(), b == type);
            QCOMPARE(stored("WaterMark/WMType").toInt(), type);
            for (const QString& entry : enabledFor)
                QVERIFY2(child<QWidget>(qPrintable(entry.section(' ', 0, 0)))->isEnabled() ==
                             (entry.section(' ', 1)[type] == '1'),
                         qPrintable(QString("type %1: %2").arg(type).arg(entry)));
        }

        // Unchecking the active picture stamp leaves no stamp, and the controls as they were.
        QTest::mouseClick(buttons[3], Qt::LeftButton);
        QCOMPARE(stored("WaterMark/WMType").toInt(), 3);
        QTest::mouseClick(buttons[3], Qt::LeftButton);
        QVERIFY(!buttons[3]->isChecked());
        QCOMPARE(stored("WaterMark/WMType").toInt(), 0);
        QCOMPARE(f->window->settings()->wmType, 0);
        QVERIFY(child<QWidget>("pSpin_WMWidth")->isEnabled());
    }

    void colourPictureAndFolderDialogs() {
        writeIni("[Software]\nisFristStart=0\nBaseDir=" + folder().toUtf8() + "\n");
        startWindow();

        // Colour: cancelling changes nothing, accepting stores and paints the button.
        const QByteArray before = iniBytes();
        QVERIFY(answerDialog<QColorDialog>([&] { f->window->Handle_WaterMarkColorSelect(); },
                                           [](QColorDialog* d) {
                                               QCOMPARE(d->currentColor(), QColor(Qt::red));
                                               d->reject();
                                           }));
        QCOMPARE(iniBytes(), before);
        QVERIFY(answerDialog<QColorDialog>([&] { f->window->Handle_WaterMarkColorSelect(); },
                                           [](QColorDialog* d) {
                                               d->setCurrentColor(QColor(0, 128, 255));
                                               static_cast<QDialog*>(d)->accept();
                                           }));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stored(QString("WaterMark/WMColor") + "RGB"[i]).toInt(),
                     (QList<int>{0, 128, 255}[i]));
        QCOMPARE(child<QPushButton>("pBtn_WMColor")->styleSheet(),
                 QString("background: rgb(0,128,255)"));

        // Picture: the chosen file goes to the line edit and the file.
        const QString picture = folder() + "/stamp with space.png";
        QImage(8, 8, QImage::Format_RGB32).save(picture);
        QVERIFY(answerDialog<QFileDialog>([&] { f->window->Handle_WaterMarkImgPathSelected(); },
                                          [&](QFileDialog* d) {
                                              QCOMPARE(d->fileMode(), QFileDialog::ExistingFiles);
                                              d->selectFile(picture);
                                              static_cast<QDialog*>(d)->accept();
                                          }));
        QCOMPARE(child<QLineEdit>("pLineEdit_WMImgPath")->text(), picture);
        QCOMPARE(stored("WaterMark/WMImgpath").toString(), picture);

        // Output folder: cancelling keeps it; choosing updates label, tool tip and file.
        auto* label = child<QLabel>("pLbl_BaseDir");
        const QString oldDir = label->text();
        QVERIFY(answerDialog<QFileDialog>([&] { f->window->Handle_SelectBaseDir(); },
                                          [](QFileDialog* d) { d->reject(); }));
        QCOMPARE(label->text(), oldDir);
        const QString newDir = folder() + "/scans, 2024";
        QVERIFY(QDir().mkpath(newDir));
        QVERIFY(answerDialog<QFileDialog>([&] { f->window->Handle_SelectBaseDir(); },
                                          [&](QFileDialog* d) {
                                              d->setDirectory(newDir);
                                              static_cast<QDialog*>(d)->accept();
                                          }));
        QCOMPARE(label->text(), newDir);
        QCOMPARE(label->toolTip(), newDir);
        QCOMPARE(stored("Software/BaseDir").toString(), newDir);
        QCOMPARE(f->window->settings()->baseDir, newDir);

        // Open folder hands the shown folder to the desktop.
        QDesktopServices::setUrlHandler("file", this, "recordUrl");
        f->window->Handle_OpenBaseDir();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(m_openedUrls, QList<QUrl>{QUrl::fromLocalFile(newDir)});
    }

    void titleBarMaximiseDragAndDoubleClick() {
        writeIni("[Software]\nisFristStart=1\n");
        MainWindow* w = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        auto* capture = child<QPushButton>("pBtn_TakePhoto");

        // Drag by the top strip moves the window by the pointer's travel.
        const QPoint at(300, 30), by(40, 25);
        auto mouse = [w](QEvent::Type type, QPoint local, Qt::MouseButtons held) {
            QMouseEvent e(type, local, w->pos() + local,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        const QPoint start = w->pos();
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(QEvent::MouseMove, at + by, Qt::LeftButton);
        QCOMPARE(w->pos(), start + by);
        mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        // After the release, moving no longer drags; nor does a press lower in the window.
        mouse(QEvent::MouseMove, at + by, Qt::LeftButton);
        QCOMPARE(w->pos(), start + by);
        mouse(QEvent::MouseButtonPress, QPoint(300, 200), Qt::LeftButton);
        mouse(QEvent::MouseMove, QPoint(350, 260), Qt::LeftButton);
        QCOMPARE(w->pos(), start + by);
        mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);

        // Maximise button: maximised, focus on the capture button; the same drag does nothing then.
        QTest::mouseClick(child<QPushButton>("pBtn_Max"), Qt::LeftButton);
        QTRY_VERIFY(w->windowState() & Qt::WindowMaximized);
        QVERIFY(capture->hasFocus() || QApplication::focusWidget() == capture);
        const QPoint maxPos = w->pos();
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(QEvent::MouseMove, at + by, Qt::LeftButton);
        QCOMPARE(w->pos(), maxPos);
        mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);

        // Double-click on the title bar (or the image list) toggles back and forth.
        capture->clearFocus();
        QTest::mouseDClick(child<QWidget>("pQWidget_Title"), Qt::LeftButton, Qt::NoModifier,
                           QPoint(400, 10));
        QTRY_VERIFY(!(w->windowState() & Qt::WindowMaximized));
        QVERIFY(QApplication::focusWidget() == capture);
        QTest::mouseDClick(child<QListView>("pListWidget_Images"), Qt::LeftButton);
        QTRY_VERIFY(w->windowState() & Qt::WindowMaximized);

        QTest::mouseClick(child<QPushButton>("pBtn_Min"), Qt::LeftButton);
        QTRY_VERIFY(w->windowState() & Qt::WindowMinimized);
        // From minimised the maximise button restores the normal state.
        f->window->Handle_Max();
        QTRY_COMPARE(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized),
                     Qt::WindowStates());
    }

    void languageMenuAndAboutBox() {
        MainWindow* w = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* menu = child<QMenu>("pQmenu_Languate");
        QCOMPARE(menu->actions().size(), 9);
        QCOMPARE(menu->actions().at(2)->text(), QString("English"));

        // The menu opens as a blocking popup (its exact spot is clamped to the small offscreen
        // screen, so only its appearance is checked here).
        bool popupShown = false;
        QTimer::singleShot(100, [&] {
            popupShown = QApplication::activePopupWidget() == menu;
            menu->close();
        });
        QTest::mouseClick(child<QPushButton>("pBtn_Languages"), Qt::LeftButton);
        QVERIFY(popupShown);

        QString about;  // title, then the text
        QVERIFY(answerDialog<QMessageBox>(
            [&] { QTest::mouseClick(child<QPushButton>("pBtn_About"), Qt::LeftButton); },
            [&](QMessageBox* box) {
                about = box->windowTitle() + '\n' + box->text();
                box->accept();
            }));
        const QStringList lines = about.split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.mid(0, 3), (QStringList{"About", "Name:Miravelo", "Ver:1.0.2"}));
        QVERIFY(lines[3].startsWith("Company:") && lines[3].size() > 8);

        f->window->Handle_UpdateHelpTip("Place the page flat");
        QCOMPARE(child<QLabel>("pLbl_HelpTips")->text(), QString("Place the page flat"));

        // A help link goes to the desktop's handler and the focus returns to the capture button.
        w->activateWindow();  // the parentless About box took the activation with it
        QVERIFY(QTest::qWaitForWindowActive(w));
        child<QLineEdit>("pLineEdit_NamePre")->setFocus();
        QDesktopServices::setUrlHandler("https", this, "recordUrl");
        f->window->Handle_OpenHelpUrl("https://example.org/help#lighting");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(m_openedUrls, QList<QUrl>{QUrl("https://example.org/help#lighting")});
        QCOMPARE(QApplication::focusWidget(), child<QWidget>("pBtn_TakePhoto"));
    }

    void closeFadesOutThenCloses() {
        MainWindow* w = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_COMPARE(w->windowOpacity(), 1.0);  // the fade-in has ended
        // The window stays on screen while it fades: some step of the fade is seen on a visible
        // window before it closes.
        bool fadedWhileShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout,
                [&] { fadedWhileShown |= w->isVisible() && w->windowOpacity() < 1.0; });
        watch.start(0);
        QTest::mouseClick(child<QPushButton>("pBtn_Close"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!w->isVisible(), 10000);
        QVERIFY(fadedWhileShown);
        // Nothing is saved on the way out: there is no settings file and none was made.
        QVERIFY(!QFile::exists(iniPath()));
    }

    void firstPaintIsStampedOnlyWhenAsked() {
        const QString stamp = folder() + "/first-paint";
        startWindow();
        QVERIFY(!QFile::exists(stamp));
        f->stop();

        qputenv("MIRAVELO_FIRST_PAINT_FILE", stamp.toLocal8Bit());
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        auto window = std::make_unique<MainWindow>();
        FirstPaintProbe::installIfRequested(window.get());
        window->show();
        QTRY_VERIFY(QFile::exists(stamp));
        qunsetenv("MIRAVELO_FIRST_PAINT_FILE");
        QFile file(stamp);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const qint64 paintedMs = file.readAll().trimmed().toLongLong() / 1000;
        QVERIFY(paintedMs >= before - 5);
        QVERIFY(paintedMs <= QDateTime::currentMSecsSinceEpoch() + 5);
        // Written once: later paints leave the first moment alone.
        file.close();
        QFile::remove(stamp);
        window->update();
        window->repaint();
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(stamp));
    }

    void startUpStepsFollowTheFirstPaint() {
        writeIni("[Software]\nisFristStart=1\nJPGRate=55\nBaseDir=" + folder().toUtf8() + "\n");

        // Shown: the window paints with its construction values, the settings arrive afterwards.
        f->window = std::make_unique<MainWindow>();
        auto* jpg = child<QSlider>("pSlider_JPGRate");
        int valueAtFirstPaint = -1;
        connect(new FirstPaintProbe(f->window.get()), &FirstPaintProbe::painted, this,
                [&] { valueAtFirstPaint = jpg->value(); });
        f->window->show();
        QTRY_COMPARE(jpg->value(), 55);
        QCOMPARE(valueAtFirstPaint, 80);

        // Never shown: nothing to wait for, the start-up runs on the first turn of the loop.
        f->window = std::make_unique<MainWindow>();
        QTRY_COMPARE(child<QSlider>("pSlider_JPGRate")->value(), 55);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
