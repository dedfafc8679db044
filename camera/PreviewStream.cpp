#include "camera/PreviewStream.h"

#include <KELM_CamCtl.h>

#include <algorithm>

namespace {

// How soon the library is asked again when it had nothing newer: a new frame is picked up within
// this, far less than a camera frame, and an unanswered ask costs only a lock and a compare.
constexpr std::chrono::milliseconds kPoll(4);
// A frame that waited longer than this when the pace allows the next one is passed over for the
// one after it. Decoding a large MJPG frame takes about two camera frames; one that has already
// waited most of a frame would be three old by the time it is shown.
constexpr int kFreshMs = 2 * int(kPoll.count());

bool streamEnded(int r) {
    return r == KELM_CAMCTL_E_DEVICE_LOST || r == KELM_CAMCTL_E_STALLED ||
           r == KELM_CAMCTL_E_NOT_RUNNING;
}

}  // namespace

PreviewStream::PreviewStream(const Entries& entries, QObject* parent)
    : QObject(parent), m_entries(entries), m_thread(&PreviewStream::run, this) {}

PreviewStream::~PreviewStream() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_commands.push_back(Command{Command::Quit, 0, 0, 0, 0});
    }
    m_wake.notify_all();
    m_thread.join();
}

void PreviewStream::start(quint64 ticket, int device, int record, int paceMs) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_commands.push_back(Command{Command::Start, ticket, device, record, paceMs});
    }
    m_wake.notify_all();
}

int PreviewStream::stop() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_commands.push_back(Command{Command::Stop, 0, 0, 0, 0});
    const quint64 mine = ++m_stopsAsked;
    m_wake.notify_all();
    m_stopped.wait(lock, [&] { return m_stopsDone >= mine; });
    return m_stopResult;
}

void PreviewStream::requestCapture() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_capturesWanted;
    }
    m_wake.notify_all();
}

PreviewStream::Taken PreviewStream::take() {
    std::lock_guard<std::mutex> lock(m_mutex);
    Taken taken;
    taken.frame.swap(m_newest);
    taken.captures.swap(m_captures);
    taken.status = m_status;
    m_status = 0;
    m_notified = false;
    return taken;
}

void PreviewStream::notify(std::unique_lock<std::mutex>& lock) {
    if (m_notified)
        return;
    m_notified = true;
    lock.unlock();
    emit frameReady();
    lock.lock();
}

void PreviewStream::run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (!m_commands.empty()) {
            if (!runCommand(lock))
                return;
            continue;
        }
        if (!m_streaming) {
            m_wake.wait(lock);
            continue;
        }
        // A capture does not wait for the preview's pace: its frame is the next one to come.
        const bool capture = m_capturesWanted > 0;
        const Clock::time_point due = capture ? m_nextPoll : std::max(m_due, m_nextPoll);
        if (Clock::now() < due) {
            m_wake.wait_until(lock, due);
            continue;
        }
        fetchFrame(lock, capture);
    }
}

bool PreviewStream::runCommand(std::unique_lock<std::mutex>& lock) {
    const Command c = m_commands.front();
    m_commands.pop_front();
    if (c.kind == Command::Quit)
        return false;
    lock.unlock();
    int result = 0, status = 0;
    if (c.kind == Command::Start) {
        result = m_entries.start(c.device, c.record);
        status = m_entries.status ? m_entries.status(10) : -1;
    } else {
        result = m_entries.stop();
    }
    lock.lock();
    // Whatever the old stream left is not for the new one; the library forgets its capture mark
    // at every start and stop, and so does this.
    m_newest = QImage();
    m_captures.clear();
    m_capturesWanted = 0;
    m_captureMarked = false;
    m_staleChecked = false;
    m_status = 0;
    m_notified = false;
    if (c.kind == Command::Start) {
        m_streaming = result > 0;
        m_pace = std::chrono::milliseconds(c.paceMs);
        m_due = m_nextPoll = Clock::now();
        lock.unlock();
        emit started(c.ticket, result, status);
        lock.lock();
    } else {
        m_streaming = false;
        m_stopResult = result;
        ++m_stopsDone;
        m_stopped.notify_all();
    }
    return true;
}

void PreviewStream::fetchFrame(std::unique_lock<std::mutex>& lock, bool capture) {
    lock.unlock();
    if (capture && !m_captureMarked && m_entries.takePhoto) {
        m_entries.takePhoto();
        m_captureMarked = true;
    }
    // Once per paced frame, so that a thread woken late under load still shows something.
    if (!capture && !m_staleChecked && m_entries.skipStale) {
        m_staleChecked = true;
        m_entries.skipStale(kFreshMs);
    }
    const Clock::time_point began = Clock::now();
    QImage image;
    int width = 0, height = 0, length = 0;
    const int r = m_pool.fetch(m_entries.query, image, width, height, length);
    lock.lock();
    if (r == KELM_CAMCTL_NO_FRAME) {
        m_nextPoll = Clock::now() + kPoll;
        return;
    }
    m_status = r;
    if (!image.isNull()) {
        m_newest = image;
        // The library marks one frame at a time: the next capture is marked before its query.
        if (m_captureMarked) {
            m_captureMarked = false;
            m_capturesWanted = std::max(0, m_capturesWanted - 1);
            m_captures.append(image);
        }
        m_due = began + m_pace;
        m_nextPoll = began;
        m_staleChecked = false;
    } else if (streamEnded(r)) {
        m_streaming = false;  // nothing more will come until the stream is started again
    } else {
        // A frame the library had but that is not usable, or an error that may pass: asked
        // again at the preview's pace, not in a tight loop.
        m_captureMarked = m_captureMarked && r <= 0;
        m_nextPoll = Clock::now() + std::max(m_pace, kPoll);
    }
    notify(lock);
}
