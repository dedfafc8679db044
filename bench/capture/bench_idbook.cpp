// Identity-card and book benchmark on the real main window, with rendered 3264 x 2448 desk
// photos handed to the window's capture hand-off.
//
//   bench_idbook card [--runs N]
//     Capture to the side's tile, and "Merge" to the announced file (JPG 90), with how long the
//     GUI thread was blocked (longest gap of a 2 ms heartbeat).
//   bench_idbook book [--runs N]
//     A spread with flattening: capture to both tiles (preview) and to both files announced
//     ("Save directly").
//   bench_idbook series [--count N]
//   (all: [--preview-width W], the live picture at W x 3W/4, 3264 by default; --no-preview: no
//   camera at all, so the GUI thread's figures are those of the mode alone)
//     N card captures with exchange, turn, "Save" and "Merge" between them: files overwritten,
//     intermediate files seen unreadable while a reader polls them, resident memory growth.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include "BenchTools.h"
#include "app/AppPaths.h"
#include "modes/BookModePage.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/IdCardModePage.h"
#include "modes/TempFiles.h"
#include "scene/BookScene.h"
#include "scene/Scene.h"
#include "ui/MainWindow.h"

namespace {

QImage cardFrame(uint32_t seed) {
    scene::Params p = scene::randomParams(scene::Object::Card, seed, 3264, 2448);
    p.centerMm = {0, 0};
    p.tiltXDeg = p.tiltYDeg = 0;
    p.fieldWidthMm = 300;
    const cv::Mat rgb = scene::render(p).rgb;
    return QImage(rgb.data, rgb.cols, rgb.rows, int(rgb.step), QImage::Format_RGB888).copy();
}

QImage bookFrame(uint32_t seed) {
    scene::BookSceneParams p;
    p.seed = seed;
    const cv::Mat rgb = scene::BookScene(p).render();
    return QImage(rgb.data, rgb.cols, rgb.rows, int(rgb.step), QImage::Format_RGB888).copy();
}

double processCpuMs() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

bool waitFor(const std::function<bool()>& done, int timeoutMs = 20000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs)
        QTest::qWait(1);  // sleeps between events: a spinning loop would steal the workers' core
    return done();
}

struct Sample {
    std::vector<double> total, longest, guiCpu, processCpu;
    void print(const char* what) const {
        auto lo = [](const std::vector<double>& v) {
            return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
        };
        auto hi = [](const std::vector<double>& v) {
            return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
        };
        std::printf("%s: median %.1f ms (min %.1f, max %.1f) over %zu runs\n", what, median(total),
                    lo(total), hi(total), total.size());
        std::printf(
            "  GUI thread: longest gap median %.1f ms (worst %.1f), CPU time median "
            "%.1f ms (max %.1f)\n",
            median(longest), hi(longest), median(guiCpu), hi(guiCpu));
        // All threads together: close to the time the work takes on a machine of its own.
        std::printf("  whole process CPU time median %.1f ms\n", median(processCpu));
    }
};

