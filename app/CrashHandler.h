#pragma once

#include <QString>
#include <cstdint>

// Last-chance fault report. A fault (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT) in any thread is
// turned into a Windows-style exception code and the address of the faulting instruction; the
// program then starts itself again in a report mode that shows the critical box "Error " with
// both, waits for the box to be closed and ends the faulting process. Nothing is saved, and
// every other thread of the faulting process is parked before the box appears, so the camera
// stream, the timers and the saves stop instead of working on behind the box.
//
// The handler runs on an alternate signal stack, so a stack overflow is reported too, and does
// only async-signal-safe work: the box is shown by a fresh process because nothing of Qt can be
// trusted inside a signal handler.
class CrashHandler {
public:
    // Installs the handler. Call first in main(); calling it again from another thread gives that
    // thread its own alternate stack (the signal actions are process-wide and set once).
    static void install();

    // When the command line is "<program> --crash-report <code> <address>", shows the box and
    // returns the exit code; otherwise returns -1 and the program starts normally. Call right after
    // install(), before the QApplication exists.
    //
    // With MIRAVELO_CRASH_REPORT_FILE=<file> in the environment the box text is also appended to
    // that file and the box closes at once, so a run without a user can check the report.
    static int runReportModeIfRequested(int argc, char** argv);

    // "c0000005" for SIGSEGV and SIGBUS, "c000001d" SIGILL, "c0000094" SIGFPE, "c0000409" SIGABRT.
    static uint32_t codeForSignal(int signalNumber);

    // The rich text of the box for a code and an address, both in lower-case hex without prefix
    // or leading zeros.
    static QString reportText(const QString& codeHex, const QString& addressHex);
};
