// The sheet page from capture to file on rendered QR sheets: names from codes in any script that
// never replace a file, the day's record file, the previewed save, and bad codes and faults.
#include <QtTest>
#include <QtWidgets>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/SheetModePage.h"
#include "output/RecordQRContent.h"
#include "scene/Scene.h"
#include "support/MatImage.h"
#include "support/TestFiles.h"

namespace {

QImage sheet(const std::vector<std::string>& texts, int w = 1600, double sizeMm = 45) {
    scene::Params p = scene::randomParams(scene::Object::QrSheet, 8, w, w * 3 / 4);
    p.qrTexts = texts;
    p.qrSizeMm = sizeMm, p.tiltXDeg = p.tiltYDeg = 0, p.rotationDeg = 2, p.castShadow = false;
    p.centerMm = {0, 0}, p.fieldWidthMm = 420;
    return toQImage(scene::render(p).rgb);
}

QStringList records(const QString& dir) {
    QFile f(QRRecordFilePath(dir, QDate::currentDate()));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n') : QStringList();
}

}  // namespace

class TestSheetCapture : public QObject {
    Q_OBJECT
    QTemporaryDir workDir, out;
    AppSettings settings;
    CPreConfigBar* bar = nullptr;
    QSignalSpy* saved = nullptr;

