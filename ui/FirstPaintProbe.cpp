#include "ui/FirstPaintProbe.h"

#include <QEvent>
#include <QFile>
#include <QWidget>

#include <ctime>

namespace {
qint64 wallClockMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000;
}
}  // namespace

FirstPaintProbe::FirstPaintProbe(QWidget* widget) : QObject(widget) {
    widget->installEventFilter(this);
}

void FirstPaintProbe::installIfRequested(QWidget* window) {
    const QString file = qEnvironmentVariable("MIRAVELO_FIRST_PAINT_FILE");
    if (file.isEmpty() || !window)
        return;
    auto* probe = new FirstPaintProbe(window);
    connect(probe, &FirstPaintProbe::painted, probe, [file](qint64 stamp) {
        QFile out(file);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(QByteArray::number(stamp) + "\n");
    });
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        // One report per widget: stop filtering once the first paint is seen.
        watched->removeEventFilter(this);
        deleteLater();
        emit painted(wallClockMicroseconds());
    }
    return false;
}
