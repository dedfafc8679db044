// bench_ocr: text recognition by Rir on captured pages of known text.
//
// Each page is typeset (the text is recorded beside it), laid on the desk of the rendered scene,
// photographed at 3264 x 2448 with perspective, light fall-off, noise and blur, then cut out along
// its true outline and straightened (about 1750 x 2480) as a capture is: the "captured A4 page".
//
// Measures: engine load and one English page; ten pages with one worker and with one per core
// (Tesseract's own threading off); the character error rate per language; and the PDF of the ten
// pages (size against its JPEGs plus text, qpdf --check, pdftotext against the recognised text).
//
// Run: build/bench/bench_ocr [--pages 10] [--runs 3] [--keep DIR]
#include "EngineThreads.h"
#include "OcrBenchTexts.h"
#include "OcrJob.h"
#include "OcrLanguages.h"
#include "textread/Orientation.h"
#include "PageRecognizer.h"

#include <scene/Scene.h>

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <ctime>
#include <cstdio>

namespace {

constexpr int kPageW = 1750, kPageH = 2480;

QImage typeset(const QString& text, const char* family, int pixels = 38) {
    QImage face(kPageW, kPageH, QImage::Format_RGB888);
    face.fill(QColor(246, 245, 240));
    QPainter p(&face);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    p.setFont(font);
    p.setPen(QColor(25, 25, 30));
    p.drawText(QRect(170, 200, kPageW - 340, kPageH - 400), Qt::TextWordWrap | Qt::AlignTop, text);
    return face;
}

// The page on the desk under the camera, then cut along its true corners.
QImage capture(const QImage& face, uint32_t seed) {
    scene::Params p = scene::randomParams(scene::Object::Document, seed, 3264, 2448);
    p.objectWidthMm = 210;
    p.objectHeightMm = 297;
    p.centerMm = {0, 0};
    // The page lies across the frame, seen at about 8.3 pixels per millimetre: cut out, it is
    // about 1750 x 2480 like a capture of an A4 page.
    p.rotationDeg = 90.0 + std::fmod(p.rotationDeg, 4.0) - 2.0;
    p.fieldWidthMm = 391.0;
    p.tiltXDeg = std::clamp(p.tiltXDeg, -3.0, 3.0);
    p.tiltYDeg = std::clamp(p.tiltYDeg, -3.0, 3.0);
    p.castShadow = false;
    const QImage rgb = face.convertToFormat(QImage::Format_RGB888);
    p.printedFace = cv::Mat(rgb.height(), rgb.width(), CV_8UC3, const_cast<uchar*>(rgb.bits()),
                            size_t(rgb.bytesPerLine()))
                        .clone();
    const cv::Mat page = scene::flatObject(scene::render(p));
    return QImage(page.data, page.cols, page.rows, int(page.step), QImage::Format_RGB888).copy();
}

QString normalise(QString s, bool cjk) {
    s.replace(QChar(0x2019), '\'').replace(QChar(0x2018), '\'');
    s.replace(QChar(0x201C), '"').replace(QChar(0x201D), '"');
    s = s.simplified();
    if (cjk)
        s.remove(' ');
    return s;
}

double errorRate(const QString& truth, const QString& read) {
    const QVector<uint> a = truth.toUcs4(), b = read.toUcs4();
    std::vector<int> row(size_t(b.size()) + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[size_t(j)] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diag = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int up = row[size_t(j)];
            row[size_t(j)] =
                std::min({up + 1, row[size_t(j) - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diag = up;
        }
    }
    return a.isEmpty() ? 0 : 100.0 * row[size_t(b.size())] / a.size();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

QString runTool(const QString& program, const QStringList& args, int* code = nullptr) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(-1);
    if (code)
        *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// Runs the whole job as Rir does; returns seconds, and the PDF made.
double runJob(const QStringList& files, int workers, const QString& out, QString* pdf,
              double* cpu) {
    OcrRequest r;
    r.files = files;
    r.languages = QStringLiteral("eng");
    r.outputFolder = out;
    r.dataPath = textread::dataFolder();
    r.workers = workers;
    OcrJob job(r);
    QObject::connect(
        &job, &OcrJob::finished, &job,
        [pdf](int status, const QString& made, const QString&, const QString& m) {
            if (status != OcrJob::Done)
                std::printf("job failed: %s\n", qPrintable(m));
            *pdf = made;
        },
        Qt::DirectConnection);
    QElapsedTimer t;
    t.start();
    const double cpu0 = cpuSeconds();
    job.run();
    *cpu = cpuSeconds() - cpu0;
    return t.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    limitEngineThreads(argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser cl;
    cl.addOptions({{"pages", "pages of the parallel run", "n", "10"},
                   {"runs", "runs of the one-page timing", "n", "3"},
                   {"keep", "folder that keeps the pages and their texts", "dir"}});
    cl.process(app);
    QTemporaryDir temp;
    const QString dir = cl.isSet("keep") ? cl.value("keep") : temp.path();
    QDir().mkpath(dir);
    const int pages = cl.value("pages").toInt();
    const QString data = textread::dataFolder();
    std::printf("cores %d, OMP_THREAD_LIMIT=1, data %s\n", QThread::idealThreadCount(),
                qPrintable(data));

    // Full English pages (the text three times, in 11.5 point type), each photographed with its
    // own seed.
    QStringList files;
    const QString english = QString::fromUtf8(kOcrBenchTexts[0].text);
    const QString fullPage = QStringList{english, english, english}.join("\n\n");
    const QImage engFace = typeset(fullPage, kOcrBenchTexts[0].font, 34);
    for (int i = 0; i < pages; ++i) {
        const QString f = QStringLiteral("%1/eng_%2.jpg").arg(dir).arg(i);
        capture(engFace, 1000 + i).save(f, "JPEG", 90);
        files << f;
    }
    QFile truthFile(dir + "/eng.txt");
    if (truthFile.open(QIODevice::WriteOnly))
        truthFile.write(fullPage.toUtf8());

    PageRecognizer engine;
    QString error;
    QElapsedTimer t;
    t.start();
    if (!engine.load(data, "eng", &error)) {
        std::printf("%s\n", qPrintable(error));
        return 1;
    }
    const double load = t.nsecsElapsed() / 1e9;
    std::vector<double> one;
    const std::atomic_bool never{false};
    for (int r = 0; r < cl.value("runs").toInt(); ++r) {
        QImage page(files[r % files.size()]);
        RecognizedPage result;
        t.restart();
        engine.recognize(page, never, &result);
        one.push_back(t.nsecsElapsed() / 1e9);
    }
    const QSize captured = QImage(files[0]).size();
    std::printf("one page %dx%d: engine load %.2f s, recognition median %.2f s (limit 5 s)\n",
                captured.width(), captured.height(), load, median(one));

    QString pdf1, pdf2;
    double cpu1 = 0, cpu2 = 0;
    const double t1 = runJob(files, 1, dir, &pdf1, &cpu1);
    const double t2 = runJob(files, QThread::idealThreadCount(), dir, &pdf2, &cpu2);
    std::printf(
        "%d pages to PDF: one worker %.1f s (CPU %.1f s), %d workers %.1f s (CPU %.1f s)"
        " = %.0f %% (limit 60 %%)\n",
        pages, t1, cpu1, QThread::idealThreadCount(), t2, cpu2, 100 * t2 / t1);

    // The PDF: size, structure, and its text against the truth.
    qint64 jpegs = 0;
    for (const QString& f : files)
        jpegs += QFileInfo(f).size();
    const QString txt = pdf2.left(pdf2.size() - 4) + ".txt";
    const qint64 text = QFileInfo(txt).size();
    const qint64 size = QFileInfo(pdf2).size();
    std::printf("PDF %lld bytes, JPEGs %lld + text %lld = %lld: %+.2f %% (limit 2 %%)\n", size,
                jpegs, text, jpegs + text, 100.0 * (size - jpegs - text) / (jpegs + text));
    int code = 0;
    runTool("qpdf", {"--check", pdf2}, &code);
    std::printf("qpdf --check: exit %d\n", code);
    const QString pdfText = runTool("pdftotext", {"-f", "1", "-l", "1", pdf2, "-"});
    std::printf("pdftotext page 1 CER against the truth: %.2f %%\n",
                errorRate(normalise(fullPage, false), normalise(pdfText, false)));

    std::printf("\n%-8s %8s %8s %s\n", "language", "CER %", "seconds", "limit");
    for (const OcrBenchText& b : kOcrBenchTexts) {
        const QString code = QString::fromLatin1(b.language);
        const QString f = QStringLiteral("%1/%2.jpg").arg(dir, code);
        const QImage page = capture(typeset(QString::fromUtf8(b.text), b.font), 77);
        page.save(f, "JPEG", 90);
        QFile truth(QStringLiteral("%1/%2.txt").arg(dir, code));
        if (truth.open(QIODevice::WriteOnly))
            truth.write(b.text);
        PageRecognizer reader;
        const QString langs = code == "eng" ? code : code + "+eng";
        if (!reader.load(data, langs, &error)) {
            std::printf("%-8s %s\n", b.language, qPrintable(error));
            continue;
        }
        RecognizedPage result;
        t.restart();
        reader.recognize(QImage(f), never, &result);
        const double secs = t.nsecsElapsed() / 1e9;
        const bool cjk = code == "jpn" || code.startsWith("chi");
        const double cer =
            errorRate(normalise(QString::fromUtf8(b.text), cjk), normalise(result.text, cjk));
        const char* limit = (code == "eng" || code == "deu") ? "2 %" : cjk ? "(reported)" : "5 %";
        std::printf("%-8s %8.2f %8.1f %s\n", b.language, cer, secs, limit);
    }
    return 0;
}
