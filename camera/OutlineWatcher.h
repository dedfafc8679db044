#pragma once

#include "modes/ControlMode.h"

#include <QImage>
#include <QObject>
#include <QSize>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class ImageProcessor;

// The live outline detection on a thread of its own. Finding a page in an 8 MP frame takes tens
// of milliseconds; on the GUI thread that delayed the very frame it was run on and stalled the
// window every few frames. Only the newest frame waits to be looked at: one submitted while
// another waits replaces it, so the outline never trails the picture by more than one detection.
class OutlineWatcher : public QObject {
    Q_OBJECT

public:
    struct Found {
        quint64 ticket = 0;  // as submitted, to tell a result for an older picture
        ControlMode mode = DocMode;
        QSize frameSize;
        bool valid = false;           // the library answered (also when it found nothing)
        std::array<int, 8> quad{};    // the outline, or the left page in book mode
        std::array<int, 8> second{};  // the right page in book mode
    };

    explicit OutlineWatcher(QObject* parent = nullptr);
    // Waits for a detection in progress.
    ~OutlineWatcher() override;

    // Detects `mode`'s outline on `frame` with `processor` (kept alive until done).
    void submit(const QImage& frame, ControlMode mode, quint64 ticket,
                std::shared_ptr<ImageProcessor> processor);

signals:
    // From the watcher's thread, once per detection that was run.
    void detected(const OutlineWatcher::Found& found);

private:
    struct Job {
        QImage frame;
        ControlMode mode = DocMode;
        quint64 ticket = 0;
        std::shared_ptr<ImageProcessor> processor;
    };

    void run();
    static Found detect(Job& job);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_waiting = false;
    bool m_quit = false;
    Job m_next;
    std::thread m_thread;
};

Q_DECLARE_METATYPE(OutlineWatcher::Found)
