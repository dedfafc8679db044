#include "ExportTestImages.h"
#include "JPGtoPDF.h"

#include <QImageReader>
#include <QImageWriter>
#include <QLibrary>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <limits>
#include <sys/resource.h>

namespace {
constexpr double kA4W = 8.27;
constexpr double kA4H = 11.69;
using Img = ExportTestImages;
// An 8 x 8 flat red CMYK JPEG with the Adobe marker, as libjpeg writes it: its samples are stored
// inverted, C=0 M=1 Y=1 K=0 as bytes 255 0 0 255. Qt cannot write CMYK.
const QByteArray kCmykRed = QByteArray::fromHex(
    "ffd8ffee000e41646f626500640000000000ffdb004300020101010101020101010202020202040302020202"
    "0504040304060506060605060606070908060709070606080b08090a0a0a0a0a06080b0c0b0a0c090a0a0aff"
    "c000140800080008044311004d11005911004b1100ffc400150001010000000000000000000000000000090a"
    "ffc40014100100000000000000000000000000000000ffda000e0443004d0059004b00003f007f13fe9ff3f8"
    "ffd9");

// Pixels of every kind in a picture of the given format.
QImage noise(int w, int h, QImage::Format format, QRandomGenerator& rng) {
    QImage img(w, h, format);
    for (int i = 0; i < w * h; ++i) {
        const quint64 n = rng.generate64();
        const quint16 a = img.hasAlphaChannel() ? quint16(n >> 48) : 0xFFFF;
        img.setPixelColor(i % w, i / w, QColor::fromRgba64(n, n >> 16, n >> 32, a));
    }
    return img;
}

}  // namespace

class PdfExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    KELM_ConvertPDF_Fn convertFn_ = nullptr;

    QString path(const QString& name) const { return dir_.filePath(name); }

    Img::Convert pageSize(double w, double h) {
        return
            [=](const char* const* f, int n, const char* o) { return convertFn_(f, n, w, h, o); };
    }
    int convert(const QStringList& files, const QString& out, double w = kA4W, double h = kA4H) {
        return Img::convert(pageSize(w, h), files, out);
    }

    QImage renderPage(const QString& pdf, int page) {
        const QString prefix = path("render"), n = QString::number(page);
        Img::run("pdftoppm", {"-r", "30", "-f", n, "-l", n, "-singlefile", "-png", pdf, prefix});
        QImage image(prefix + ".png");
        QFile::remove(prefix + ".png");
        return image;
    }

    // The picture must show inside its fitted, centred rectangle, with blank paper around it.
    void checkPage(const QString& pdf, int page, const QImage& expected) {
        const QImage rendered = renderPage(pdf, page);
        QImage want(rendered.size(), QImage::Format_RGB32);
        want.fill(Qt::white);
        QPainter(&want).drawImage(Img::fittedRect(expected.size(), want.size()), expected);
        const double diff = Img::meanDifference(want, rendered);
        QVERIFY2(diff < 8, qPrintable(QString("page %1 differs by %2").arg(page).arg(diff)));
    }

    // A PDF that qpdf finds sound, with the given number of pages, each of the given size.
    void checkValidPdf(const QString& pdf, int pages, double wIn = kA4W, double hIn = kA4H,
                       QString* pdfinfo = nullptr) {
        QByteArray check, out;
        QCOMPARE(Img::run("qpdf", {"--check", pdf}, &check), 0);
        QVERIFY2(!check.contains("WARNING"), check.constData());
        Img::run("pdfinfo", {"-l", QString::number(pages), "-enc", "UTF-8", pdf}, &out);
        const QString info = QString::fromUtf8(out);
        const QString size = QString(" size:\\s+%1 x %2 pts").arg(wIn * 72).arg(hIn * 72);
        QVERIFY2(info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));
        for (int p = 1; p <= pages; ++p)
            QVERIFY2(info.contains(QRegularExpression(QString("Page\\s+%1").arg(p) + size)),
                     qPrintable(info));
        if (pdfinfo)
            *pdfinfo = info;
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QLibrary lib(QStringLiteral(MIRAVELO_BIN_DIR "/libJPGtoPDF.so"));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        convertFn_ = reinterpret_cast<KELM_ConvertPDF_Fn>(lib.resolve("KELM_ConvertPDF"));
        QVERIFY(convertFn_);
    }

    // One page per picture in the given order, each fitted and centred and looking like what
    // went in, on a page of any size. JPEG files go in byte for byte, and their colour model and
    // orientation are honoured. The document's title is the output file's name.
    void jpegFilesBecomeFaithfulPages() {
        const QImage photo = Img::pattern(400, 240);
        const QImage grey = Img::pattern(240, 400).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(photo.save(path("stored.jpg"), "JPG", 92) &&
                grey.save(path("grey.jpg"), "JPG", 90));
        QStringList files;
        QList<QImage> shown;
        // All eight EXIF orientations, each expected as Qt's own reader turns it.
        for (int o = 1; o <= 8; ++o) {
            files << path(QString("oriented%1.jpg").arg(o));
            QVERIFY(Img::writeFile(files.last(),
                                   Img::withExifOrientation(Img::readFile(path("stored.jpg")), o)));
            QImageReader reader(files.last());
            reader.setAutoTransform(true);
            shown << reader.read();
            QVERIFY(o < 5 || shown.last().width() == photo.height());
        }
        files << path("cmyk.jpg") << path("progressive.jpg") << path("grey.jpg")
              << path("grey.jpg");
        shown << QImage() << photo << grey << grey;  // the same file twice is two pages
        QVERIFY(Img::writeFile(files[8], kCmykRed));
        QImageWriter progressive(files[9], "jpeg");
        progressive.setProgressiveScanWrite(true);
        QVERIFY(progressive.write(photo));

        const QString pdf = path("Export ü 文件 #1.pdf");
        QCOMPARE(convert(files, pdf, 5.0, 3.0), files.size());
        QString info;
        checkValidPdf(pdf, files.size(), 5.0, 3.0, &info);
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+Export ü 文件 #1\\n")),
                 qPrintable(info));
        const QByteArray document = Img::readFile(pdf);
        for (int i = 0; i < files.size(); ++i) {
            QVERIFY2(document.contains(Img::readFile(files[i])), qPrintable(files[i]));
            if (!shown[i].isNull())
                checkPage(pdf, i + 1, shown[i]);
        }
        const QImage cmykShown = renderPage(pdf, 9);
        const QRgb centre = cmykShown.pixel(cmykShown.width() / 2, cmykShown.height() / 2);
        QVERIFY2(qRed(centre) > 180 && qGreen(centre) < 90 && qBlue(centre) < 90,
                 qPrintable(QString::number(centre, 16)));
    }

    // Pictures that are not JPEG go in without losing a single sample, 16-bit ones included, and
    // transparency travels as a soft mask: what a reader takes out equals the source pixels.
    void rasterPicturesAreLossless() {
        QRandomGenerator rng(11);
        const QImage inputs[] = {
            noise(61, 47, QImage::Format_RGB32, rng), noise(33, 20, QImage::Format_RGBX64, rng),
            noise(40, 30, QImage::Format_RGB32, rng).convertToFormat(QImage::Format_Grayscale16),
            noise(29, 31, QImage::Format_ARGB32, rng)};
        QStringList files;
        for (const QImage& in : inputs) {
            files << path(QString("lossless%1.png").arg(files.size()));
            QVERIFY(in.save(files.last()));
        }
        const QString pdf = path("lossless.pdf");
        QCOMPARE(convert(files, pdf), files.size());
        checkValidPdf(pdf, files.size());
        QByteArray list;
        QCOMPARE(Img::run("pdfimages", {"-list", pdf}, &list), 0);
        QCOMPARE(Img::run("pdfimages", {"-png", pdf, path("out")}), 0);
        QStringList rows;  // page, number, type, size, colour space, components, bits, ..., object
        for (const QString& line : QString::fromLatin1(list).split('\n'))
            if (line.simplified().section(' ', 2, 2) == "image")
                rows << line.simplified();
        QCOMPARE(rows.size(), files.size());
        int extracted = 0;
        auto next = [&] { return QImage(path("out-%1.png").arg(extracted++, 3, 10, QChar('0'))); };
        for (int i = 0; i < files.size(); ++i) {
            const QImage src(files[i]);  // as decoded from the file
            const bool deep = src.depth() == 64 || src.format() == QImage::Format_Grayscale16;
            const bool grey = !src.hasAlphaChannel() && src.isGrayscale();
            const QStringList f = rows[i].split(' ');
            QCOMPARE(f[0] + ' ' + f.mid(3, 5).join(' '),
                     QString::asprintf("%d %d %d %s %d %d", i + 1, src.width(), src.height(),
                                       grey ? "gray" : "rgb", grey ? 1 : 3, deep ? 16 : 8));
            const QImage shown = next();
            if (deep) {  // the reader hands out 8 bits per sample, so the stream is compared
                QByteArray want, stream;
                for (int p = 0; p < src.width() * src.height(); ++p) {
                    const QRgba64 c = src.pixelColor(p % src.width(), p / src.width()).rgba64();
                    for (quint16 v : {c.red(), c.green(), c.blue()})
                        want.append(char(v >> 8)).append(char(v & 0xFF));
                    want.chop(grey ? 4 : 0);
                }
                Img::run("qpdf", {"--show-object=" + f[10], "--filtered-stream-data", pdf},
                         &stream);
                QVERIFY2(stream == want, qPrintable(files[i]));
            } else {
                QVERIFY2(shown.convertToFormat(QImage::Format_RGB32) ==
                             src.convertToFormat(QImage::Format_RGB32),
                         qPrintable(files[i]));
            }
            QImage alpha = src.convertToFormat(QImage::Format_Alpha8);
            alpha.reinterpretAsFormat(QImage::Format_Grayscale8);
            if (src.hasAlphaChannel())
                QVERIFY(next().convertToFormat(QImage::Format_Grayscale8) == alpha);
        }
    }

    // Every refusal is negative and leaves the folder exactly as it was; an older document under
    // the output name survives a failed export untouched. The picture checks are shared with the
    // Word export, so every kind of bad file is tried here only.
    void refusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(Img::pattern(300, 200).save(path("good.jpg"), "JPG", 90));
        QVERIFY(Img::writeFile(path("cut.jpg"), Img::readFile(path("good.jpg")).left(4000)));
        QVERIFY(Img::writeFile(path("text.jpg"), "not a picture at all\n"));
        QVERIFY(Img::writeFile(path("headless.jpg"), QByteArray("\xFF\xD8\xFF\xD9", 4)));
        Img::checkRefusals(pageSize(kA4W, kA4H), path("good.jpg"), out.path(), ".pdf",
                           {KELM_PDF_ERR_ARGUMENT, KELM_PDF_ERR_INPUT, KELM_PDF_ERR_OUTPUT},
                           {path("missing.jpg"), path("cut.jpg"), path("text.jpg"), dir_.path(),
                            "/dev/zero", path("headless.jpg")});
        if (QTest::currentTestFailed())
            return;
        QVERIFY(Img::readFile(out.filePath("old.pdf")).startsWith("%PDF-1."));
        const QStringList before = Img::listFolder(out.path());
        const QString target = out.filePath("new.pdf");
        for (double bad :
             {0.0, -8.27, 1e6, std::nan(""), std::numeric_limits<double>::infinity()}) {
            QCOMPARE(convert({path("good.jpg")}, target, bad, kA4H), KELM_PDF_ERR_ARGUMENT);
            QCOMPARE(convert({path("good.jpg")}, target, kA4W, bad), KELM_PDF_ERR_ARGUMENT);
        }
        // A disk that fills up halfway: the write fails, and still nothing is left over.
        QRandomGenerator rng(7);
        QVERIFY(noise(800, 800, QImage::Format_RGB32, rng).save(path("big.png")));
        signal(SIGXFSZ, SIG_IGN);
        rlimit saved, small;
        getrlimit(RLIMIT_FSIZE, &saved);
        small = saved;
        small.rlim_cur = 100 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const int full = convert({path("good.jpg"), path("big.png")}, target);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(full, KELM_PDF_ERR_OUTPUT);
        QCOMPARE(Img::listFolder(out.path()), before);
    }
};

QTEST_GUILESS_MAIN(PdfExportTest)
#include "tst_PdfExport.moc"
