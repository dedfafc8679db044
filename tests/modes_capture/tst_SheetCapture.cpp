// The scan-mode bar's sheet page from capture to file: QR codes read from rendered desk photos,
// pages named after their codes in any script without replacing earlier files, the day's record
// file, the previewed save, and the bad inputs (no code, unusable texts, too many codes, a record
// file that cannot be written, a vanished output folder).
#include <QtTest>
#include <QtWidgets>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/SheetModePage.h"
#include "output/RecordQRContent.h"
#include "scene/Scene.h"

namespace {

// A QR sheet lying on a desk, photographed from straight above; texts are UTF-8.
QImage sheet(const std::vector<std::string>& texts, int w = 1600, int h = 1200, uint32_t seed = 8,
             double sizeMm = 45) {
    scene::Params p = scene::randomParams(scene::Object::QrSheet, seed, w, h);
    p.qrTexts = texts;
    p.qrSizeMm = sizeMm, p.tiltXDeg = p.tiltYDeg = 0, p.rotationDeg = 2, p.castShadow = false;
    p.centerMm = {0, 0};
    p.fieldWidthMm = 420;
    const scene::Scene s = scene::render(p);
    return QImage(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step), QImage::Format_RGB888)
        .copy();
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList recordLines(const QString& dir) {
    QFile f(QRRecordFilePath(dir, QDate::currentDate()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

const QString kJapanese = QString::fromUtf8("請求書 東京");
const QString kAccented = QString::fromUtf8("Crème brûlée à Zürich");

}  // namespace

class TestSheetCapture : public QObject {
    Q_OBJECT
private:
    QTemporaryDir workDir;
    QTemporaryDir out;
    AppSettings settings;
    CPreConfigBar* bar = nullptr;
    QSignalSpy* saved = nullptr;

    SheetModePage* page() const { return bar->SheetPage(); }
    QString shoot(const QImage& img) {
        const int before = saved->count();
        bar->HandleTakePhoto(img);
        bar->WaitForSaves();
        return QTest::qWaitFor([&] { return saved->count() > before; }, 30000)
                   ? saved->last().at(0).toString()
                   : QString();
    }
    void settle() {
        QVERIFY(bar->WaitForSaves());
        QCoreApplication::sendPostedEvents();
    }
    QString logText() const {
        QFile f(QDir::current().filePath("Log/ZVTM" + QDate::currentDate().toString("yyyyMMdd") +
                                         ".log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
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
        settings = AppSettings();
        settings.baseDir = out.path();
        settings.nameType = 1;   // Index
        settings.imageType = 2;  // PNG
        bar = new CPreConfigBar;
        bar->SetSettings(&settings);
        bar->TabWidget()->setCurrentIndex(SheetMode);
        saved = new QSignalSpy(bar, &CPreConfigBar::Signal_SaveImageToDisk);
    }

    void cleanup() {
        QVERIFY(bar->WaitForSaves());
        delete saved;
        delete bar;
    }

    void directSavesNameByCodeAndRecord() {
        page()->nameByCodeBox()->click();
        page()->recordBox()->click();
        // Any script reaches the file name and the text box; the same code twice gives two files.
        QCOMPARE(shoot(sheet({kJapanese.toStdString()})), out.filePath(kJapanese + ".png"));
        QCOMPARE(page()->codesBox()->toPlainText(), kJapanese);
        QCOMPARE(shoot(sheet({kJapanese.toStdString()}, 1600, 1200, 9)),
                 out.filePath(kJapanese + "_2.png"));
        QCOMPARE(shoot(sheet({kAccented.toStdString()})), out.filePath(kAccented + ".png"));
        QCOMPARE(shoot(sheet({"A/B:C.D?E"})), out.filePath("A_B_C_D_E.png"));
        // Two codes: two paragraphs, one name with "_" for the line break.
        const QString two = shoot(sheet({"first", "second"}));
        const QString content = page()->qrContent();
        QVERIFY(content == "first\nsecond" || content == "second\nfirst");
        QCOMPARE(page()->codesBox()->toPlainText(), content);
        QCOMPARE(two, out.filePath(QString(content).replace('\n', '_') + ".png"));
        QVERIFY(!QImage(two).isNull() && QImage(two).width() < 1600);

        // One record per page, UTF-8, two spaces between the brackets; the two codes share one.
        const QStringList lines = recordLines(out.path());
        QCOMPARE(lines.size(), 6);
        const QRegularExpression stamp(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\]  \[)");
        QVERIFY(stamp.match(lines[0]).hasMatch());
        QVERIFY(lines[0].endsWith("[" + kJapanese + "]") && lines[2].endsWith(kAccented + "]"));
        QVERIFY(lines[4].endsWith("[" + content.section('\n', 0, 0)) &&
                lines[5] == content.section('\n', 1) + "]");
        QCOMPARE(filesIn(out.path()).size(), 6);  // five pages and the record file
    }

    void previewThenSaveUsesTheCodesOfTheCapture() {
        page()->nameByCodeBox()->click();
        page()->saveDirectlyBox()->click();
        QVERIFY(page()->saveButtonWidget()->isEnabled());
        bar->HandleTakePhoto(sheet({"pending"}));
        QTRY_COMPARE_WITH_TIMEOUT(page()->state(), 2, 30000);
        QVERIFY(page()->previewTile()->hasImage);
        QCOMPARE(page()->codesBox()->toPlainText(), QString("pending"));
        // Optimising now cuts the kept capture again; the name stays the one read at capture.
        page()->optimiseBox()->click();
        page()->saveButtonWidget()->pressed();
        page()->saveButtonWidget()->pressed();  // nothing left the second time
        settle();
        QCOMPARE(saved->count(), 1);
        QCOMPARE(saved->last().at(0).toString(), out.filePath("pending.png"));
        QVERIFY(!page()->previewTile()->hasImage && page()->codesBox()->toPlainText().isEmpty());
        QCOMPARE(page()->state(), 0);

        // A tab change drops a waiting page.
        bar->HandleTakePhoto(sheet({"dropped"}));
        QTRY_COMPARE_WITH_TIMEOUT(page()->state(), 2, 30000);
        bar->TabWidget()->setCurrentIndex(DocMode);
        bar->TabWidget()->setCurrentIndex(SheetMode);
        page()->saveButtonWidget()->pressed();
        settle();
        QCOMPARE(saved->count(), 1);
        // Checking "SaveDirectly" saves a waiting page instead of stranding it.
        bar->HandleTakePhoto(sheet({"boxed"}));
        QTRY_COMPARE_WITH_TIMEOUT(page()->state(), 2, 30000);
        page()->saveDirectlyBox()->click();
        QTRY_COMPARE_WITH_TIMEOUT(saved->count(), 2, 30000);
        QCOMPARE(saved->last().at(0).toString(), out.filePath("boxed.png"));
        QVERIFY(!page()->saveButtonWidget()->isEnabled());
    }

    void badCodesAndFaultsLoseNoPage() {
        page()->nameByCodeBox()->click();
        page()->recordBox()->click();
        // No code, a damaged code, a text with nothing usable: named by the rule, recorded empty.
        QCOMPARE(shoot(sheet({})), out.filePath("IMG0000.png"));
        QImage damaged = sheet({"damaged code"});
        QPainter(&damaged).fillRect(QRect(700, 450, 220, 220), Qt::black);
        QCOMPARE(QFileInfo(shoot(damaged)).fileName(), QString("IMG0001.png"));
        QCOMPARE(shoot(sheet({"/"})), out.filePath("IMG0002.png"));
        QCOMPARE(shoot(sheet({"\t\r\n"})), out.filePath("IMG0003.png"));
        QCOMPARE(shoot(sheet({"tab\there"})), out.filePath("tab_here.png"));
        QVERIFY(recordLines(out.path()).first().endsWith("]  []"));
        // A 1,000-byte text: the name is shortened on a character boundary and still unique.
        const std::string longText = QString(333, QChar(0x6771)).toStdString() + "X";
        const QString longName =
            QFileInfo(shoot(sheet({longText}, 2400, 1800, 8, 150))).completeBaseName();
        QVERIFY(longName.toUtf8().size() <= 240 && longName.size() > 70);
        QVERIFY(QString::fromStdString(longText).startsWith(longName));
        QVERIFY(logText().contains("gives no usable file name"));

        // A record file that is a directory: logged, the page still saved.
        const QString record = QRRecordFilePath(out.path(), QDate::currentDate());
        QVERIFY(QFile::remove(record) && QDir().mkpath(record));
        QCOMPARE(shoot(sheet({"kept"})), out.filePath("kept.png"));
        QVERIFY(logText().contains("not written"));
        // The output folder vanished: it is made again and takes the page.
        QVERIFY(QDir(out.path()).removeRecursively());
        QCOMPARE(shoot(sheet({"again"})), out.filePath("again.png"));
        QCOMPARE(recordLines(out.path()).size(), 1);

        // 33 codes on one page: at most 32 are read (however many the reader finds on such a
        // crowded page), the page is saved once.
        std::vector<std::string> many;
        for (int i = 1; i <= 33; ++i)
            many.push_back(QString("C%1").arg(i, 2, 10, QChar('0')).toStdString());
        page()->nameByCodeBox()->click();
        const int before = saved->count();
        shoot(sheet(many, 3264, 2448));
        const QStringList read = page()->qrContent().split('\n');
        QVERIFY2(read.size() >= 8 && read.size() <= 32, qPrintable(QString::number(read.size())));
        for (const QString& code : read)
            QVERIFY(std::find(many.begin(), many.end(), code.toStdString()) != many.end());
        QCOMPARE(saved->count(), before + 1);
    }

    void recordFileNameAndLine() {
        const QDateTime when(QDate(2024, 3, 15), QTime(14, 5, 9));
        QCOMPARE(QFileInfo(QRRecordFilePath(out.path(), QDate(2024, 3, 3))).fileName(),
                 QString("QRCode2024-03-03.txt"));
        QVERIFY(RecordQRContent(out.path(), "ABC", when));
        QVERIFY(RecordQRContent(out.path(), kJapanese, when));
        QFile f(out.filePath("QRCode2024-15-03.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 ("[2024-15-03 14:05:09]  [ABC]\n[2024-15-03 14:05:09]  [" + kJapanese + "]\n")
                     .toUtf8());
        QString error;
        QVERIFY(!RecordQRContent(out.filePath("missing/deeper"), "x", when, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestSheetCapture)
#include "tst_SheetCapture.moc"
