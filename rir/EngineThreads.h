#pragma once

#include <cstdlib>
#include <unistd.h>

// Tesseract runs parts of its work on OpenMP threads of its own, which only compete with our
// workers (one page each) for the cores. The OpenMP runtime reads its limit from the environment
// when it is loaded, before main() runs, so the process starts itself again with the limit set.
// Call first thing in main(); returns only when the limit is in force (or cannot be set).
inline void limitEngineThreads(char** argv) {
    if (std::getenv("OMP_THREAD_LIMIT"))
        return;
    if (setenv("OMP_THREAD_LIMIT", "1", 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    // Still here: the program goes on without the limit, only slower.
}