    SheetModePage* page() const { return bar->SheetPage(); }
    QString shoot(const QImage& img) {
        const int before = saved->count();
        bar->HandleTakePhoto(img);
        bar->WaitForSaves();
        return QTest::qWaitFor([&] { return saved->count() > before; }, 30000)
                   ? QFileInfo(saved->last().at(0).toString()).fileName()
                   : QString();
    }

private slots:
    void initTestCase() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        qputenv("MIRAVELO_LOG", "1");
        QDir::setCurrent(workDir.path());
    }
    void init() {
        QDir(out.path()).removeRecursively();
        QDir().mkpath(out.path());
        settings.baseDir = out.path();
        settings.nameType = 1;   // Index
        settings.imageType = 2;  // PNG
        bar = new CPreConfigBar;
        bar->SetSettings(&settings);
        bar->TabWidget()->setCurrentIndex(SheetMode);
        saved = new QSignalSpy(bar, &CPreConfigBar::Signal_SaveImageToDisk);
        page()->nameByCodeBox()->click();
        page()->recordBox()->click();
    }
    void cleanup() {
        QVERIFY(bar->WaitForSaves());
        delete saved;
        delete bar;
    }

    void directSavesAreNamedByCodeAndRecorded() {
        const QString japanese = QString::fromUtf8("請求書 東京"),
                      accented = QString::fromUtf8("Crème brûlée");
        QCOMPARE(shoot(sheet({japanese.toStdString()})), japanese + ".png");
        QCOMPARE(page()->codesBox()->toPlainText(), japanese);
        QCOMPARE(shoot(sheet({japanese.toStdString()})), japanese + "_2.png");
        QCOMPARE(shoot(sheet({accented.toStdString()})), accented + ".png");
        QCOMPARE(shoot(sheet({"A/B:C.D?E"})), QString("A_B_C_D_E.png"));
        const QString two = shoot(sheet({"first", "second"}));  // in the reader's order
        const QString content = page()->qrContent();
        QVERIFY(content == "first\nsecond" || content == "second\nfirst");
        QCOMPARE(two, QString(content).replace('\n', '_') + ".png");
        // One record per page, the two codes between one pair of brackets.
        const QStringList lines = records(out.path());
        QCOMPARE(lines.size(), 7);  // and the empty rest after the last line end
        QVERIFY(QRegularExpression(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\]  \[)")
                    .match(lines[0])
                    .hasMatch());
        QVERIFY(lines[0].endsWith("[" + japanese + "]") && lines[2].endsWith(accented + "]"));
        QCOMPARE(lines[4].section("  [", 1) + "\n" + lines[5], "" + content + "]");

        const QDateTime when(QDate(2024, 3, 15), QTime(14, 5, 9));
        QVERIFY(RecordQRContent(out.path(), "ABC", when));
        QFile fixed(out.filePath("QRCode2024-15-03.txt"));
        QVERIFY(fixed.open(QIODevice::ReadOnly));
        QCOMPARE(fixed.readAll(), QByteArray("[2024-15-03 14:05:09]  [ABC]\n"));
    }

    void previewThenSaveUsesTheCodesOfTheCapture() {
        page()->saveDirectlyBox()->click();
        for (const char* text : {"pending", "boxed"}) {
            bar->HandleTakePhoto(sheet({text}));
            QTRY_COMPARE_WITH_TIMEOUT(page()->state(), 2, 30000);
            QVERIFY(page()->previewTile()->hasImage);
            QCOMPARE(page()->codesBox()->toPlainText(), QString(text));
            if (QByteArray(text) == "pending") {  // optimising now cuts it again
                page()->optimiseBox()->click();
                page()->saveButtonWidget()->pressed();
                page()->saveButtonWidget()->pressed();  // nothing left the second time
            } else {  // checking "SaveDirectly" saves it rather than stranding it
                page()->saveDirectlyBox()->click();
            }
        }
        QVERIFY(bar->WaitForSaves());
        QTRY_COMPARE(saved->count(), 2);
        QCOMPARE(saved->at(0).at(0).toString(), out.filePath("pending.png"));
        QCOMPARE(saved->at(1).at(0).toString(), out.filePath("boxed.png"));
        QVERIFY(!page()->previewTile()->hasImage && page()->state() == 0);
    }

    void badCodesAndFaultsLoseNoPage() {
        QImage damaged = sheet({"damaged code"});
        QPainter(&damaged).fillRect(QRect(640, 680, 190, 40), Qt::black);  // finders intact
        QCOMPARE(shoot(sheet({})), QString("IMG0000.png"));                // no code
        QCOMPARE(shoot(sheet({"/"})), QString("IMG0001.png"));
        QCOMPARE(shoot(sheet({"\t\r\n"})), QString("IMG0002.png"));
        // A damaged code is read whole or not at all: never a wrong name.
        QVERIFY(QStringList({"IMG0003.png", "damaged code.png"}).contains(shoot(damaged)));
        QCOMPARE(shoot(sheet({"tab\there"})), QString("tab_here.png"));
        QVERIFY(records(out.path()).first().endsWith("]  []"));
        // 1,000 bytes of text: shortened on a character boundary.
        const QString longText = QString(333, QChar(0x6771)) + "X";
        const QString longName =
            QFileInfo(shoot(sheet({longText.toStdString()}, 2400, 150))).completeBaseName();
        QVERIFY(longName.toUtf8().size() <= 240 && longName.size() > 70 &&
                longText.startsWith(longName));

        // A record file that is a directory, then a vanished output folder: pages still saved.
        const QString record = QRRecordFilePath(out.path(), QDate::currentDate());
        QVERIFY(QFile::remove(record) && QDir().mkpath(record));
        QCOMPARE(shoot(sheet({"kept"})), QString("kept.png"));
        QVERIFY(QDir(out.path()).removeRecursively());
        QCOMPARE(shoot(sheet({"again"})), QString("again.png"));
        QCOMPARE(records(out.path()).size(), 2);
        const QByteArray logText = todaysLog();
        QVERIFY(logText.contains("gives no usable file name") && logText.contains("not written"));

        // 33 codes on one page: at most 32 read, one page saved.
        std::vector<std::string> many;
        for (int i = 1; i <= 33; ++i)
            many.push_back("C" + std::to_string(100 + i));
        QVERIFY(!shoot(sheet(many, 3264)).isEmpty());
        const QStringList read = page()->qrContent().split('\n');
        QVERIFY(read.size() >= 8 && read.size() <= 32);
        for (const QString& code : read)
            QVERIFY(std::count(many.begin(), many.end(), code.toStdString()) == 1);
    }
};

QTEST_MAIN(TestSheetCapture)
#include "tst_SheetCapture.moc"
