// A program that installs the fault report and then faults in the way its argument names. The
// crash test runs it and reads the report that it writes in its report mode.
#include "app/CrashHandler.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>

#include <dirent.h>
#include <sched.h>
#include <fstream>
#include <unistd.h>

namespace {

volatile int g_zero = 0;
volatile int* volatile g_null = nullptr;

// Each fault sits in its own function, whose address the child prints first, so the test can
// check that the reported address lies inside that function.
__attribute__((noinline)) void segvHere() {
    *g_null = 42;
}
__attribute__((noinline)) void fpeHere() {
    g_zero = 7 / g_zero;
}
__attribute__((noinline)) void illHere() {
    __builtin_trap();
}
// The recursion goes through a pointer the compiler cannot see through, so that it neither
// warns about the endless recursion nor turns it into a loop.
void overflowHere();
void (*volatile g_recurse)() = &overflowHere;
__attribute__((noinline)) void overflowHere() {
    volatile char pad[4096];
    pad[0] = 1;
    g_recurse();
    pad[1] = pad[0];
}

// A worker that never sleeps, as a camera thread streaming frames.
std::atomic<bool> g_workerStarted{false};
void segvBesideABusyThread() {
    std::thread([] {
        g_workerStarted = true;
        for (volatile unsigned long spin = 0;; spin = spin + 1) {
        }
    }).detach();
    while (!g_workerStarted) {
    }
    segvHere();
}

// States of the crashed process's threads ("R" running, "S" sleeping, ...), read by the report
// process from /proc. The crashed process waits for its threads to park before it starts the
// report, so they are asleep by now; a few re-reads cover one still on its way into the pause.
std::string parentThreadStates() {
    std::string states;
    for (int tries = 0; tries < 200; ++tries) {
        states.clear();
        const std::string task = "/proc/" + std::to_string(getppid()) + "/task";
        DIR* dir = opendir(task.c_str());
        if (!dir)
            return "no parent";
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(task + "/" + entry->d_name + "/stat");
            std::string line;
            std::getline(stat, line);
            // The state follows the command name, which is in parentheses.
            const size_t close = line.rfind(')');
            if (close != std::string::npos && close + 2 < line.size())
                states += line[close + 2];
        }
        closedir(dir);
        if (states.find('R') == std::string::npos)
            break;
        sched_yield();
    }
    return states;
}

void segvInThread() {
    std::thread t([] {
        CrashHandler::install();
        segvHere();
    });
    t.join();
}

}  // namespace

int main(int argc, char** argv) {
    CrashHandler::install();
    // In its report mode the child records what the crashed process's threads were doing
    // while the box was up.
    const char* statesFile = getenv("CRASH_THREAD_STATES_FILE");
    if (statesFile && argc > 1 && std::string(argv[1]) == "--crash-report")
        std::ofstream(statesFile) << parentThreadStates();
    const int report = CrashHandler::runReportModeIfRequested(argc, argv);
    if (report >= 0)
        return report;
    const std::map<std::string, void (*)()> faults = {{"segv", segvHere},
                                                      {"segv-thread", segvInThread},
                                                      {"fpe", fpeHere},
                                                      {"ill", illHere},
                                                      {"abort", abort},
                                                      {"overflow", overflowHere},
                                                      {"segv-busy", segvBesideABusyThread}};
    const auto fault = argc > 1 ? faults.find(argv[1]) : faults.end();
    if (fault == faults.end())
        return 2;
    // The function that faults, for the test.
    printf("%p\n",
           reinterpret_cast<void*>(fault->second == segvInThread ? segvHere : fault->second));
    fflush(stdout);
    fault->second();
    return 2;
}
