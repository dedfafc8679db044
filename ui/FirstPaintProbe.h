#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Start-up measurement aid. When MIRAVELO_FIRST_PAINT_FILE names a file, the moment the given
// window is first painted is written there as microseconds since the epoch (wall clock), so a
// benchmark that noted the time it started the process can tell how long the user waited for
// the window. Without the variable nothing is installed and nothing is written.
class FirstPaintProbe : public QObject {
    Q_OBJECT

public:
    static void installIfRequested(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FirstPaintProbe(QWidget* window, const QString& file);
    QString m_file;
};
