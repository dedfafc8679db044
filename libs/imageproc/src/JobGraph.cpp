#include "JobGraph.h"

#include <opencv2/core/utility.hpp>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace imageproc {

int JobGraph::add(std::function<void()> job, std::vector<int> after) {
    m_jobs.push_back({std::move(job), std::move(after)});
    return int(m_jobs.size()) - 1;
}

void JobGraph::run() {
    enum State { Waiting, Running, Done, Failed };
    std::vector<State> state(m_jobs.size(), Waiting);
    std::mutex mutex;
    std::condition_variable finished;
    std::exception_ptr error;
    size_t started = 0;
    // Each of the threads takes the first job whose inputs are done, until none is left. A
    // thread waits only while another runs a job, which ends, so the graph cannot stall; a
    // thread alone finds a job ready at every turn and does them all.
    auto worker = [&](const cv::Range&) {
        std::unique_lock<std::mutex> lock(mutex);
        while (started < m_jobs.size()) {
            size_t next = m_jobs.size();
            bool doomed = false;
            for (size_t i = 0; i < m_jobs.size() && next == m_jobs.size(); ++i) {
                if (state[i] != Waiting)
                    continue;
                const auto& after = m_jobs[i].after;
                if (std::all_of(after.begin(), after.end(),
                                [&](int k) { return state[size_t(k)] >= Done; })) {
                    next = i;
                    doomed = std::any_of(after.begin(), after.end(),
                                         [&](int k) { return state[size_t(k)] == Failed; });
                }
            }
            if (next == m_jobs.size()) {
                finished.wait(lock);
                continue;
            }
            ++started;
            state[next] = Running;
            State outcome = Failed;
            if (!doomed) {
                lock.unlock();
                try {
                    m_jobs[next].work();
                    outcome = Done;
                } catch (...) {
                    lock.lock();
                    if (!error)
                        error = std::current_exception();
                    lock.unlock();
                }
                lock.lock();
            }
            state[next] = outcome;
            finished.notify_all();
        }
    };
    const int threads = std::max(1, std::min(int(m_jobs.size()), cv::getNumThreads()));
    cv::parallel_for_(cv::Range(0, threads), worker, double(threads));
    m_jobs.clear();
    if (error)
        std::rethrow_exception(error);
}

}  // namespace imageproc