// Times `start` until `done`, with the heartbeat running.
bool measure(Sample& sample, const std::function<void()>& start,
             const std::function<bool()>& done) {
    Heartbeat beat;
    QTest::qWait(200);
    beat.start();
    QElapsedTimer t;
    t.start();
    const double cpu = threadCpuMs();
    const double allCpu = processCpuMs();
    start();
    const bool ok = waitFor(done);
    beat.stop();
    if (ok) {
        sample.total.push_back(t.nsecsElapsed() / 1e6);
        sample.longest.push_back(beat.longest);
        sample.guiCpu.push_back(threadCpuMs() - cpu);
        sample.processCpu.push_back(processCpuMs() - allCpu);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    // Without a live picture the GUI thread's figures are this mode's own.
    qputenv("MIRAVELO_CAMERA", args.contains("--no-preview") ? "v4l2" : "virtual");
    qputenv("MIRAVELO_VCAM_SCENE", "desk");
    const QString mode = args.value(1, "card");
    auto option = [&](const QString& name, int fallback) {
        const int i = args.indexOf(name);
        return i > 0 ? args.value(i + 1).toInt() : fallback;
    };
    const int runs = option("--runs", 15);
    const int count = option("--count", 100);
    // The live picture's size: a full-size preview costs the GUI thread its decoding too.
    const int previewWidth = option("--preview-width", 3264);
    const int previewHeight = previewWidth * 3 / 4;

    QTemporaryDir appDir, outDir;
    const QDir bin(MIRAVELO_BIN_DIR);
    for (const QString& lib : bin.entryList({"*.so"}, QDir::Files))
        QFile::link(bin.filePath(lib), QDir(appDir.path()).filePath(lib));
    QFile ini(QDir(appDir.path()).filePath("Tesmora.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Camera]\nMainResWidth=" + QByteArray::number(previewWidth) +
              "\nMainResHeight=" + QByteArray::number(previewHeight) +
              "\n[Software]\nImagetype=1\nisFristStart="
              "0\nNametype=1\nJPGRate=90\nNamePre=IMG\n"
              "BaseDir=" +
              outDir.path().toUtf8() + "\n");
    ini.close();
    AppPaths::setApplicationDir(appDir.path());
    MainWindow window;
    window.show();
    QTest::qWait(3000);
    auto* bar = window.findChild<CPreConfigBar*>();
    QSignalSpy announced(bar, &CPreConfigBar::Signal_SaveImageToDisk);
    {
        const double cpu = threadCpuMs();
        QTest::qWait(1000);
        const QString preview =
            args.contains("--no-preview")
                ? QStringLiteral("no preview")
                : QStringLiteral("a %1x%2 preview").arg(previewWidth).arg(previewHeight);
        std::printf("idle GUI thread with %s: %.1f ms CPU per second\n", qPrintable(preview),
                    threadCpuMs() - cpu);
    }
    IdCardModePage* id = bar->IdCardPage();
    BookModePage* book = bar->BookPage();
    CImagePreview* front = id->tile(IdCardModePage::Front);
    CImagePreview* back = id->tile(IdCardModePage::Back);

    if (mode == "card") {
        bar->TabWidget()->setCurrentIndex(1);
        const QImage frames[2] = {cardFrame(3), cardFrame(4)};
        Sample capture, merge;
        for (int i = 0; i < runs; ++i) {
            measure(
                capture, [&] { window.Handle_GotTakePhoto(frames[0]); },
                [&] { return front->hasImage; });
            measure(
                capture, [&] { window.Handle_GotTakePhoto(frames[1]); },
                [&] { return back->hasImage; });
            bar->WaitForSaves();
            const int before = announced.count();
            if (!measure(
                    merge, [&] { bar->Handle_ID_Save_Merge(); },
                    [&] { return announced.count() > before; }))
                std::printf("run %d: no merged page\n", i);
        }
        capture.print("card capture to tile (3264x2448)");
        merge.print("\"Merge\" to announced file (2200x3110 JPG 90)");
    } else if (mode == "book") {
        bar->TabWidget()->setCurrentIndex(3);
        const QImage frame = bookFrame(11);
        Sample preview, direct;
        for (int i = 0; i < runs; ++i)
            measure(
                preview, [&] { window.Handle_GotTakePhoto(frame); },
                [&] { return book->state() == 2; });
        QTest::mouseClick(book->saveDirectlyBox(), Qt::LeftButton);
        for (int i = 0; i < runs; ++i) {
            const int before = announced.count();
            measure(
                direct, [&] { window.Handle_GotTakePhoto(frame); },
                [&] { return announced.count() >= before + 2; });
        }
        preview.print("book capture to both tiles (3264x2448, flattening, grey)");
        direct.print("book capture to both files announced (JPG)");
    } else {
        bar->TabWidget()->setCurrentIndex(1);
        std::vector<QImage> frames;
        for (uint32_t s = 1; s <= 4; ++s)
            frames.push_back(cardFrame(s + 20));
        // A reader that keeps opening the intermediate files while they are rewritten.
        int reads = 0, unreadable = 0;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            for (const QString& path : {bar->Temp()->frontPath(), bar->Temp()->backPath()}) {
                if (!QFileInfo::exists(path))
                    continue;
                ++reads;
                if (QImageReader(path).read().isNull())
                    ++unreadable;
            }
        });
        reader.start(3);
        long rssFirst = 0;
        for (int i = 0; i < count; ++i) {
            const bool toFront = !front->hasImage;
            window.Handle_GotTakePhoto(frames[i % frames.size()]);
            waitFor([&] { return toFront ? front->hasImage : back->hasImage; });
            if (i % 2 == 0)
                continue;
            switch ((i / 2) % 4) {
                case 0:
                    id->exchangeSides();
                    break;
                case 1:
                    front->SetSelected(true);
                    id->rotateSide();
                    break;
                case 2:
                    bar->Handle_ID_Save_Sep();
                    break;
                default:
                    bar->Handle_ID_Save_Merge();
                    break;
            }
            if (i % 8 == 3) {
                // Whatever sides are left go into a file, so every round starts empty.
                bar->Handle_ID_Save_Sep();
            }
            if (i == 7) {
                bar->WaitForSaves();
                rssFirst = residentKiB();
            }
        }
        bar->Handle_ID_Save_Sep();
        bar->WaitForSaves();
        QCoreApplication::processEvents();
        reader.stop();
        const long rssAfter = residentKiB();
        QStringList paths;
        for (const QList<QVariant>& call : announced)
            paths << call.at(0).toString();
        const QSet<QString> distinct(paths.begin(), paths.end());
        int missing = 0;
        for (const QString& p : distinct)
            missing += QFileInfo::exists(p) ? 0 : 1;
        std::printf(
            "%d card captures with exchange, turn, Save and Merge: announcements %d, "
            "distinct %d, files %d, announced but missing %d\n",
            count, int(paths.size()), int(distinct.size()),
            int(QDir(outDir.path()).entryList(QDir::Files).size()), missing);
        std::printf("intermediate files read %d times, unreadable %d\n", reads, unreadable);
        std::printf(
            "resident memory after the first round %ld KiB, at the end %ld KiB, growth "
            "%.1f MB\n",
            rssFirst, rssAfter, (rssAfter - rssFirst) / 1024.0);
    }
    QFile loadavg("/proc/loadavg");
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("load average at the end: %s", loadavg.readAll().constData());
    return 0;
}
