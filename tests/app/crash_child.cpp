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

void announce(void* fn) {
    printf("%p\n", fn);
    fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    CrashHandler::install();
    const int report = CrashHandler::runReportModeIfRequested(argc, argv);
    if (report >= 0)
        return report;
    if (argc < 2)
        return 2;
    const char* what = argv[1];
    if (!strcmp(what, "segv")) {
        announce(reinterpret_cast<void*>(&segvHere));
        segvHere();
    } else if (!strcmp(what, "segv-thread")) {
        announce(reinterpret_cast<void*>(&segvHere));
        std::thread t([] {
            CrashHandler::install();
            segvHere();
        });
        t.join();
    } else if (!strcmp(what, "fpe")) {
        announce(reinterpret_cast<void*>(&fpeHere));
        return fpeHere();
    } else if (!strcmp(what, "ill")) {
        announce(reinterpret_cast<void*>(&illHere));
        illHere();
    } else if (!strcmp(what, "abort")) {
        announce(nullptr);
        abort();
    } else if (!strcmp(what, "overflow")) {
        announce(reinterpret_cast<void*>(&overflowHere));
        overflowHere(0);
    }
    return 0;
}
