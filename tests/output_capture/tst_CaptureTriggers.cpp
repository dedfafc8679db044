// The capture triggers on the real main window with the virtual document camera showing a
// rendered photo of a tilted page.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "app/AppSettings.h"
#include "camera/CCameraInterface.h"
#include "camera/CaptureController.h"
#include "camera/DeviceController.h"
#include "modes/CImagePreview.h"
#include "modes/DocumentModePage.h"
#include "output/ImageListModel.h"
#include "scene/Scene.h"
#include "support/WindowFixture.h"

class TestCaptureTriggers : public QObject {
    Q_OBJECT
private:
    WindowFixture f;
    QTemporaryDir sceneDir;
    double pageAspect = 0;
    QAbstractItemModel* list = nullptr;
    QPushButton* captureButton = nullptr;

    int count() const { return list->rowCount(); }
    QString file(int row) const {
        return list->index(row, 0).data(ImageListModel::PathRole).toString();
    }
    // Whether a capture request waits for the next frame.
    bool armed() const { return f.window->device()->camera()->photoPending; }
    CPreConfigBar* bar() const { return f.window->scanModeBar(); }

    void mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
        QMouseEvent e(type, p, f.window->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &e);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, to);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    QList<int> picture() const {
        return {f.find<QSlider>("pSlider_Brightness")->value(),
                f.find<QSlider>("pSlider_Contrast")->value(),
                f.find<QSlider>("pSlider_Saturation")->value()};
    }

