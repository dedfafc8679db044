#pragma once

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>

#include "modes/ImageProcessor.h"

// Runs a scan mode's heavy work (card calibration, page composition, book splitting, writing
// intermediate files) off the GUI thread, one job after the other in the order queued, so that a
// job that reads an intermediate file always runs after the job that wrote it.
//
// A job gets the worker's own ImageProcessor (the wrapper keeps per-call state, and the preview
// uses the bar's one on the GUI thread at the same time) and may return a continuation, which
// runs on the GUI thread afterwards. Continuations are dropped when the worker is destroyed, so
// they may refer to the object that owns the worker; the jobs themselves must only use what they
// captured by value.
class ModeWorker {
public:
    using Then = std::function<void()>;
    using Job = std::function<Then(ImageProcessor&)>;

    ModeWorker();
    // Lets the queued jobs finish; their continuations no longer run.
    ~ModeWorker();
    ModeWorker(const ModeWorker&) = delete;
    ModeWorker& operator=(const ModeWorker&) = delete;

    void run(Job job);
    // True while a job is queued or running or its continuation has not run yet.
    bool busy() const { return m_pending.load() > 0; }
    // Runs every job and continuation queued so far (and those they queue); false on timeout.
    bool waitForIdle(int msecs = 30000);

private:
    ImageProcessor m_processor;
    QObject m_receiver;  // lives on the GUI thread; carries the continuations there
    QThreadPool m_pool;
    std::atomic<int> m_pending{0};
};
