#pragma once

#include <QImage>
#include <QList>
#include <QObject>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "camera/FrameBufferPool.h"

// The main camera's preview on a thread of its own. Starting a stream makes the driver negotiate,
// which a slow camera draws out to seconds, and each frame of a large MJPG stream takes tens of
// milliseconds to decode: neither may hold up the window. The thread starts the library's
// preview, then fetches and decodes frames at the preview's pace and keeps only the newest one
// for the window to take; a frame that answers a capture request is kept until taken, so no
// capture is lost to a newer frame. Frames are images over pooled buffers: handing one over
// copies no pixels.
//
// All calls but the signals' emission come from the thread that owns the object.
class PreviewStream : public QObject {
    Q_OBJECT

public:
    using StartFn = int(int, int);
    using StopFn = int();
    using PhotoFn = int();
    using StatusFn = int(int);
    using SkipStaleFn = int(int);

    struct Entries {
        StartFn* start = nullptr;
        FrameBufferPool::QueryFn* query = nullptr;
        StopFn* stop = nullptr;
        PhotoFn* takePhoto = nullptr;
        StatusFn* status = nullptr;
        SkipStaleFn* skipStale = nullptr;  // optional: without it frames may wait to be decoded
    };

    // What take() hands over.
    struct Taken {
        QImage frame;            // the newest frame not taken yet, or null
        QList<QImage> captures;  // frames decoded for capture requests, oldest first
        // 1 with a frame; 0 nothing new; otherwise the library's answer to the last query
        // (negative once the stream has ended, KELM_CAMCTL_E_DEVICE_LOST for example).
        int status = 0;
    };

    explicit PreviewStream(const Entries& entries, QObject* parent = nullptr);
    // Stops a running stream (waiting for a start in progress) and ends the thread.
    ~PreviewStream() override;

    // Queues the start of record `record` of `device`; started() reports the library's answer
    // with `ticket`. Frames are then decoded no more often than every `paceMs`.
    void start(quint64 ticket, int device, int record, int paceMs);
    // Stops the stream and returns the library's answer. It waits for the frame or the start
    // the thread is busy with: callers avoid it while a start is pending.
    int stop();
    // The next frame decoded is a capture (one per call), decoded exactly and kept until taken.
    void requestCapture();
    Taken take();

signals:
    // From the stream's thread: the start with this ticket answered `result`; `status` is the
    // library's status 10 right after it.
    void started(quint64 ticket, int result, int status);
    // From the stream's thread: there is something to take(). Not repeated until it is taken.
    void frameReady();

private:
    using Clock = std::chrono::steady_clock;
    struct Command {
        enum Kind { Start, Stop, Quit } kind;
        quint64 ticket;
        int device;
        int record;
        int paceMs;
    };

    void run();
    // With the lock held: runs one command, unlocking around the library call.
    bool runCommand(std::unique_lock<std::mutex>& lock);
    // With the lock held: fetches one frame, unlocking around the decode.
    void fetchFrame(std::unique_lock<std::mutex>& lock, bool capture);
    void notify(std::unique_lock<std::mutex>& lock);

    const Entries m_entries;
    FrameBufferPool m_pool;  // used on the stream's thread only

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_stopped;
    std::deque<Command> m_commands;
    bool m_streaming = false;
    std::chrono::milliseconds m_pace{0};
    Clock::time_point m_due;       // the pace allows the next frame from here
    Clock::time_point m_nextPoll;  // the library had nothing newer: not asked again before
    int m_capturesWanted = 0;
    bool m_captureMarked = false;  // the library was told the next frame is a capture
    bool m_staleChecked = false;   // the frame waiting when the pace allowed one was looked at
    QImage m_newest;
    QList<QImage> m_captures;
    int m_status = 0;
    bool m_notified = false;
    quint64 m_stopsAsked = 0;
    quint64 m_stopsDone = 0;
    int m_stopResult = 0;

    std::thread m_thread;
};
