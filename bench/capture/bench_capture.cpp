// Capture benchmark on the real main window.
//
//   bench_capture latency [--runs N] [--source camera|scene]
//     Document mode, Auto Cutting, JPG quality 90, 3264 x 2448: time from the trigger (the
//     capture button's slot) to the new item in the image list, and how long the GUI thread was
//     blocked meanwhile (gaps in a 2 ms heartbeat timer).
//   bench_capture sheet [--runs N] [--source camera|scene]
//     The same in sheet mode at 3264 x 2448 with "SaveDirectly", QR naming and the record file
//     on: time from the trigger to the announced file (Signal_SaveImageToDisk), and the GUI
//     thread's blocking. The camera shows a QR sheet; scene feeds rendered QR sheets.
//   bench_capture series [--count N] [--source camera|scene] [--resolution W*H]
//     N captures in a row with Save Directly and the Index rule: distinct files, announcements,
//     overwrites, and resident memory growth after the first capture.
//
// --source camera uses the virtual document camera (MIRAVELO_CAMERA=virtual is set); scene
// feeds rendered desk photos straight into the window's capture hand-off. --sub opens the virtual
// sub camera first, so every capture also writes its "_vice" side file.
//   bench_capture fps [--sub]
//     New frames the preview shows per second over 10 s at 3264 x 2448.
//   bench_capture facetick
//     Identity-card mode with the face comparison on (document camera showing a card): the
//     GUI thread's time per comparison tick, and the time from a comparison's request to its
//     result on the worker thread.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchTools.h"
#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "camera/CCamLabel.h"
#include "camera/CViceCamPreview.h"
#include "camera/ViceCamera.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/DocumentModePage.h"
#include "modes/SheetModePage.h"
#include "scene/Scene.h"
#include "ui/MainWindow.h"

namespace {

QImage renderFrame(uint32_t seed, int w, int h, bool qrSheet) {
    scene::Params p =
        scene::randomParams(qrSheet ? scene::Object::QrSheet : scene::Object::Document, seed, w, h);
    const scene::Scene s = scene::render(p);
    return QImage(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step), QImage::Format_RGB888)
        .copy();
}

}  // namespace

// Counts the new pictures a label paints: a repaint of the same picture (an outline, a notice
// over it) is not a new frame.
class PaintCounter : public QObject {
public:
    int paints = 0;
    qint64 shown = 0;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            const qint64 key = static_cast<QLabel*>(watched)->pixmap(Qt::ReturnByValue).cacheKey();
            paints += key != shown;
            shown = key;
        }
        return false;
    }
};

int framesPerSecond(MainWindow& window) {
    auto* label = window.findChild<CCamLabel*>();
    if (!label)
        return -1;
    PaintCounter counter;
    label->installEventFilter(&counter);
    QTest::qWait(10000);
    label->removeEventFilter(&counter);
    return counter.paints / 10;
}

// Calls the comparison window's tick by hand at its own pace and times each call.
int faceTicks(MainWindow& window) {
    CViceCamPreview* vice = window.faceComparison();
    window.scanModeBar()->TabWidget()->setCurrentIndex(1);
    window.scanModeBar()->HandleCheckBox_IDMode_FaceDetection(true);
    if (!vice->comparing()) {
        std::printf("the face comparison did not start: %s\n", qPrintable(vice->tipText()));
        return 1;
    }
    std::vector<double> tickMs, tickCpuMs, requestTickMs, requestCpuMs, compareMs;
    double requested = -1;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(vice, &CViceCamPreview::comparisonRequested,
                     [&] { requested = clock.nsecsElapsed() / 1e6; });
    QString tip = vice->tipText();
    for (int i = 0; i < 200 && compareMs.size() < 15; ++i) {
        const double t0 = clock.nsecsElapsed() / 1e6, cpu0 = threadCpuMs();
        vice->TimerTicket();
        const double took = clock.nsecsElapsed() / 1e6 - t0;
        (requested >= t0 ? requestTickMs : tickMs).push_back(took);
        (requested >= t0 ? requestCpuMs : tickCpuMs).push_back(threadCpuMs() - cpu0);
        const double until = clock.nsecsElapsed() / 1e6 + 500;
        while (clock.nsecsElapsed() / 1e6 < until) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (requested >= 0 && vice->tipText() != tip) {
                compareMs.push_back(clock.nsecsElapsed() / 1e6 - requested);
                requested = -1;
            }
            tip = vice->tipText();
        }
    }
    std::printf(
        "comparison window ticks without a comparison: %zu, GUI thread median %.2f ms, "
        "longest %.2f ms\n",
        tickMs.size(), median(tickMs), *std::max_element(tickMs.begin(), tickMs.end()));
    std::printf(
        "ticks that hand a comparison to the worker: %zu, GUI thread median %.2f ms, "
        "longest %.2f ms\n",
        requestTickMs.size(), median(requestTickMs),
        *std::max_element(requestTickMs.begin(), requestTickMs.end()));
    // Wall time includes whatever else the machine ran meanwhile; CPU time is the GUI thread's
    // own work, whatever the load.
    std::printf(
        "GUI thread CPU per tick: without a comparison median %.2f ms, longest %.2f ms; "
        "handing one over median %.2f ms, longest %.2f ms\n",
        median(tickCpuMs), *std::max_element(tickCpuMs.begin(), tickCpuMs.end()),
        median(requestCpuMs), *std::max_element(requestCpuMs.begin(), requestCpuMs.end()));
    std::printf(
        "request to result (worker thread, 640x480 vs 3264x2448): median %.1f ms over %zu, "
        "last tip %s\n",
        median(compareMs), compareMs.size(), qPrintable(vice->tipText()));
    return 0;
}

