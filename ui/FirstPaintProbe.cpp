#include "ui/FirstPaintProbe.h"

#include <QEvent>
#include <QFile>
#include <QWidget>

#include <ctime>

namespace {
long long wallClockMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000;
}
}  // namespace

void FirstPaintProbe::installIfRequested(QWidget* window) {
    const QString file = qEnvironmentVariable("MIRAVELO_FIRST_PAINT_FILE");
    if (file.isEmpty() || !window)
        return;
    window->installEventFilter(new FirstPaintProbe(window, file));
}

FirstPaintProbe::FirstPaintProbe(QWidget* window, const QString& file)
    : QObject(window), m_file(file) {}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        const long long stamp = wallClockMicroseconds();
        QFile out(m_file);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(QByteArray::number(stamp) + "\n");
        // One measurement per run: stop filtering once the first paint is recorded.
        watched->removeEventFilter(this);
        deleteLater();
    }
    return false;
}
