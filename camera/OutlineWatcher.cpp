#include "camera/OutlineWatcher.h"

#include "modes/ImageProcessor.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
constexpr int kNiceness = 10;
}

OutlineWatcher::OutlineWatcher(QObject* parent) : QObject(parent) {
    qRegisterMetaType<OutlineWatcher::Found>();
    m_thread = std::thread(&OutlineWatcher::run, this);
}

OutlineWatcher::~OutlineWatcher() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void OutlineWatcher::submit(const QImage& frame, ControlMode mode, quint64 ticket,
                            std::shared_ptr<ImageProcessor> processor) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_next = Job{frame, mode, ticket, std::move(processor)};
        m_waiting = true;
    }
    m_wake.notify_all();
}

void OutlineWatcher::run() {
    // The outline may come a little late; the picture it is drawn over may not. A detection
    // that competes with the camera's decoding for the processor gives way to it.
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), kNiceness);
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_waiting; });
        if (m_quit)
            return;
        Job job = std::move(m_next);
        m_next = Job();
        m_waiting = false;
        lock.unlock();
        const Found found = detect(job);
        job = Job();  // the frame's pixels go back to the camera's pool before the report
        emit detected(found);
        lock.lock();
    }
}

OutlineWatcher::Found OutlineWatcher::detect(Job& job) {
    Found found;
    found.ticket = job.ticket;
    found.mode = job.mode;
    found.frameSize = job.frame.size();
    if (!job.processor || job.frame.isNull())
        return found;
    QImage* frame = &job.frame;  // the wrappers take a non-const image; they only read
    switch (job.mode) {
        case IDMode:
        case DocMode:
        case SheetMode: {
            std::unique_ptr<int[]> points(job.mode == IDMode
                                              ? job.processor->DetectCardCorners(frame)
                                              : job.processor->DetectDocCorners(frame));
            found.valid = points != nullptr;
            if (points)
                std::copy(points.get(), points.get() + 8, found.quad.begin());
            break;
        }
        case BookMode:
            found.valid = job.processor->DetectBookCorners(frame, found.quad.data(),
                                                           found.second.data()) >= 0;
            break;
        default:
            break;
    }
    return found;
}
