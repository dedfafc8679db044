// Cost of one preview frame tick on the GUI thread at 3264 x 2448 MJPG, without detection: the
// frame query through CCameraInterface, the scaling in CCamLabel and the painting of the label.
//
//   QT_QPA_PLATFORM=offscreen MIRAVELO_CAMERA=virtual bench_preview_tick [ticks]

#include "app/AppPaths.h"
#include "camera/CCamLabel.h"
#include "camera/CCameraInterface.h"
#include "camera/CCameraPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
// CPU time of the GUI thread: on a crowded machine the wall clock mostly measures waiting for a
// core, so both are reported.
double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 100;
    AppPaths::setApplicationDir(QCoreApplication::applicationDirPath());
    auto camera = std::make_unique<CCameraInterface>();
    if (camera->LoadCameraLibrary(false) != 1 || camera->InitCamera() != 1)
        return 1;
    std::unique_ptr<QStringList>(camera->GetDeviceList());
    std::unique_ptr<QStringList>(camera->GetResolutionList(0));
    if (camera->StartPreview(0, 3264, 2448, 1) != 1)
        return 1;

    CCameraPreview preview;
    preview.resize(1000, 700);
    preview.show();
    QElapsedTimer wait;
    wait.start();
    while (!camera->QueryFrame() && wait.elapsed() < 30000)
        QThread::msleep(10);

    std::vector<double> ms, queryMs, showMs, cpuMs;
    while (int(ms.size()) < ticks) {
        QThread::msleep(60);  // the MJPG frame timer's interval
        QElapsedTimer t;
        t.start();
        const double cpu0 = threadCpuMs();
        const QImage* frame = camera->QueryFrame();
        if (!frame)
            continue;  // no new frame at this tick: nothing to measure
        const double q = t.nsecsElapsed() / 1e6;
        preview.ShowFrame(frame);
        const double s = t.nsecsElapsed() / 1e6;
        preview.label()->repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
        cpuMs.push_back(threadCpuMs() - cpu0);
        queryMs.push_back(q);
        showMs.push_back(s - q);
        app.processEvents();
    }
    camera->StopPreview();
    std::sort(ms.begin(), ms.end());
    std::sort(queryMs.begin(), queryMs.end());
    std::sort(cpuMs.begin(), cpuMs.end());
    std::sort(showMs.begin(), showMs.end());
    std::printf("parts (medians): QueryFrame %.2f ms, scaling %.2f ms\n", queryMs[ms.size() / 2],
                showMs[ms.size() / 2]);
    std::printf(
        "GetFrameBuffer tick at 3264x2448 MJPG, 1000x700 label, no detection: median "
        "%.2f ms, 90th percentile %.2f ms over %zu ticks with a new frame\n",
        ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.size());
    std::printf("GUI-thread CPU time per tick: median %.2f ms\n", cpuMs[cpuMs.size() / 2]);
    return 0;
}
