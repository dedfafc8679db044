#include "ExportTestImages.h"
#include "JPGtoPDF.h"

#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
}  // namespace

class PdfExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    KELM_ConvertPDF_Fn convertFn_ = nullptr;

    QString path(const QString& name) const { return dir_.filePath(name); }

    int convert(const QStringList& files, const QString& out, double w = kA4W, double h = kA4H) {
        QList<QByteArray> bytes;
        std::vector<const char*> table;
        for (const QString& f : files) {
            bytes << QFile::encodeName(f);
            table.push_back(bytes.last().constData());
        }
        return convertFn_(table.data(), int(table.size()), w, h,
                          QFile::encodeName(out).constData());
    }

    QImage renderPage(const QString& pdf, int page) {
        const QString prefix = path("render"), n = QString::number(page);
        if (Img::run("pdftoppm",
                     {"-r", "30", "-f", n, "-l", n, "-singlefile", "-png", pdf, prefix}) != 0)
            return QImage();
        QImage image(prefix + ".png");
        QFile::remove(prefix + ".png");
        return image;
    }

    // The picture must show inside its fitted, centred rectangle, with blank paper around it.
    void checkPage(const QString& pdf, int page, const QImage& expected) {
        const QImage rendered = renderPage(pdf, page);
        QVERIFY2(!rendered.isNull(), qPrintable(QString("page %1 did not render").arg(page)));
        const QRectF rect = Img::fittedRect(expected.size(), rendered.size());
        const double diff = Img::meanDifference(expected, rendered.copy(rect.toAlignedRect()));
        QVERIFY2(diff < 14, qPrintable(QString("page %1 differs by %2").arg(page).arg(diff)));
        QPoint blank;
        if (rect.left() > 6)
            blank = QPoint(int(rect.left() / 2), rendered.height() / 2);
        else if (rect.top() > 6)
            blank = QPoint(rendered.width() / 2, int(rect.top() / 2));
        if (!blank.isNull())
            QVERIFY2(qGray(rendered.pixel(blank)) > 245, qPrintable(QString("page %1").arg(page)));
    }

    QString pdfinfo(const QString& pdf, int pages = 1) {
        QByteArray out;
        Img::run("pdfinfo", {"-f", "1", "-l", QString::number(pages), "-enc", "UTF-8", pdf}, &out);
        return QString::fromUtf8(out);
    }

    void checkValidPdf(const QString& pdf, int pages, double wIn = kA4W, double hIn = kA4H) {
        QByteArray check;
        QCOMPARE(Img::run("qpdf", {"--check", pdf}, &check), 0);
        QVERIFY2(!check.contains("WARNING"), check.constData());
        const QString info = pdfinfo(pdf, pages);
        QVERIFY2(info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(pages))),
                 qPrintable(info));
        for (int p = 1; p <= pages; ++p) {
            const QRegularExpressionMatch m =
                QRegularExpression(QString("Page\\s+%1 size:\\s+([0-9.]+) x ([0-9.]+) pts").arg(p))
                    .match(info);
            QVERIFY2(m.hasMatch() && std::abs(m.captured(1).toDouble() - wIn * 72) < 0.01 &&
                         std::abs(m.captured(2).toDouble() - hIn * 72) < 0.01,
                     qPrintable(QString("page %1: %2").arg(p).arg(m.captured(0))));
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QLibrary lib(QStringLiteral(MIRAVELO_BIN_DIR "/libJPGtoPDF.so"));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        convertFn_ = reinterpret_cast<KELM_ConvertPDF_Fn>(lib.resolve("KELM_ConvertPDF"));
        QVERIFY(convertFn_);
    }

    // One page per picture in the given order, each fitted and centred; every format the export
    // dialog offers comes out looking like what went in.
    void everyFormatBecomesOneFaithfulPage() {
        QList<QImage> expected;
        QStringList files;
        auto add = [&](const QString& name, const QImage& shown, bool saved) {
            QVERIFY2(saved, qPrintable(name));
            files << path(name);
            expected << shown;
        };
        const QImage landscape = Img::pattern(480, 300);
        add("landscape.jpg", landscape, landscape.save(path("landscape.jpg"), "JPG", 90));
        const QImage grey = Img::pattern(240, 400).convertToFormat(QImage::Format_Grayscale8);
        add("grey.jpg", grey, grey.save(path("grey.jpg"), "JPG", 90));
        // Half-transparent picture: over white paper it must look lighter, not black.
        QImage alpha = Img::pattern(300, 300).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < alpha.height(); ++y)
            for (int x = 0; x < alpha.width() / 2; ++x)
                alpha.setPixel(x, y, (alpha.pixel(x, y) & 0x00FFFFFF) | 0x40000000);
        QImage overWhite(alpha.size(), QImage::Format_RGB32);
        overWhite.fill(Qt::white);
        QPainter(&overWhite).drawImage(0, 0, alpha);
        add("alpha.png", overWhite, alpha.save(path("alpha.png")));
        add("picture.bmp", Img::pattern(200, 350),
            Img::pattern(200, 350).save(path("picture.bmp")));
        const bool gifSaved = Img::writeGif(path("picture.gif"), Img::pattern(320, 120));
        add("picture.gif", QImage(path("picture.gif")), gifSaved);
        add("picture.tif", Img::pattern(150, 150),
            Img::pattern(150, 150).save(path("picture.tif"), "TIFF"));
        add("landscape.jpg", landscape, true);  // the same file twice is two pages

        const QString pdf = path("Export ü 文件 #1.pdf");
        QCOMPARE(convert(files, pdf), files.size());
        checkValidPdf(pdf, files.size());
        for (int i = 0; i < expected.size(); ++i)
            checkPage(pdf, i + 1, expected[i]);
        const QString info = pdfinfo(pdf);
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+Export ü 文件 #1\\n")),
                 qPrintable(info));
        QVERIFY(!Img::listFolder(dir_.path()).join(' ').contains(".part"));
    }

    // JPEG files go in byte for byte, and their colour model and orientation are honoured.
    void jpegFilesEmbeddedUnchanged() {
        const QImage photo = Img::pattern(400, 240);
        QVERIFY(photo.save(path("stored.jpg"), "JPG", 92));
        const QByteArray plain = Img::readFile(path("stored.jpg"));
        QStringList files;
        QList<QImage> shown;
        // All eight EXIF orientations: per tag value, mirror columns, mirror rows, swap axes.
        static const int map[9][3] = {{},        {0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                      {0, 0, 1}, {0, 1, 1}, {1, 1, 1}, {1, 0, 1}};
        const int w = photo.width(), h = photo.height();
        for (int o = 1; o <= 8; ++o) {
            files << path(QString("oriented%1.jpg").arg(o));
            QVERIFY(Img::writeFile(files.last(), Img::withExifOrientation(plain, o)));
            QImage view(o >= 5 ? QSize(h, w) : QSize(w, h), QImage::Format_RGB32);
            for (int r = 0; r < h; ++r) {
                for (int c = 0; c < w; ++c) {
                    const int cc = map[o][0] ? w - 1 - c : c, rr = map[o][1] ? h - 1 - r : r;
                    view.setPixel(map[o][2] ? QPoint(rr, cc) : QPoint(cc, rr), photo.pixel(c, r));
                }
            }
            shown << view;
        }
        const uchar red[4] = {255, 0, 0, 255};  // Adobe CMYK is stored inverted: C=0 M=1 Y=1 K=0
        files << path("cmyk.jpg");
        QVERIFY(Img::writeCmykJpeg(files.last(), 200, 300, red));
        files << path("progressive.jpg");
        QImageWriter progressive(files.last(), "jpeg");
        progressive.setProgressiveScanWrite(true);
        QVERIFY(progressive.write(photo));

        const QString pdf = path("jpeg.pdf");
        QCOMPARE(convert(files, pdf), files.size());
        checkValidPdf(pdf, files.size());
        const QByteArray document = Img::readFile(pdf);
        for (const QString& f : files)
            QVERIFY2(document.contains(Img::readFile(f)), qPrintable(f));
        for (int o = 1; o <= 8; ++o)
            checkPage(pdf, o, shown[o - 1]);
        const QImage cmykShown = renderPage(pdf, 9);
        const QRgb centre = cmykShown.pixel(cmykShown.width() / 2, cmykShown.height() / 2);
        QVERIFY2(qRed(centre) > 180 && qGreen(centre) < 90 && qBlue(centre) < 90,
                 qPrintable(QString::number(centre, 16)));
        checkPage(pdf, 10, photo);
    }

    // Pictures that are not JPEG go in without losing a single sample: the decoded image streams
    // equal the source pixels, 16-bit ones included, and transparency travels as a soft mask.
    void rasterPicturesAreLossless() {
        QRandomGenerator noise(11);
        auto noisy = [&](int w, int h, QImage::Format format) {
            QImage img(w, h, format);
            for (int i = 0; i < w * h; ++i) {
                const quint64 n = noise.generate64();
                const quint16 a = img.hasAlphaChannel() ? quint16(n >> 48) : 0xFFFF;
                img.setPixelColor(i % w, i / w, QColor::fromRgba64(n, n >> 16, n >> 32, a));
            }
            return img;
        };
        QList<QImage> sources;
        QStringList files;
        auto add = [&](const QImage& img, const QString& name, const char* format) {
            QVERIFY2(name.endsWith(".gif") ? Img::writeGif(path(name), img)
                                           : img.save(path(name), format),
                     qPrintable(name));
            files << path(name);
            sources << QImage(path(name));  // as decoded from the file
        };
        add(noisy(61, 47, QImage::Format_RGB32), "noise.png", "PNG");
        add(noisy(33, 20, QImage::Format_RGBX64), "deep.png", "PNG");
        add(noisy(40, 30, QImage::Format_RGB32).convertToFormat(QImage::Format_Grayscale16),
            "deepgrey.png", "PNG");
        add(noisy(29, 31, QImage::Format_ARGB32), "alpha.png", "PNG");
        add(noisy(50, 22, QImage::Format_RGB32), "noise.bmp", "BMP");
        add(noisy(27, 35, QImage::Format_RGB32), "noise.tif", "TIFF");
        add(noisy(45, 25, QImage::Format_RGB32), "noise.gif", nullptr);
        QVERIFY(sources[1].depth() == 64 && sources[2].format() == QImage::Format_Grayscale16);

        const QString pdf = path("lossless.pdf");
        QCOMPARE(convert(files, pdf), files.size());
        checkValidPdf(pdf, files.size());
        QByteArray json;
        QCOMPARE(Img::run("qpdf", {"--json", "--json-key=pages", pdf}, &json), 0);
        const QJsonArray pages = QJsonDocument::fromJson(json).object().value("pages").toArray();
        QCOMPARE(pages.size(), files.size());
        auto show = [&](const QString& object, bool filtered) {
            QByteArray data;
            QStringList args{"--show-object=" + object.section(' ', 0, 0), pdf};
            if (filtered)
                args.insert(1, "--filtered-stream-data");
            Img::run("qpdf", args, &data);
            return data;
        };
        for (int i = 0; i < pages.size(); ++i) {
            const QImage& src = sources[i];
            const QJsonObject info = pages[i].toObject().value("images").toArray()[0].toObject();
            const bool deep = src.depth() == 64 || src.format() == QImage::Format_Grayscale16;
            const bool grey = !src.hasAlphaChannel() && src.isGrayscale();
            QCOMPARE(info.value("width").toInt(), src.width());
            QCOMPARE(info.value("height").toInt(), src.height());
            QCOMPARE(info.value("bitspercomponent").toInt(), deep ? 16 : 8);
            QCOMPARE(info.value("colorspace").toString(), grey ? "/DeviceGray" : "/DeviceRGB");
            QByteArray expected, expectedAlpha;
            for (int y = 0; y < src.height(); ++y) {
                for (int x = 0; x < src.width(); ++x) {
                    const QRgba64 c = src.pixelColor(x, y).rgba64();
                    const quint16 v[3] = {c.red(), c.green(), c.blue()};
                    for (int k = 0; k < (grey ? 1 : 3); ++k) {
                        if (deep)
                            expected += char(v[k] >> 8);
                        expected += char(deep ? (v[k] & 0xFF) : (v[k] >> 8));
                    }
                    expectedAlpha += char(c.alpha() >> 8);
                }
            }
            const QString object = info.value("object").toString();
            QVERIFY2(show(object, true) == expected, qPrintable(files[i]));
            if (src.hasAlphaChannel()) {
                const QByteArray dict = show(object, false);
                const QRegularExpressionMatch m =
                    QRegularExpression("/SMask (\\d+ 0 R)").match(QString::fromLatin1(dict));
                QVERIFY2(m.hasMatch(), dict.constData());
                QVERIFY(show(m.captured(1), true) == expectedAlpha);
            }
        }
    }

    // Any page size in inches, landscape included; many pages stay in order.
    void pageSizeAndOrder() {
        QStringList files;
        for (int i = 0; i < 24; ++i) {
            QImage img(64, 48, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(i * 15, 255, 230));
            files << path(QString("order%1.png").arg(i));
            QVERIFY(img.save(files.last()));
        }
        const QString pdf = path("landscape.pdf");
        QCOMPARE(convert(files, pdf, 5.0, 3.0), files.size());
        checkValidPdf(pdf, files.size(), 5.0, 3.0);
        for (int i = 0; i < files.size(); i += 5) {
            const QImage page = renderPage(pdf, i + 1);
            const QColor got(page.pixel(page.width() / 2, page.height() / 2));
            const QColor want(QImage(files[i]).pixel(0, 0));
            QVERIFY2(std::abs(got.red() - want.red()) < 4 &&
                         std::abs(got.green() - want.green()) < 4 &&
                         std::abs(got.blue() - want.blue()) < 4,
                     qPrintable(QString("page %1").arg(i + 1)));
        }
    }

    // Every refusal is negative and leaves the folder exactly as it was; an older document under
    // the output name survives a failed export untouched.
    void refusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(Img::pattern(300, 200).save(path("good.jpg"), "JPG", 90));
        const QByteArray good = Img::readFile(path("good.jpg"));
        QVERIFY(Img::writeFile(path("cut.jpg"), good.left(good.size() / 2)));
        QVERIFY(Img::writeFile(path("text.jpg"), "not a picture at all\n"));
        QVERIFY(Img::writeFile(path("headless.jpg"), QByteArray("\xFF\xD8\xFF\xD9", 4)));
        const QString old = out.filePath("old.pdf");
        QVERIFY(Img::writeFile(old, "%PDF-1.4 older document"));
        const QStringList before = Img::listFolder(out.path());
        const QString target = out.filePath("new.pdf");

        const QByteArray goodPath = QFile::encodeName(path("good.jpg")),
                         t = QFile::encodeName(target);
        const char* one[] = {goodPath.constData()};
        const char* withNull[] = {goodPath.constData(), nullptr};
        const char* withEmpty[] = {goodPath.constData(), ""};
        QCOMPARE(convertFn_(nullptr, 1, kA4W, kA4H, t.constData()), KELM_PDF_ERR_ARGUMENT);
        for (int count : {0, -3})
            QCOMPARE(convertFn_(one, count, kA4W, kA4H, t.constData()), KELM_PDF_ERR_ARGUMENT);
        QCOMPARE(convertFn_(withNull, 2, kA4W, kA4H, t.constData()), KELM_PDF_ERR_ARGUMENT);
        QCOMPARE(convertFn_(withEmpty, 2, kA4W, kA4H, t.constData()), KELM_PDF_ERR_ARGUMENT);
        QCOMPARE(convertFn_(one, 1, kA4W, kA4H, nullptr), KELM_PDF_ERR_ARGUMENT);
        QCOMPARE(convertFn_(one, 1, kA4W, kA4H, ""), KELM_PDF_ERR_ARGUMENT);
        for (double bad :
             {0.0, -8.27, 1e6, std::nan(""), std::numeric_limits<double>::infinity()}) {
            QCOMPARE(convertFn_(one, 1, bad, kA4H, t.constData()), KELM_PDF_ERR_ARGUMENT);
            QCOMPARE(convertFn_(one, 1, kA4W, bad, t.constData()), KELM_PDF_ERR_ARGUMENT);
        }
        for (const QString& bad : {path("missing.jpg"), path("cut.jpg"), path("text.jpg"),
                                   path("headless.jpg"), dir_.path(), QString("/dev/zero")}) {
            QCOMPARE(convert({path("good.jpg"), bad}, target), KELM_PDF_ERR_INPUT);
            QCOMPARE(convert({path("good.jpg"), bad}, old), KELM_PDF_ERR_INPUT);
        }
        QCOMPARE(convert({path("good.jpg")}, out.filePath("no/such/folder.pdf")),
                 KELM_PDF_ERR_OUTPUT);
        QVERIFY(QDir(out.path()).mkdir("taken.pdf"));
        QCOMPARE(convert({path("good.jpg")}, out.filePath("taken.pdf")), KELM_PDF_ERR_OUTPUT);
        QVERIFY(QDir(out.path()).rmdir("taken.pdf"));

        // A disk that fills up halfway: the write fails, and still nothing is left over.
        QImage big(800, 800, QImage::Format_RGB32);
        QRandomGenerator noise(7);
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < big.width(); ++x)
                big.setPixel(x, y, noise.generate() | 0xFF000000u);
        QVERIFY(big.save(path("big.png")));
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
        QCOMPARE(Img::readFile(old), QByteArray("%PDF-1.4 older document"));
        // And a good run replaces the old document in one step.
        QCOMPARE(convert({path("good.jpg")}, old), 1);
        QVERIFY(Img::readFile(old).startsWith("%PDF-1."));
        QCOMPARE(Img::listFolder(out.path()), before);
    }
};

QTEST_GUILESS_MAIN(PdfExportTest)
#include "tst_PdfExport.moc"
