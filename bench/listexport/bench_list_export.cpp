// The export dialog and printing as a user drives them, with 50 captures of 3264 x 2448 saved as
// the capture pipeline saves them (rendered desk scenes, JPEG quality 90).
//
//   bench_list_export [--data DIR]
//
// 1. PDF of the 50 captures from the dialog: time from the generate press to the finished
//    document, the longest gap of a 1 ms heartbeat on the GUI thread meanwhile, the document's
//    size against the sum of the JPEG sizes, and qpdf --check.
// 2. 500 pages (each capture under ten names): resident memory before and at its highest while
//    the document is made.
// 3. 10 captures printed to a PDF file as the print dialog's "Print to file" does: page count,
//    the pictures' order (pdfimages) and where each lies on its page.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <opencv2/core.hpp>

#include "app/AppPaths.h"
#include "output/Dialog_ImagesOutPut.h"
#include "output/ImageFileWriter.h"
#include "output/ImagePrinter.h"
#include "scene/Scene.h"

// Documents are not handed to a viewer during the runs.
class OpenedDocuments : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl&) {}
};

namespace {

long vmRssKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    long kib = -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (std::sscanf(line.constData(), "VmRSS: %ld", &kib) == 1)
            break;
    return kib;
}

QString runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(-1);
    return QString::fromUtf8(p.readAll()).trimmed();
}

// The captures, made once and kept: a document page each, saved like a capture.
QStringList captures(const QString& folder, int count) {
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path =
            QDir(folder).filePath(QString("IMG%1.jpg").arg(i + 1, 4, 10, QChar('0')));
        if (!QFileInfo::exists(path)) {
            scene::Params params =
                scene::randomParams(scene::Object::Document, uint32_t(i + 1), 3264, 2448);
            const scene::Scene s = scene::render(params);
            const QImage image(s.rgb.data, s.rgb.cols, s.rgb.rows, int(s.rgb.step),
                               QImage::Format_RGB888);
            if (!ImageFileWriter::write(image, path, "JPG", 90))
                return {};
        }
        paths << path;
    }
    return paths;
}

struct Run {
    double seconds = 0;
    double longestGapMs = 0;
    long rssBeforeKiB = 0;
    long rssPeakKiB = 0;
    int result = 0;
    QString document;
};

// Presses generate in a fresh dialog and runs the event loop until the document is done, with a
// 1 ms heartbeat on the GUI thread that notes its longest gap and the resident memory.
Run exportFromDialog(const QStringList& files, const QString& folder) {
    Dialog_ImagesOutPut dialog(nullptr, Dialog_ImagesOutPut::PdfMode, folder);
    for (const QString& file : files)
        dialog.addImagePath(file);
    dialog.show();
    QApplication::processEvents();
    Run run;
    run.rssBeforeKiB = vmRssKiB();
    run.rssPeakKiB = run.rssBeforeKiB;
    QElapsedTimer clock, beat;
    QTimer heartbeat;
    heartbeat.setInterval(1);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        run.longestGapMs = std::max(run.longestGapMs, beat.nsecsElapsed() / 1e6);
        run.rssPeakKiB = std::max(run.rssPeakKiB, vmRssKiB());
        beat.restart();
    });
    QEventLoop loop;
    QObject::connect(&dialog, &Dialog_ImagesOutPut::Signal_OutputFinished,
                     [&](int result, const QString& path) {
                         run.seconds = clock.nsecsElapsed() / 1e9;
                         run.result = result;
                         run.document = path;
                         loop.quit();
                     });
    heartbeat.start();
    beat.start();
    clock.start();
    dialog.findChild<QPushButton*>("Btn_Output")->click();
    loop.exec();
    heartbeat.stop();
    return run;
}

qint64 totalSize(const QStringList& files) {
    qint64 sum = 0;
    for (const QString& f : files)
        sum += QFileInfo(f).size();
    return sum;
}

void benchPdf(const QStringList& files, const QString& out) {
    std::printf("== 50 captures to PDF from the dialog\n");
    for (int round = 1; round <= 3; ++round) {
        const Run run = exportFromDialog(files, out);
        const qint64 pictures = totalSize(files), document = QFileInfo(run.document).size();
        std::printf(
            "round %d: result %d, %.3f s to the finished document, longest GUI gap "
            "%.1f ms, document %lld bytes = %.3f %% of the %lld JPEG bytes\n",
            round, run.result, run.seconds, run.longestGapMs, (long long)document,
            100.0 * document / pictures, (long long)pictures);
        if (round == 1)
            std::printf("qpdf --check:\n%s\n",
                        qPrintable(runTool("qpdf", {"--check", run.document})));
        QFile::remove(run.document);
    }
}

void benchMemory(const QStringList& files, const QString& out) {
    std::printf("== 500 pages\n");
    const QString links = QDir(out).filePath("links");
    QDir().mkpath(links);
    QStringList pages;
    for (int i = 0; i < 500; ++i) {
        const QString name = QDir(links).filePath(QString("page%1.jpg").arg(i));
        QFile::link(files[i % files.size()], name);
        pages << name;
    }
    const Run run = exportFromDialog(pages, out);
    std::printf(
        "result %d in %.2f s, resident memory %ld KiB before, %ld KiB at most: "
        "growth %.1f MB, longest GUI gap %.1f ms\n",
        run.result, run.seconds, run.rssBeforeKiB, run.rssPeakKiB,
        (run.rssPeakKiB - run.rssBeforeKiB) / 1024.0, run.longestGapMs);
    QFile::remove(run.document);
    QDir(links).removeRecursively();
}

void benchPrint(const QStringList& files, const QString& out) {
    std::printf("== 10 captures printed to a PDF file\n");
    // Every other capture turned upright, so that the order shows in the picture sizes.
    QStringList selection;
    for (int i = 0; i < 10; ++i) {
        QString path = files[i];
        if (i % 2) {
            path = QDir(out).filePath(QString("upright%1.png").arg(i));
            QImage(files[i]).scaled(1224, 1632 + i).save(path);
        }
        selection << path;
    }
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(out).filePath("printed.pdf"));
    QElapsedTimer clock;
    clock.start();
    const int pages = ImagePrinter::print(selection, &printer);
    std::printf(
        "%d pages in %.2f s; printable area %s px at %d dpi\n", pages, clock.nsecsElapsed() / 1e9,
        qPrintable(QString("%1 x %2")
                       .arg(printer.pageLayout().paintRectPixels(printer.resolution()).width())
                       .arg(printer.pageLayout().paintRectPixels(printer.resolution()).height())),
        printer.resolution());
    std::printf(
        "%s\n",
        qPrintable(
            runTool("pdfinfo", {printer.outputFileName()}).split('\n').filter("Pages").join(' ')));
    std::printf("pdfimages -list (page, size):\n%s\n",
                qPrintable(runTool("pdfimages", {"-list", printer.outputFileName()})));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
    OpenedDocuments opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    QString data = QStringLiteral(BENCH_DATA_DIR);
    const QStringList args = app.arguments();
    if (args.indexOf("--data") > 0)
        data = args.value(args.indexOf("--data") + 1);
    const QStringList files = captures(data, 50);
    if (files.size() != 50) {
        std::fprintf(stderr, "cannot write the captures into %s\n", qPrintable(data));
        return 1;
    }
    const QString out = QDir(data).filePath("out");
    QDir().mkpath(out);
    benchPdf(files, out);
    benchMemory(files, out);
    benchPrint(files, out);
    return 0;
}

#include "bench_list_export.moc"
