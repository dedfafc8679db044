// Converts camera-sized JPEGs into one PDF with libJPGtoPDF and with img2pdf in the same run, and
// checks the result. The pictures are generated once (photo-like content with sensor noise, JPEG
// quality 90, so their sizes are those of real camera files) and kept in the data folder.
//
//   bench_export [--count N] [--rounds R] [--data DIR] [--libreoffice]
//
// The library is loaded with dlopen by file name and called through its entry point only, as
// any other program would.

#include "JPGtoPDF.h"
#include "JpgintoWord.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWidth = 3264;
constexpr int kHeight = 2448;

struct Rng {
    uint64_t s;
    uint32_t next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return uint32_t(s);
    }
    double uniform() { return (next() & 0xFFFFFF) / double(0x1000000); }
};

// A desk scene: smooth lighting and coloured shapes at low resolution, scaled up, then per-pixel
// noise as a camera sensor adds it. Noise is what makes real photos large at quality 90.
QImage photoLike(int index) {
    Rng rng{0x9E3779B97F4A7C15ull * uint64_t(index + 1)};
    // Quarter resolution keeps edges fairly sharp once scaled up, as objects on a desk are.
    QImage small(kWidth / 4, kHeight / 4, QImage::Format_RGB888);
    const double fx = rng.uniform() * 6 + 1, fy = rng.uniform() * 6 + 1;
    const double phase = rng.uniform() * 6.28;
    const int baseR = 120 + int(rng.next() % 100), baseG = 110 + int(rng.next() % 100),
              baseB = 90 + int(rng.next() % 100);
    for (int y = 0; y < small.height(); ++y) {
        uchar* p = small.scanLine(y);
        for (int x = 0; x < small.width(); ++x) {
            const double light = 0.75 + 0.25 * std::sin(x * fx / small.width() * 3.14 + phase) *
                                            std::cos(y * fy / small.height() * 3.14);
            p[x * 3] = uchar(qBound(0.0, baseR * light, 255.0));
            p[x * 3 + 1] = uchar(qBound(0.0, baseG * light, 255.0));
            p[x * 3 + 2] = uchar(qBound(0.0, baseB * light, 255.0));
        }
    }
    // Objects of every size, from large shapes down to specks and strokes of print.
    for (int i = 0; i < 8000; ++i) {
        const double radius = i < 20 ? 30 + rng.uniform() * 150 : 1 + rng.uniform() * 8;
        const double cx = rng.uniform() * small.width(), cy = rng.uniform() * small.height();
        const int cr = int(rng.next() % 256), cg = int(rng.next() % 256),
                  cb = int(rng.next() % 256);
        const int x0 = std::max(0, int(cx - radius)),
                  x1 = std::min(small.width() - 1, int(cx + radius));
        const int y0 = std::max(0, int(cy - radius)),
                  y1 = std::min(small.height() - 1, int(cy + radius));
        for (int y = y0; y <= y1; ++y) {
            uchar* p = small.scanLine(y);
            for (int x = x0; x <= x1; ++x) {
                const double d = std::hypot(x - cx, y - cy) / radius;
                if (d >= 1)
                    continue;
                const double w = std::min(1.0, (1 - d) * 3);
                p[x * 3] = uchar(p[x * 3] * (1 - w) + cr * w);
                p[x * 3 + 1] = uchar(p[x * 3 + 1] * (1 - w) + cg * w);
                p[x * 3 + 2] = uchar(p[x * 3 + 2] * (1 - w) + cb * w);
            }
        }
    }
    QImage image = small.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < kHeight; ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < kWidth * 3; ++x) {
            // Roughly Gaussian noise (sum of three uniforms), sigma about 14 grey levels, as a
            // small sensor in room light.
            const uint32_t n = rng.next();
            const int v = int(n & 0xFF) + int((n >> 8) & 0xFF) + int((n >> 16) & 0xFF) - 382;
            p[x] = uchar(qBound(0, int(p[x]) + v / 9, 255));
        }
    }
    return image;
}

