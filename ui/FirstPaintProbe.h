#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Tells once when a widget is first painted. The main window uses it to let itself appear before
// the slow start-up steps run; the start-up benchmark uses it through installIfRequested().
class FirstPaintProbe : public QObject {
    Q_OBJECT

public:
    explicit FirstPaintProbe(QWidget* widget);

    // When MIRAVELO_FIRST_PAINT_FILE names a file, the wall-clock moment of the window's first
    // paint is written there as microseconds since the epoch, so a benchmark that noted when it
    // started the process can tell how long the user waited. Without the variable nothing is
    // installed and nothing is written.
    static void installIfRequested(QWidget* window);

signals:
    void painted(qint64 wallClockMicroseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
