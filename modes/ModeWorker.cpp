#include "modes/ModeWorker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

ModeWorker::ModeWorker() {
    m_processor.Load();
    // One thread: jobs run strictly in the order queued.
    m_pool.setMaxThreadCount(1);
    // Kept alive between captures: a new thread per capture would cost more than it saves.
    m_pool.setExpiryTimeout(-1);
}

ModeWorker::~ModeWorker() {
    m_pool.waitForDone();
}

void ModeWorker::run(Job job) {
    ++m_pending;
    m_pool.start([this, job = std::move(job)] {
        Then then = job(m_processor);
        if (!then) {
            --m_pending;
            return;
        }
        QMetaObject::invokeMethod(
            &m_receiver,
            [this, then = std::move(then)] {
                then();
                --m_pending;
            },
            Qt::QueuedConnection);
    });
}

bool ModeWorker::waitForIdle(int msecs) {
    QDeadlineTimer deadline(msecs);
    while (busy()) {
        if (deadline.hasExpired())
            return false;
        m_pool.waitForDone(int(qBound<qint64>(1, deadline.remainingTime(), 100)));
        QCoreApplication::sendPostedEvents(&m_receiver);
    }
    return true;
}
