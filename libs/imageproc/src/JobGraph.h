#pragma once

#include <functional>
#include <vector>

namespace imageproc {

// Jobs that may run side by side on OpenCV's threads, each once the jobs it needs are done.
// OpenCV runs a parallel loop inside another one on a single thread, so a job cannot share out
// work of its own; what follows from it is added here as a job of its own instead, and starts as
// soon as its inputs are there, beside whatever else is still running.
// A job must write only its own results; they are joined after run(), in a fixed order, so the
// outcome is the same whether the jobs ran one after the other or side by side.
class JobGraph {
public:
    // Returns the job's number. after: numbers of jobs already added that must be done first.
    // Among the jobs ready to start, the one added first starts first.
    int add(std::function<void()> job, std::vector<int> after = {});

    // Runs every job and returns once all are done. A job that throws stops those that need it;
    // the first exception is thrown again here.
    void run();

private:
    struct Job {
        std::function<void()> work;
        std::vector<int> after;
    };
    std::vector<Job> m_jobs;
};

}  // namespace imageproc