private slots:
    void initTestCase() {
        scene::Params p = scene::randomParams(scene::Object::Document, 5, 1280, 960);
        p.rotationDeg = 14;
        p.centerMm = {0, 0};
        p.fieldWidthMm = 600;  // the whole page in the frame
        p.castShadow = false;
        pageAspect = p.objectWidthMm / p.objectHeightMm;
        const scene::Scene s = scene::render(p);
        const QImage photo(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step),
                           QImage::Format_RGB888);
        const QString path = sceneDir.filePath("page.png");
        QVERIFY(photo.save(path));
        qputenv("MIRAVELO_VCAM_SCENE", path.toUtf8());
        f.linkLibraries();
        QVERIFY(f.writeIni(f.captureIni()));
        QVERIFY(f.start());
        list = f.find<QListView>("pListWidget_Images")->model();
        captureButton = f.find<QPushButton>("pBtn_TakePhoto");
        // A small frame keeps the test quick; the preview reopens at the chosen size.
        auto* resolution = f.find<QComboBox>("pCombo_Resolution");
        QTRY_VERIFY_WITH_TIMEOUT(resolution->findText("1280*720") >= 0, 20000);
        resolution->setCurrentIndex(resolution->findText("1280*720"));
        QTRY_VERIFY_WITH_TIMEOUT(f.window->device()->previewRunning(), 20000);
    }

    void spaceSavesTheStraightenedPage() {
        QTest::keyClick(f.window.get(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(count(), 1, 30000);
        int settled = count();
        const QImage page(file(0));
        QVERIFY2(qAbs(double(page.width()) / page.height() - pageAspect) < 0.05,
                 qPrintable(QString("%1x%2").arg(page.width()).arg(page.height())));
        QCOMPARE(f.find<QTabWidget>("ptabwidget_RightSetZone_Set")->currentIndex(), 2);

        // Presses faster than the frames come are not merged: each is served by a frame of its
        // own and gives a file of its own.
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(f.window.get(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(count(), settled + 30, 120000);
        QVERIFY(!armed());
        QSet<QString> distinct;
        for (int row = settled; row < count(); ++row)
            distinct << file(row);
        QCOMPARE(distinct.size(), 30);
        settled = count() - 1;

        // Keypad Enter captures too; the main Return key does not.
        QTest::keyClick(f.window.get(), Qt::Key_Return);
        QVERIFY(!armed());
        // A preview turn to the right turns the next page on its side.
        f.find<QPushButton>("Btn_Preview_TurnRight")->click();
        QTest::keyClick(f.window.get(), Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE_WITH_TIMEOUT(count(), settled + 2, 10000);
        const QImage turned(file(settled + 1));
        QVERIFY(qAbs(double(turned.height()) / turned.width() - pageAspect) < 0.05);
        f.find<QPushButton>("Btn_Preview_TurnLeft")->click();
        QCOMPARE(f.window->settings()->docRotateAngle, 0);
    }

    void captureKeysWinOverClickedControls() {
        // A clicked check box, tile or button keeps the focus; Space and keypad Enter still
        // capture, and the control is neither toggled nor clicked.
        QCheckBox* box = bar()->DocPage()->saveDirectlyBox();
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        auto* open = f.find<QPushButton>("pBtn_OpenDevice");
        auto* tile = bar()->DocPage()->tile(DocumentModePage::AutoCut);
        int expected = count();
        for (QWidget* target : {static_cast<QWidget*>(box), static_cast<QWidget*>(open),
                                static_cast<QWidget*>(tile)}) {
            QTest::keyClick(target, Qt::Key_Space);
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
            expected += 2;
            QTRY_COMPARE_WITH_TIMEOUT(count(), expected, 30000);
        }
        QVERIFY(box->isChecked() && f.window->device()->previewRunning());
        QCOMPARE(bar()->DocPage()->option(), DocumentModePage::AutoCut);

        // A text field keeps them: the space is typed, nothing is captured.
        auto* prefix = f.find<QLineEdit>("pLineEdit_NamePre");
        QTest::keyClick(prefix, Qt::Key_Space);
        QCOMPARE(prefix->text(), QString("IMG "));
        QVERIFY(!armed());
        prefix->setText("IMG");
        QCOMPARE(count(), expected);
    }

    void timedSeriesCountsDownAndStops() {
        auto* timer = f.find<QComboBox>("pCombo_TakePhotoTimer");
        auto* stop = f.find<QPushButton>("Btn_Preview_StopAutoTake");
        auto* label = f.find<QLabel>("pQlbl_Main");
        timer->setCurrentIndex(1);  // "1S": a capture every 2 seconds
        const int before = count();
        captureButton->click();
        QVERIFY(!stop->isHidden() && !timer->isEnabled());
        QVERIFY(!armed());  // nothing at the start of a series
        QTRY_COMPARE_WITH_TIMEOUT(label->text(), QString("1"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(count(), before + 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(count(), before + 2, 15000);
        // The capture button ends the series, also while the hourglass shows; it stays away
        // through captures and a camera close and open.
        QTRY_VERIFY_WITH_TIMEOUT(!label->pixmap(Qt::ReturnByValue).isNull(), 15000);
        captureButton->click();
        QVERIFY(stop->isHidden() && timer->isEnabled() && label->text().isEmpty());
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
        timer->setCurrentIndex(0);
        const int afterSeries = count();
        QTest::keyClick(f.window.get(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(count(), afterSeries + 1, 15000);
        f.find<QPushButton>("pBtn_OpenDevice")->click();
        f.find<QPushButton>("pBtn_OpenDevice")->click();
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull() && label->text().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(f.window->device()->previewRunning(), 20000);
        timer->setCurrentIndex(1);
        // A new series, ended by the stop button this time.
        captureButton->click();
        QVERIFY(f.window->captures()->seriesRunning());
        stop->click();
        QVERIFY(stop->isHidden() && timer->isEnabled() && !f.window->captures()->seriesRunning());
        timer->setCurrentIndex(0);
    }

    void deleteMovesToTrashWithUndo() {
        QVERIFY(count() >= 3);
        const int before = count();
        auto* view = f.find<QListView>("pListWidget_Images");
        const QStringList doomed = {file(0), file(2)};
        view->selectionModel()->select(list->index(0, 0), QItemSelectionModel::Select);
        view->selectionModel()->select(list->index(2, 0), QItemSelectionModel::Select);
        f.find<QPushButton>("pQbtn_ImageItemsDelete")->pressed();
        QCOMPARE(count(), before - 2);
        auto* notice = f.find<QLabel>("pLbl_Notice");
        QCOMPARE(notice->text(), QString("2 files moved to trash"));
        // In the desktop's trash, with the record a file manager restores them by.
        const QString trash = QDir::homePath() + "/.local/share/Trash/";
        for (const QString& path : doomed) {
            const QString name = QFileInfo(path).fileName();
            QVERIFY(!QFileInfo::exists(path) && QFileInfo::exists(trash + "files/" + name));
            QVERIFY(QFileInfo::exists(trash + "info/" + name + ".trashinfo"));
        }
        // Undo puts them back, to their places in the list.
        f.find<QPushButton>("pBtn_NoticeAction")->click();
        QCOMPARE(count(), before);
        QCOMPARE(QStringList({file(0), file(2)}), doomed);
        for (const QString& path : doomed)
            QVERIFY(QFileInfo::exists(path));
        QVERIFY(QDir(trash + "info").isEmpty());
    }

    void dragGestureFiresOncePerPress() {
        // In the identity-card mode a capture is taken but saves nothing, so no drag-out follows.
        bar()->TabWidget()->setCurrentIndex(1);
        // The gesture belongs to a window that is not maximised.
        f.window->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(!f.window->isMaximized());
        const int before = count();
        // A press between the title strip and the gesture zone arms nothing.
        drag(QPoint(100, 100), QPoint(100, 400));
        QVERIFY(captureButton->isEnabled());

        mouse(QEvent::MouseButtonPress, QPoint(100, 300));
        mouse(QEvent::MouseMove, QPoint(260, 340));
        QVERIFY(!captureButton->isEnabled());  // until the capture arrives
        QTRY_VERIFY_WITH_TIMEOUT(captureButton->isEnabled(), 5000);
        mouse(QEvent::MouseMove, QPoint(400, 500));  // fired already
        mouse(QEvent::MouseButtonRelease, QPoint(400, 500), Qt::NoButton);
        QVERIFY(captureButton->isEnabled());
        QCOMPARE(count(), before);
        bar()->TabWidget()->setCurrentIndex(0);
    }

    void pictureParametersFollowTheMode() {
        f.find<QSlider>("pSlider_Brightness")->setValue(30);
        f.find<QSlider>("pSlider_Contrast")->setValue(40);
        f.find<QSlider>("pSlider_Saturation")->setValue(50);
        bar()->TabWidget()->setCurrentIndex(1);
        QCOMPARE(picture(), QList<int>({17, 47, 61}));
        bar()->TabWidget()->setCurrentIndex(0);
        QCOMPARE(picture(), QList<int>({30, 40, 50}));
        // Book mode keeps a saved contrast of 0 at the card value.
        f.find<QSlider>("pSlider_Contrast")->setValue(0);
        bar()->TabWidget()->setCurrentIndex(1);
        bar()->TabWidget()->setCurrentIndex(3);
        QCOMPARE(picture(), QList<int>({30, 47, 50}));
        bar()->TabWidget()->setCurrentIndex(0);
    }

    void closedPreviewTakesNothing() {
        auto* open = f.find<QPushButton>("pBtn_OpenDevice");
        open->click();  // close
        const int before = count();
        QTest::keyClick(f.window.get(), Qt::Key_Space);
        // Refused, and the window says so.
        QCOMPARE(f.find<QLabel>("pLbl_Notice")->text(),
                 QString("The camera is not running — nothing captured"));
        f.find<QComboBox>("pCombo_TakePhotoTimer")->setCurrentIndex(2);
        captureButton->click();
        QVERIFY(f.find<QPushButton>("Btn_Preview_StopAutoTake")->isHidden());
        // The gesture without a preview leaves the button usable.
        drag(QPoint(100, 300), QPoint(300, 400));
        QVERIFY(captureButton->isEnabled());
        f.find<QComboBox>("pCombo_TakePhotoTimer")->setCurrentIndex(0);
        QVERIFY(!armed());
        open->click();  // and open again: no request was kept for it
        QVERIFY(!armed());
        QCOMPARE(count(), before);
    }
};

QTEST_MAIN(TestCaptureTriggers)
#include "tst_CaptureTriggers.moc"
