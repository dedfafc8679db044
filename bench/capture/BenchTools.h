#pragma once

// Measuring helpers shared by the capture benchmarks: resident memory, CPU time of the GUI
// thread, medians, and a heartbeat that notices when the GUI thread stops serving its events.
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <time.h>

#include <algorithm>
#include <vector>

inline long residentKiB() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// CPU time of the calling thread in ms: what the GUI thread spent, whatever the machine's load
// (CLOCK_PROCESS_CPUTIME_ID: of all threads).
inline double threadCpuMs(clockid_t clock = CLOCK_THREAD_CPUTIME_ID) {
    timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

inline double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Records how long the GUI thread went without serving a 2 ms timer.
class Heartbeat : public QObject {
public:
    Heartbeat() {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const double gap = clock.nsecsElapsed() / 1e6;
            clock.restart();
            if (gap > 5.0) {
                blockedTotal += gap - 2.0;
                longest = std::max(longest, gap);
            }
        });
    }
    void start() {
        blockedTotal = longest = 0;
        clock.start();
        timer.start(2);
    }
    void stop() { timer.stop(); }
    QTimer timer;
    QElapsedTimer clock;
    double blockedTotal = 0, longest = 0;
};
