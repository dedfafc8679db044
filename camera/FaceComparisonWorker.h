#pragma once

#include <QImage>
#include <QObject>

#include "camera/FaceLibrary.h"

// Runs face comparisons on its own thread, so the preview never waits for one. Each request
// carries its run number back with the result, so the window can drop answers that arrive after
// the comparison was stopped or restarted.
class FaceComparisonWorker : public QObject {
    Q_OBJECT

public slots:
    void compare(quint64 run, FaceLibrary library, QImage face, QImage main);

signals:
    void compared(quint64 run, double similarity, QImage face);
};
