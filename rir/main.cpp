// Rir: reads the text of pictures of pages into a searchable PDF and a plain text file.
#include "EngineThreads.h"
#include "OcrJob.h"
#include "RirCommandLine.h"
#include "RirWindow.h"
#include "app/Language.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QThread>
#include <QTranslator>
#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

int g_stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_stopPipe[1], &c, 1);
}

void printLine(FILE* stream, const QString& text) {
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

// Without a window: progress and notes as lines; Ctrl+C or a termination cancels like the
// window's Cancel, so no partial file is left.
void followOnTerminal(OcrJob* job) {
    // Printed on this thread, in the order the workers said it, and all before the end.
    QObject* here = QCoreApplication::instance();
    QObject::connect(job, &OcrJob::pageStarted, here,
                     [](int index, int total, const QString& file, const QImage&) {
                         printLine(stdout, QCoreApplication::translate("Rir", "Page %1 of %2: %3")
                                               .arg(index + 1)
                                               .arg(total)
                                               .arg(file));
                     });
    QObject::connect(job, &OcrJob::note, here,
                     [](const QString& text) { printLine(stderr, text); });
    if (::pipe(g_stopPipe) == 0) {
        // The notifier lives on this thread; the job on its own, and cancel() is safe from here.
        auto* notifier =
            new QSocketNotifier(g_stopPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [job, notifier] {
            notifier->setEnabled(false);
            job->cancel();
        });
        std::signal(SIGINT, onStopSignal);
        std::signal(SIGTERM, onStopSignal);
    }
}

}  // namespace

int main(int argc, char** argv) {
    limitEngineThreads(argv);
    const bool gui = !RirCommandLine::wantsNoGui(argc, argv);
    std::unique_ptr<QCoreApplication> app(gui ? new QApplication(argc, argv)
                                              : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("Rir"));
    QTranslator translator;
    Language::loadInto(translator);
    app->installTranslator(&translator);

    const RirCommandLine line = RirCommandLine::parse(app->arguments());
    std::unique_ptr<RirWindow> window;
    if (gui) {
        window = std::make_unique<RirWindow>();
        window->show();
    }
    for (const QString& note : line.notes)
        gui ? window->addNote(note) : printLine(stderr, note);
    if (!line.error.isEmpty()) {
        if (!gui) {
            printLine(stderr, line.error);
            return 1;
        }
        window->showFailure(line.error);
        return app->exec();
    }

    QThread thread;
    auto* job = new OcrJob(line.request);
    job->moveToThread(&thread);
    int status = OcrJob::Failed;
    QObject::connect(&thread, &QThread::started, job, &OcrJob::run);
    QObject::connect(
        job, &OcrJob::finished, app.get(),
        [&status, gui](int result, const QString& pdf, const QString& txt, const QString& message) {
            status = result;
            if (gui)
                return;
            printLine(result == OcrJob::Done ? stdout : stderr, message);
            if (result == OcrJob::Done) {
                printLine(stdout, pdf);
                printLine(stdout, txt);
            }
            QCoreApplication::exit(result);
        });
    if (gui)
        window->follow(job);
    else
        followOnTerminal(job);
    thread.start();
    const int result = app->exec();
    job->cancel();
    thread.quit();
    thread.wait();
    delete job;
    return gui ? result : status;
}