QStringList prepareData(const QString& dir, int count) {
    QDir().mkpath(dir);
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString f = QString("%1/camera_%2.jpg").arg(dir).arg(i + 1, 3, 10, QChar('0'));
        if (!QFileInfo::exists(f)) {
            std::printf("generating %s\n", qPrintable(f));
            std::fflush(stdout);
            if (!photoLike(i).save(f, "JPG", 90)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(f));
                return {};
            }
        }
        files << f;
    }
    return files;
}

int run(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000))
        return -1;
    p.waitForFinished(-1);
    if (out)
        *out = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

template <typename Fn>
Fn symbol(const char* library, const char* name) {
    void* handle =
        dlopen((QStringLiteral(MIRAVELO_BIN_DIR "/") + library).toUtf8().constData(), RTLD_NOW);
    if (!handle) {
        std::fprintf(stderr, "%s\n", dlerror());
        return nullptr;
    }
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

int convertPdf(KELM_ConvertPDF_Fn fn, const QStringList& files, const QString& out) {
    std::vector<QByteArray> bytes;
    std::vector<const char*> table;
    for (const QString& f : files)
        bytes.push_back(QFile::encodeName(f));
    for (const QByteArray& b : bytes)
        table.push_back(b.constData());
    return fn(table.data(), int(table.size()), 8.27, 11.69, QFile::encodeName(out).constData());
}

// Peak resident memory of a child process that only converts: the parent has generated pictures
// and would hide the library's own footprint.
long childPeakKb(KELM_ConvertPDF_Fn fn, const QStringList& files, const QString& out) {
    const pid_t pid = fork();
    if (pid == 0) {
        // The child starts from the parent's (copy-on-write) pages; the library's own growth is
        // what shows above the baseline measured right here.
        _exit(convertPdf(fn, files, out) == files.size() ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return (WIFEXITED(status) && WEXITSTATUS(status) == 0) ? usage.ru_maxrss : -1;
}

qint64 totalSize(const QStringList& files) {
    qint64 sum = 0;
    for (const QString& f : files)
        sum += QFileInfo(f).size();
    return sum;
}

// Opens Word documents in LibreOffice: the camera series (one page per picture), and a mixed set
// of shapes and formats whose pages are rendered to see that each picture is fitted and centred.
void checkWithLibreOffice(KELM_JpgintoWord_Fn wordFn, const QStringList& files,
                          const QString& data) {
    const QString office = QStandardPaths::findExecutable("libreoffice");
    if (office.isEmpty()) {
        std::printf("LibreOffice: not installed\n");
        return;
    }
    const QString outDir = data + "/libreoffice";
    QDir(outDir).removeRecursively();
    QDir().mkpath(outDir);

    const QImage first(files.first());
    const QString portrait = outDir + "/portrait.png";
    first.transformed(QTransform().rotate(90)).scaled(612, 816).save(portrait);
    const QString square = outDir + "/square.bmp";
    first.copy(0, 0, 800, 800).scaled(300, 300).save(square);
    const QString wide = outDir + "/band.tif";
    first.copy(0, 0, 3264, 600).scaled(1088, 200).save(wide, "TIFF");
    const QStringList mixed = {files.first(), portrait, square, wide};

    struct Doc {
        QString name;
        QStringList pictures;
    };
    for (const Doc& doc : {Doc{"camera", files}, Doc{"mixed", mixed}}) {
        std::vector<QByteArray> bytes;
        std::vector<const char*> table;
        for (const QString& f : doc.pictures)
            bytes.push_back(QFile::encodeName(f));
        for (const QByteArray& b : bytes)
            table.push_back(b.constData());
        const QString docx = outDir + "/" + doc.name + ".docx";
        if (wordFn(table.data(), int(table.size()), 0, QFile::encodeName(docx).constData()) < 1) {
            std::printf("LibreOffice: %s.docx could not be written\n", qPrintable(doc.name));
            continue;
        }
        QElapsedTimer t;
        t.start();
        const int rc = run(office, {"--headless", "--convert-to", "pdf", "--outdir", outDir, docx});
        const QString pdf = outDir + "/" + doc.name + ".pdf";
        QByteArray out;
        run("pdfinfo", {"-f", "1", "-l", QString::number(doc.pictures.size()), pdf}, &out);
        const QString info = QString::fromUtf8(out);
        std::printf(
            "LibreOffice %s.docx (%d pictures): exit %d in %.1f s, %s, %d pages A4\n",
            qPrintable(doc.name), int(doc.pictures.size()), rc, t.nsecsElapsed() / 1e9,
            qPrintable(QRegularExpression("Pages:\\s+\\d+").match(info).captured(0)),
            int(info.count(QRegularExpression("size:\\s+595.[23]\\d* x 841.[89]\\d* pts"))));
        if (doc.name != "mixed")
            continue;
        for (int page = 1; page <= doc.pictures.size(); ++page) {
            const QString prefix = outDir + "/page";
            run("pdftoppm", {"-r", "50", "-f", QString::number(page), "-l", QString::number(page),
                             "-singlefile", "-png", pdf, prefix});
            const QImage rendered = QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
            QRect box;
            for (int y = 0; y < rendered.height(); ++y)
                for (int x = 0; x < rendered.width(); ++x)
                    if (qGray(rendered.pixel(x, y)) < 250)
                        box |= QRect(x, y, 1, 1);
            const QImage source(doc.pictures[page - 1]);
            std::printf(
                "  page %d: picture %dx%d px of page %dx%d, centre off by (%d, %d) px, "
                "aspect %.3f (source %.3f)\n",
                page, box.width(), box.height(), rendered.width(), rendered.height(),
                box.center().x() - rendered.width() / 2, box.center().y() - rendered.height() / 2,
                double(box.width()) / std::max(1, box.height()),
                double(source.width()) / source.height());
        }
    }
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments();
    auto option = [&](const QString& name, const QString& fallback) {
        const int i = args.indexOf(name);
        return i > 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };
    const int count = option("--count", "50").toInt();
    const int rounds = option("--rounds", "2").toInt();
    const QString data = option("--data", BENCH_DATA_DIR);
    const bool libreoffice = args.contains("--libreoffice");

    const QStringList files = prepareData(data, count);
    if (files.isEmpty())
        return 1;
    auto pdfFn = symbol<KELM_ConvertPDF_Fn>("libJPGtoPDF.so", "KELM_ConvertPDF");
    auto wordFn = symbol<KELM_JpgintoWord_Fn>("libJpgintoWord.so", "KELM_JpgintoWord");
    if (!pdfFn || !wordFn)
        return 1;
    const QString img2pdf = QStandardPaths::findExecutable("img2pdf");

    // Warm the page cache so both contenders read from memory.
    for (const QString& f : files) {
        QFile in(f);
        if (in.open(QIODevice::ReadOnly))
            while (!in.read(1 << 20).isEmpty()) {
            }
    }
    const qint64 inputBytes = totalSize(files);
    std::printf("\n%d JPEGs of %dx%d, %.1f MB in total (%.2f MB each on average)\n", count, kWidth,
                kHeight, inputBytes / 1e6, inputBytes / 1e6 / count);

    const QString ours = data + "/ours.pdf";
    const QString theirs = data + "/img2pdf.pdf";
    double bestOurs = 1e9, bestTheirs = 1e9;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        const int pages = convertPdf(pdfFn, files, ours);
        const double a = t.nsecsElapsed() / 1e9;
        if (pages != count) {
            std::fprintf(stderr, "KELM_ConvertPDF returned %d\n", pages);
            return 1;
        }
        double b = -1;
        if (!img2pdf.isEmpty()) {
            t.restart();
            QStringList a2 = {"--pagesize", "A4", "-o", theirs};
            const int rc = run(img2pdf, a2 + files);
            b = t.nsecsElapsed() / 1e9;
            if (rc != 0)
                b = -1;
        }
        bestOurs = std::min(bestOurs, a);
        if (b > 0)
            bestTheirs = std::min(bestTheirs, b);
        std::printf("round %d: KELM_ConvertPDF %.3f s, img2pdf %.3f s\n", r + 1, a, b);
    }
    const qint64 outBytes = QFileInfo(ours).size();
    std::printf("best: KELM_ConvertPDF %.3f s, img2pdf %s\n", bestOurs,
                bestTheirs < 1e9 ? qPrintable(QString::number(bestTheirs, 'f', 3) + " s")
                                 : "not available");
    std::printf("size: ours %lld bytes = %.4f %% over the JPEGs; img2pdf %lld bytes\n",
                static_cast<long long>(outBytes), (outBytes - inputBytes) * 100.0 / inputBytes,
                static_cast<long long>(QFileInfo(theirs).size()));

    QByteArray out;
    const int check = run("qpdf", {"--check", ours}, &out);
    std::printf("qpdf --check: exit %d, %s\n", check,
                out.contains("WARNING") ? "WITH WARNINGS" : "no warnings");
    run("pdfinfo", {"-f", "1", "-l", QString::number(count), ours}, &out);
    const QString info = QString::fromUtf8(out);
    const int a4Pages = info.count(QRegularExpression("size:\\s+595.44 x 841.68 pts"));
    std::printf("pdfinfo: %s, %d of %d pages 595.44 x 841.68 pts (A4)\n",
                qPrintable(QRegularExpression("Pages:\\s+\\d+").match(info).captured(0)), a4Pages,
                count);

    // Fidelity: the first and last pages rendered against their source pictures.
    for (int page : {1, count}) {
        const QString prefix = data + "/render";
        // Rendered so that the page is as wide as the picture: one picture pixel per page pixel,
        // so the comparison sees the embedding and not a resampling filter.
        run("pdftoppm",
            {"-scale-to-x", QString::number(kWidth), "-scale-to-y",
             QString::number(std::lround(kWidth * 11.69 / 8.27)), "-f", QString::number(page), "-l",
             QString::number(page), "-singlefile", "-png", ours, prefix});
        const QImage rendered(prefix + ".png");
        const QImage source(files[page - 1]);
        const double scale =
            std::min(double(rendered.width()) / kWidth, double(rendered.height()) / kHeight);
        const QSize size(int(kWidth * scale), int(kHeight * scale));
        const QRect rect(
            QPoint((rendered.width() - size.width()) / 2, (rendered.height() - size.height()) / 2),
            size);
        // Compared at a quarter of the size: rendering places the picture at a fraction of a
        // pixel, and with sensor noise in every pixel that alone would dominate a 1:1 comparison.
        const QSize quarter(kWidth / 4, kHeight / 4);
        const QImage a = rendered.copy(rect)
                             .scaled(quarter, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB888);
        const QImage b = source.scaled(quarter, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(QImage::Format_RGB888);
        double sum = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width() * 3; ++x)
                sum += std::abs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
        std::printf("pdftoppm page %d: mean difference to the source %.2f of 255\n", page,
                    sum / (double(a.width()) * a.height() * 3));
        QFile::remove(prefix + ".png");
    }

    const long base = childPeakKb(pdfFn, files.mid(0, 1), data + "/mem1.pdf");
    const long ten = childPeakKb(pdfFn, files.mid(0, std::min(10, count)), data + "/mem10.pdf");
    const long all = childPeakKb(pdfFn, files, data + "/memall.pdf");
    std::printf("peak RSS of a converting child: 1 page %ld kB, 10 pages %ld kB, %d pages %ld kB\n",
                base, ten, count, all);

    std::vector<QByteArray> bytes;
    std::vector<const char*> table;
    for (const QString& f : files)
        bytes.push_back(QFile::encodeName(f));
    for (const QByteArray& b : bytes)
        table.push_back(b.constData());
    const QString docx = data + "/ours.docx";
    QElapsedTimer t;
    t.start();
    const int wordPages = wordFn(table.data(), count, 0, QFile::encodeName(docx).constData());
    std::printf("KELM_JpgintoWord: %d pages in %.3f s, %lld bytes\n", wordPages,
                t.nsecsElapsed() / 1e9, static_cast<long long>(QFileInfo(docx).size()));

    if (libreoffice)
        checkWithLibreOffice(wordFn, files, data);
    return 0;
}