int main(int argc, char** argv) {
    qputenv("MIRAVELO_CAMERA", "virtual");
    const bool sheet = argc > 1 && QByteArray(argv[1]) == "sheet";
    if (sheet)
        qputenv("MIRAVELO_VCAM_SCENE", "qrsheet");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = sheet ? QString("latency") : args.value(1, "latency");
    auto option = [&](const QString& name, const QString& fallback) {
        const int i = args.indexOf(name);
        return i > 0 ? args.value(i + 1, fallback) : fallback;
    };
    const bool fromCamera = option("--source", "camera") == "camera";
    const int runs = option("--runs", "15").toInt();
    const int count = option("--count", "500").toInt();
    const QString resolutionText = option("--resolution", QString());

    QTemporaryDir appDir, outDir;
    const QDir bin(MIRAVELO_BIN_DIR);
    for (const QString& lib : bin.entryList({"*.so"}, QDir::Files))
        QFile::link(bin.filePath(lib), QDir(appDir.path()).filePath(lib));
    QFile ini(QDir(appDir.path()).filePath("Tesmora.ini"));
    ini.open(QIODevice::WriteOnly);
    ini.write(
        "[Camera]\nMainResWidth=3264\nMainResHeight=2448\n[Software]\nImagetype=1\n"
        "isFristStart=0\nNametype=1\nJPGRate=90\nDocRotateAngle=0\nNamePre=IMG\nFaceDetection=1\n"
        "BaseDir=" +
        outDir.path().toUtf8() + "\n");
    ini.close();
    AppPaths::setApplicationDir(appDir.path());

    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::printf("the window was never shown\n");
        return 1;
    }
    QTest::qWait(3000);  // start-up timer, device search, preview start
    if (fromCamera && !resolutionText.isEmpty()) {
        auto* resolution = window.findChild<QComboBox*>("pCombo_Resolution");
        const int index = resolution ? resolution->findText(resolutionText) : -1;
        if (index < 0) {
            std::printf("resolution %s not offered\n", qPrintable(resolutionText));
            return 1;
        }
        resolution->setCurrentIndex(index);  // reopens the preview at that size
        QTest::qWait(3000);
    }
    if (args.contains("--sub") && window.subCamera()->open() != 1) {
        std::printf("the sub camera did not open\n");
        return 1;
    }
    if (mode == "fps") {
        std::printf("preview at 3264x2448%s: %d new frames per second\n",
                    args.contains("--sub") ? " with the sub camera on" : "",
                    framesPerSecond(window));
        return 0;
    }
    if (mode == "facetick")
        return faceTicks(window);
    auto* bar = window.findChild<CPreConfigBar*>();
    auto* list = window.findChild<QListView*>("pListWidget_Images")->model();
    QSignalSpy announced(bar, &CPreConfigBar::Signal_SaveImageToDisk);

    std::vector<QImage> frames;
    if (!fromCamera)
        for (uint32_t s = 1; s <= 4; ++s)
            frames.push_back(renderFrame(s * 7, 3264, 2448, sheet));
    int frameIndex = 0;
    auto trigger = [&] {
        if (fromCamera)
            window.Qbtn_TakePhoto_Clicked();
        else
            window.Handle_GotTakePhoto(frames[frameIndex++ % frames.size()]);
    };
    if (sheet) {
        bar->TabWidget()->setCurrentIndex(SheetMode);
        bar->SheetPage()->nameByCodeBox()->click();
        bar->SheetPage()->recordBox()->click();
    }
    // Document mode waits for the list item; sheet mode for the announcement of the file.
    auto done = [&] { return sheet ? announced.count() : list->rowCount(); };
    auto waitForItems = [&](int n, int timeoutMs) {
        QElapsedTimer t;
        t.start();
        while (done() < n && t.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        return done() >= n;
    };

    if (mode == "latency") {
        std::vector<double> total, blocked, longest, guiCpu, allCpu;
        Heartbeat beat;
        for (int i = 0; i < runs; ++i) {
            QTest::qWait(300);
            const int before = done();
            beat.start();
            QElapsedTimer t;
            t.start();
            const double cpu0 = threadCpuMs(), all0 = threadCpuMs(CLOCK_PROCESS_CPUTIME_ID);
            trigger();
            if (!waitForItems(before + 1, 10000)) {
                std::printf("run %d: no list item (no page found?)\n", i);
                beat.stop();
                continue;
            }
            total.push_back(t.nsecsElapsed() / 1e6);
            guiCpu.push_back(threadCpuMs() - cpu0);
            allCpu.push_back(threadCpuMs(CLOCK_PROCESS_CPUTIME_ID) - all0);
            beat.stop();
            blocked.push_back(beat.blockedTotal);
            longest.push_back(beat.longest);
        }
        std::printf("%s capture 3264x2448, %s, JPG 90, source %s: %zu of %d runs\n",
                    sheet ? "sheet" : "document", sheet ? "QR naming and record" : "Auto Cutting",
                    fromCamera ? "virtual camera" : "rendered frames", total.size(), runs);
        std::printf("trigger to %s: median %.1f ms (min %.1f, max %.1f)\n",
                    sheet ? "announced file" : "list item", median(total),
                    total.empty() ? 0 : *std::min_element(total.begin(), total.end()),
                    total.empty() ? 0 : *std::max_element(total.begin(), total.end()));
        std::printf(
            "GUI thread blocked per capture: median total %.1f ms, median longest %.1f ms\n",
            median(blocked), median(longest));
        std::printf("GUI thread CPU time per capture: median %.1f ms\n", median(guiCpu));
        if (args.contains("--sub"))
            std::printf("side files written: %d\n",
                        int(QDir(outDir.path()).entryList({"*_vice*"}, QDir::Files).size()));
        // Every thread of the program (preview, workers, save threads): what the capture costs on
        // a machine of its own, whatever the load of this one.
        std::printf("CPU time of all threads per capture: median %.1f ms\n", median(allCpu));
        if (sheet) {
            int named = 0;
            for (const QList<QVariant>& call : announced)
                named += QFileInfo(call.at(0).toString()).fileName().startsWith("IMG") ? 0 : 1;
            std::printf("files named by their QR code: %d of %d\n", named, int(announced.size()));
        }
        QFile loadavg("/proc/loadavg");
        if (loadavg.open(QIODevice::ReadOnly))
            std::printf("load average at the end: %s", loadavg.readAll().constData());
        return total.empty() ? 1 : 0;
    }

    // series: Original keeps every frame, so every capture must give exactly one file.
    QTest::mouseClick(bar->DocPage()->tile(DocumentModePage::Original), Qt::LeftButton);
    trigger();
    waitForItems(1, 10000);
    bar->WaitForSaves();
    QTest::qWait(200);
    const long rssFirst = residentKiB();
    QElapsedTimer t;
    t.start();
    for (int i = 1; i < count; ++i) {
        trigger();
        // The camera serves one request per frame; wait for each capture to be handed over.
        if (fromCamera && !waitForItems(i + 1, 10000))
            break;
        QCoreApplication::processEvents();
    }
    waitForItems(count, 60000);
    bar->WaitForSaves();
    QTest::qWait(500);
    const long rssAfter = residentKiB();
    QStringList paths;
    for (const QList<QVariant>& call : announced)
        paths << call.at(0).toString();
    const QSet<QString> distinct(paths.begin(), paths.end());
    const int files = QDir(outDir.path()).entryList(QDir::Files).size();
    int missing = 0;
    for (const QString& p : distinct)
        if (!QFileInfo::exists(p))
            ++missing;
    std::printf("%d captures (Save Directly, Index, Original, %s %s) in %.1f s\n", count,
                fromCamera ? "virtual camera" : "rendered frames",
                qPrintable(resolutionText.isEmpty() ? QString("3264*2448") : resolutionText),
                t.elapsed() / 1000.0);
    std::printf(
        "announcements %d, distinct paths %d, files on disk %d, announced but missing %d, "
        "list items %d\n",
        int(paths.size()), int(distinct.size()), files, missing, list->rowCount());
    std::printf("resident memory after first capture %ld KiB, after run %ld KiB, growth %.1f MB\n",
                rssFirst, rssAfter, (rssAfter - rssFirst) / 1024.0);
    return 0;
}
