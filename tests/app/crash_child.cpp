// A program that installs the fault report and then faults in the way its argument names. The
// crash test runs it and reads the report that it writes in its report mode.
#include "app/CrashHandler.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

volatile int g_zero = 0;
volatile int* volatile g_null = nullptr;

// Each fault sits in its own function, whose address the child prints first, so the test can
// check that the reported address lies inside that function.
__attribute__((noinline)) void segvHere() {
    *g_null = 42;
}
__attribute__((noinline)) int fpeHere() {
    return 7 / g_zero;
}
__attribute__((noinline)) void illHere() {
    __builtin_trap();
}
// The recursion goes through a pointer the compiler cannot see through, so that it neither
// warns about the endless recursion nor turns it into a loop.
void overflowHere(int depth);
void (*volatile g_recurse)(int) = &overflowHere;
__attribute__((noinline)) void overflowHere(int depth) {
    volatile char pad[4096];
    pad[0] = char(depth);
    g_recurse(depth + pad[0] + 1);
    pad[1] = 0;
}

void segvInThread() {
    std::thread t([] {
        CrashHandler::install();
        segvHere();
    });
    t.join();
}

struct Fault {
    const char* name;
    void* function;  // where the fault happens, printed for the test
    void (*provoke)();
};

}  // namespace

int main(int argc, char** argv) {
    CrashHandler::install();
    const int report = CrashHandler::runReportModeIfRequested(argc, argv);
    if (report >= 0)
        return report;
    const Fault faults[] = {
        {"segv", reinterpret_cast<void*>(&segvHere), [] { segvHere(); }},
        {"segv-thread", reinterpret_cast<void*>(&segvHere), &segvInThread},
        {"fpe", reinterpret_cast<void*>(&fpeHere), [] { g_zero = fpeHere(); }},
        {"ill", reinterpret_cast<void*>(&illHere), [] { illHere(); }},
        {"abort", nullptr, [] { abort(); }},
        {"overflow", reinterpret_cast<void*>(&overflowHere), [] { overflowHere(0); }},
    };
    for (const Fault& f : faults) {
        if (argc > 1 && !strcmp(argv[1], f.name)) {
            printf("%p\n", f.function);
            fflush(stdout);
            f.provoke();
        }
    }
    return 2;
}
