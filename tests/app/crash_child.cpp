// A program that installs the fault report and then faults in the way its argument names. The
// crash test runs it and reads the report that it writes in its report mode.
#include "app/CrashHandler.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>

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
    const int report = CrashHandler::runReportModeIfRequested(argc, argv);
    if (report >= 0)
        return report;
    const std::map<std::string, void (*)()> faults = {
        {"segv", segvHere}, {"segv-thread", segvInThread}, {"fpe", fpeHere}, {"ill", illHere},
        {"abort", abort},   {"overflow", overflowHere}};
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
