// Measures how long the user waits for the window: from the moment the process is started to
// the first paint of the main window, over several runs, and prints every run and the median.
//
// Usage: bench_startup [runs=10] [program folder=build/bin]
// The platform is taken from QT_QPA_PLATFORM (offscreen when unset); run it under xvfb-run to
// measure a real X server. The program runs from a private copy of its folder so that a first
// start cannot change the Tesmora.ini of the build.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

long long wallClockMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000;
}

// The executable is copied (the program finds its files next to its real path); libraries,
// translations and the settings file are linked or copied beside it.
bool prepareFolder(const QString& binDir, const QString& target) {
    const QDir source(binDir);
    for (const QFileInfo& entry : source.entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries)) {
        const QString to = target + "/" + entry.fileName();
        const QString name = entry.fileName();
        if (name == "miravelo" || name == "Tesmora.ini") {
            if (!QFile::copy(entry.absoluteFilePath(), to))
                return false;
            QFile::setPermissions(to, entry.permissions() | QFileDevice::WriteOwner);
        } else if (name != "tmp" && !QFile::link(entry.absoluteFilePath(), to)) {
            return false;
        }
    }
    return QFile::exists(target + "/miravelo");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QString binDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(MIRAVELO_BIN_DIR);

    QTemporaryDir work;
    const QString programDir = work.path() + "/bin";
    QDir().mkpath(programDir);
    QDir().mkpath(work.path() + "/home");
    if (!prepareFolder(binDir, programDir)) {
        std::fprintf(stderr, "cannot prepare a copy of %s\n", qPrintable(binDir));
        return 2;
    }
    const QString stampFile = work.path() + "/first-paint";

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    if (!env.contains("MIRAVELO_CAMERA"))
        env.insert("MIRAVELO_CAMERA", "virtual");
    env.insert("MIRAVELO_FIRST_PAINT_FILE", stampFile);
    // A private home keeps the user's language choice and folders out of the measurement.
    env.insert("HOME", work.path() + "/home");
    env.insert("XDG_CONFIG_HOME", work.path() + "/home/.config");

    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(stampFile);
        QProcess program;
        program.setProcessEnvironment(env);
        program.setStandardErrorFile(QProcess::nullDevice());
        program.setStandardOutputFile(QProcess::nullDevice());
        const long long started = wallClockMicroseconds();
        program.start(programDir + "/miravelo", QStringList());
        if (!program.waitForStarted(10000)) {
            std::fprintf(stderr, "run %d: the program did not start\n", run + 1);
            return 1;
        }
        QElapsedTimer waited;
        waited.start();
        QByteArray stamp;
        while (waited.elapsed() < 30000 && program.state() == QProcess::Running) {
            QFile file(stampFile);
            if (file.open(QIODevice::ReadOnly)) {
                stamp = file.readAll().trimmed();
                if (!stamp.isEmpty())
                    break;
            }
            QThread::msleep(2);
        }
        program.terminate();
        if (!program.waitForFinished(5000)) {
            program.kill();
            program.waitForFinished(5000);
        }
        if (stamp.isEmpty()) {
            std::fprintf(stderr, "run %d: no first paint within 30 s\n", run + 1);
            return 1;
        }
        const double ms = (stamp.toLongLong() - started) / 1000.0;
        millis.push_back(ms);
        std::printf("run %2d: %8.1f ms\n", run + 1, ms);
    }
    std::vector<double> sorted = millis;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
    std::printf(
        "process start to first painted window, median of %zu runs: %.1f ms (min %.1f, "
        "max %.1f)\n",
        n, median, sorted.front(), sorted.back());
    return 0;
}
