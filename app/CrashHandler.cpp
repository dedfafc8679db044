#include "app/CrashHandler.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <time.h>
#include <limits.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

extern char** environ;

namespace {

const char kReportSwitch[] = "--crash-report";
const int kSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

// Everything the handler needs is prepared at install time: it must not allocate.
char g_executable[PATH_MAX];
std::atomic<bool> g_installed{false};
std::atomic<bool> g_handling{false};
// Threads that have entered the freeze handler; the report waits for all it signalled.
std::atomic<int> g_parked{0};
int g_freezeSignal = 0;
constexpr size_t kAltStackSize = 64 * 1024;
thread_local bool t_altStackSet = false;

// Lower-case hex without prefix or padding, written into buf (at least 17 bytes).
void toHex(uint64_t value, char* buf) {
    char tmp[17];
    int n = 0;
    do {
        tmp[n++] = "0123456789abcdef"[value & 0xf];
        value >>= 4;
    } while (value != 0);
    for (int i = 0; i < n; ++i)
        buf[i] = tmp[n - 1 - i];
    buf[n] = '\0';
}

uint64_t faultAddress(siginfo_t* info, void* context) {
#if defined(__x86_64__)
    if (context)
        return uint64_t(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
    if (context)
        return uint64_t(uint32_t(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_EIP]));
#elif defined(__aarch64__)
    if (context)
        return uint64_t(static_cast<ucontext_t*>(context)->uc_mcontext.pc);
#endif
    return info ? uint64_t(reinterpret_cast<uintptr_t>(info->si_addr)) : 0;
}

pid_t rawFork() {
    // The raw system call skips the fork handlers of the C library: the fault may have happened
    // inside malloc with its locks held, and those handlers would wait for them forever.
#if defined(SYS_fork)
    return pid_t(syscall(SYS_fork));
#else
    return fork();
#endif
}

void endProcess(int sig) {
    // Die of the same signal, so that a parent or a debugger sees what happened.
    struct sigaction dfl;
    memset(&dfl, 0, sizeof dfl);
    dfl.sa_handler = SIG_DFL;
    sigaction(sig, &dfl, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(sig);
    _exit(128 + sig);
}

// Parks a thread for the rest of the process's life: the report of a fault elsewhere is on
// screen, and nothing of the broken process may go on working meanwhile (the camera's capture
// thread, the GUI thread's timers, a save).
void onFreeze(int) {
    g_parked.fetch_add(1);
    for (;;)
        pause();
}

struct DirEntry64 {
    uint64_t inode;
    int64_t offset;
    unsigned short length;
    unsigned char type;
    char name[1];
};

pid_t parseTid(const char* name) {
    pid_t tid = 0;
    for (const char* c = name; *c; ++c) {
        if (*c < '0' || *c > '9')
            return 0;
        tid = tid * 10 + (*c - '0');
    }
    return tid;
}

// Sends the freeze signal to every thread of the process but the calling one and returns how
// many were signalled. Threads are listed until a pass finds no new one, so one that was being
// started is caught too. Only system calls: no allocation, no locks.
int signalOtherThreads() {
    const pid_t self = pid_t(syscall(SYS_gettid));
    const pid_t process = getpid();
    constexpr int kMaxThreads = 512;
    pid_t frozen[kMaxThreads];
    int frozenCount = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const int fd = open("/proc/self/task", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return frozenCount;
        bool foundNew = false;
        alignas(8) char buffer[4096];
        long n;
        while ((n = syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0) {
            for (long at = 0; at < n;) {
                const auto* entry = reinterpret_cast<const DirEntry64*>(buffer + at);
                at += entry->length;
                const pid_t tid = parseTid(entry->name);
                bool known = tid <= 0 || tid == self;
                for (int i = 0; i < frozenCount && !known; ++i)
                    known = frozen[i] == tid;
                if (known)
                    continue;
                syscall(SYS_tgkill, process, tid, g_freezeSignal);
                if (frozenCount < kMaxThreads)
                    frozen[frozenCount++] = tid;
                foundNew = true;
            }
        }
        close(fd);
        if (!foundNew)
            return frozenCount;
    }
    return frozenCount;
}

// Parks the other threads before the report shows, and waits (briefly: a thread that blocks the
// signal never answers) until they have stopped, so that none is still at work behind the box.
void freezeOtherThreads() {
    const int signalled = signalOtherThreads();
    timespec start{}, t{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    while (g_parked.load() < signalled) {
        sched_yield();
        clock_gettime(CLOCK_MONOTONIC, &t);
        if ((t.tv_sec - start.tv_sec) * 1000 + (t.tv_nsec - start.tv_nsec) / 1000000 > 500)
            return;
    }
}

void onFault(int sig, siginfo_t* info, void* context) {
    // One report per process: a second fault (another thread, or this handler) just ends it.
    if (g_handling.exchange(true))
        endProcess(sig);
    freezeOtherThreads();

    char code[17];
    char address[17];
    toHex(CrashHandler::codeForSignal(sig), code);
    toHex(faultAddress(info, context), address);

    if (g_executable[0] != '\0') {
        char* const argv[] = {g_executable, const_cast<char*>(kReportSwitch), code, address,
                              nullptr};
        const pid_t child = rawFork();
        if (child == 0) {
            execve(g_executable, argv, environ);
            _exit(127);
        }
        if (child > 0) {
            int status = 0;
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
    endProcess(sig);
}

void setAltStackForThisThread() {
    if (t_altStackSet)
        return;
    // Leaked on purpose: the stack must outlive any fault of this thread.
    void* mem = malloc(kAltStackSize);
    if (!mem)
        return;
    stack_t ss;
    memset(&ss, 0, sizeof ss);
    ss.ss_sp = mem;
    ss.ss_size = kAltStackSize;
    if (sigaltstack(&ss, nullptr) == 0)
        t_altStackSet = true;
    else
        free(mem);
}

}  // namespace

uint32_t CrashHandler::codeForSignal(int signalNumber) {
    switch (signalNumber) {
        case SIGILL:
            return 0xc000001du;
        case SIGFPE:
            return 0xc0000094u;
        case SIGABRT:
            return 0xc0000409u;
        case SIGSEGV:
        case SIGBUS:
        default:
            return 0xc0000005u;
    }
}

void CrashHandler::install() {
    setAltStackForThisThread();
    if (g_installed.exchange(true))
        return;
    const ssize_t n = readlink("/proc/self/exe", g_executable, sizeof g_executable - 1);
    g_executable[n > 0 ? n : 0] = '\0';

    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = onFault;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &sa, nullptr);

    // A real-time signal nobody else uses parks the other threads while the report is shown.
    g_freezeSignal = SIGRTMIN + 6;
    struct sigaction freeze;
    memset(&freeze, 0, sizeof freeze);
    freeze.sa_handler = onFreeze;
    freeze.sa_flags = SA_ONSTACK;
    sigfillset(&freeze.sa_mask);
    sigaction(g_freezeSignal, &freeze, nullptr);
}

QString CrashHandler::reportText(const QString& codeHex, const QString& addressHex) {
    // These two literals stay English in every language, as the box may appear before or without
    // any translation.
    return QStringLiteral(
               "<FONT size=4><div><b>Sorry,We have met one Error,Please connect the Administrator "
               "</b><br/></div>") +
           QStringLiteral("<div>The Error Code:%1</div><div>The Error Address:%2</div></FONT>")
               .arg(codeHex, addressHex);
}

int CrashHandler::runReportModeIfRequested(int argc, char** argv) {
    if (argc < 4 || strcmp(argv[1], kReportSwitch) != 0)
        return -1;

    // A fault inside the report itself is not reported again.
    for (int sig : kSignals)
        signal(sig, SIG_DFL);

    // The box shows rich text: anything but a plain hex number from the command line is dropped.
    auto hexOnly = [](const char* arg) {
        QString out;
        for (const char* c = arg; *c && out.size() < 16; ++c) {
            if (isxdigit(static_cast<unsigned char>(*c)))
                out += QLatin1Char(char(tolower(static_cast<unsigned char>(*c))));
        }
        return out.isEmpty() ? QStringLiteral("0") : out;
    };
    const QString text = reportText(hexOnly(argv[2]), hexOnly(argv[3]));
    const QString reportFile = qEnvironmentVariable("MIRAVELO_CRASH_REPORT_FILE");
    // Also on the error stream, for a machine where no box can be shown.
    fprintf(stderr, "Error: code %s, address %s\n", qPrintable(hexOnly(argv[2])),
            qPrintable(hexOnly(argv[3])));

    int fakeArgc = 1;
    QApplication app(fakeArgc, argv);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error "), text, QMessageBox::Ok);
    box.setTextFormat(Qt::RichText);
    if (!reportFile.isEmpty()) {
        QFile f(reportFile);
        if (f.open(QIODevice::WriteOnly | QIODevice::Append))
            f.write(box.windowTitle().toUtf8() + '\n' + box.text().toUtf8() + '\n');
        QTimer::singleShot(0, &box, &QMessageBox::accept);
    }
    box.exec();
    return 0;
}
