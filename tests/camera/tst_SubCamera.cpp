// The sub camera beside the preview and the face comparison, on the real window with the virtual
// cameras: the document camera shows an identity card whose portrait is the sub camera's person.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include "camera/CViceCamPreview.h"
#include "camera/ViceCamera.h"
#include "modes/CImagePreview.h"
#include "modes/DocumentModePage.h"
#include "support/WindowFixture.h"

class SubCameraTest : public QObject {
    Q_OBJECT

    WindowFixture f;
    QStringList saved;

    // One capture, waited for until it (and whatever follows its announcement) is on disk.
    QString capture() {
        QSignalSpy spy(f.window->scanModeBar(), &CPreConfigBar::Signal_SaveImageToDisk);
        f.window->Qbtn_TakePhoto_Clicked();
        if (!spy.wait(30000))
            return QString();
        return spy.first().first().toString();
    }

    // Mean absolute difference of two equally sized RGB888 pictures.
    static double difference(const QImage& a, const QImage& b) {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width() * 3; ++x)
                sum += qAbs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
        return sum / (a.width() * 3.0 * a.height());
    }

private slots:
    void initTestCase() {
        qputenv("MIRAVELO_VCAM_SCENE", "card");
        f.linkLibraries();
        QVERIFY(f.writeIni(f.captureIni({"FaceDetection=1"})));
        QVERIFY(f.start());
        // Original captures keep the whole frame, larger than the sub picture.
        QTest::mouseClick(f.window->scanModeBar()->DocPage()->tile(DocumentModePage::Original),
                          Qt::LeftButton);
    }

    void sideFileThenMergedCorner() {
        auto* label = f.find<QLabel>("pLbl_ViceCamPicture");
        QTest::mouseClick(f.find<QCheckBox>("pCheck_OpenViceCam"), Qt::LeftButton);
        QVERIFY(f.window->subCamera()->running());
        QTRY_VERIFY_WITH_TIMEOUT(!label->pixmap(Qt::ReturnByValue).isNull(), 20000);
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), QSize(280, 210));

        // The companion has the sub camera's size; a second one for a taken name gets "_2".
        const QString page = capture();
        QVERIFY(!page.isEmpty());
        const QString side = page.left(page.size() - 4) + "_vice.png";
        QCOMPARE(QImage(side).size(), QSize(640, 480));
        QCOMPARE(ViceCamera::sidePath(page), page.left(page.size() - 4) + "_vice_2.png");

        // Merged into the bottom-right corner: the sub picture ends at the last pixel.
        QTest::mouseClick(f.find<QCheckBox>("pCheck_MergeSubCam"), Qt::LeftButton);
        f.find<QComboBox>("pCombo_VicePos")->setCurrentIndex(ViceCamera::RightDown);
        const QString merged = capture();
        const QImage sub = f.window->subCamera()->frame();
        const QImage result = QImage(merged).convertToFormat(QImage::Format_RGB888);
        QVERIFY(result.width() > 640 && result.height() > 480);
        QVERIFY(!QFileInfo::exists(merged.left(merged.size() - 4) + "_vice.png"));
        const QRect corner(result.width() - 640, result.height() - 480, 640, 480);
        QVERIFY2(difference(result.copy(corner), sub) < 12,
                 qPrintable(QString::number(difference(result.copy(corner), sub))));
        QVERIFY(difference(result.copy(corner.translated(-640, 0)), sub) > 25);

        // A capture that vanished before the merge: nothing is written, nothing breaks.
        const QString gone = f.out("gone.png");
        f.window->mergeImg(gone);
        QVERIFY(!QFileInfo::exists(gone));

        QTest::mouseClick(f.find<QCheckBox>("pCheck_OpenViceCam"), Qt::LeftButton);
        QVERIFY(!f.window->subCamera()->running() && label->isHidden());
        const QStringList before = QDir(f.outDir.path()).entryList(QDir::Files);
        QVERIFY(!capture().isEmpty());
        QCOMPARE(QDir(f.outDir.path()).entryList(QDir::Files).size(), before.size() + 1);
    }

    void faceComparisonHandsOnTheHolder() {
        CViceCamPreview* window = f.window->faceComparison();
        f.window->scanModeBar()->TabWidget()->setCurrentIndex(IDMode);
        QCheckBox* matches = nullptr;
        for (QCheckBox* box : f.window->scanModeBar()->findChildren<QCheckBox*>())
            if (box->text() == "Matches")
                matches = box;
        QVERIFY(matches && matches->isVisible());
        QSignalSpy accepted(window, &CViceCamPreview::Signal_UpdateOKFaceImage);
        QTest::mouseClick(matches, Qt::LeftButton);
        QVERIFY(window->isVisible());
        QVERIFY2(window->comparing(), qPrintable(window->tipText()));
        QTRY_VERIFY_WITH_TIMEOUT(window->tipText().startsWith("Result:"), 60000);
        QTRY_COMPARE_WITH_TIMEOUT(accepted.count(), 1, 60000);
        QCOMPARE(accepted.first().first().value<QImage>().size(), QSize(640, 480));
        QVERIFY(window->bestScore() > 0.73);

        // Closing the document camera ends the run; the window stays until detection is off.
        f.window->Qbtn_Opendevice_Clicked();
        QVERIFY(!window->comparing() && window->isVisible());
        QTest::mouseClick(matches, Qt::LeftButton);
        QVERIFY(window->isHidden());
    }
};

QTEST_MAIN(SubCameraTest)
#include "tst_SubCamera.moc"
