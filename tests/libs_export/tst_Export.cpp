// The export libraries loaded from build/bin exactly as the program loads them, through their
// public headers only, and their documents checked with the readers people use.

#include "JPGtoPDF.h"
#include "JpgintoWord.h"
#include "support/BombPicture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLibrary>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>
#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>
#include <zip.h>

namespace {
// An export entry point reduced to its file table and output path.
using Convert = std::function<int(const char* const* files, int count, const char* out)>;
struct Codes {
    int argument, input, output;
};

// Four coloured quadrants (red, green, blue, yellow from the top left, clockwise) over a
// diagonal gradient: any turn or mirror of it is far from the original.
QImage pattern(int width, int height) {
    static const int base[4][3] = {{230, 0, 0}, {0, 200, 0}, {0, 0, 220}, {230, 220, 0}};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int* c = base[(y >= height / 2) * 2 + (x >= width / 2)];
            const int s = (x + y) * 60 / (width + height);
            image.setPixel(x, y,
                           qRgb(qMin(255, c[0] + s), qMin(255, c[1] + s), qMin(255, c[2] + s)));
        }
    }
    return image;
}

// The JPEG file with an EXIF orientation tag inserted right after its start marker.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation) {
    // Big-endian TIFF with one IFD entry: Orientation (0x0112), SHORT, count 1.
    QByteArray payload("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25);
    payload += char(orientation);
    payload += QByteArray(6, '\0');
    const int length = payload.size() + 2;
    return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) +
           payload + jpeg.mid(2);
}

// Mean absolute difference per channel (0..255) after scaling `actual` to `expected`'s size.
double meanDifference(const QImage& expected, const QImage& actual) {
    const QImage e = expected.convertToFormat(QImage::Format_RGB888);
    const QImage a = actual.scaled(e.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB888);
    if (e.isNull() || a.isNull())
        return 255;
    double sum = 0;
    for (int y = 0; y < e.height(); ++y)
        for (int x = 0; x < e.width() * 3; ++x)
            sum += std::abs(int(e.constScanLine(y)[x]) - int(a.constScanLine(y)[x]));
    return sum / (double(e.width()) * e.height() * 3);
}

// Where a picture of size `picture` lands when fitted and centred in a page of size `page`.
QRectF fittedRect(const QSizeF& picture, const QSizeF& page) {
    const QSizeF size =
        picture * qMin(page.width() / picture.width(), page.height() / picture.height());
    return QRectF(QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2),
                  size);
}

// Runs a program, returns its exit code (-1 if it could not start) and its combined output.
int run(const QString& program, const QStringList& args, QByteArray* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool finished = p.waitForFinished(-1);  // false also when it did not start
    if (output)
        *output = p.readAll();
    return finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// Files in a folder, for checking that a failed export left nothing behind.
QStringList listFolder(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

int convertWith(const Convert& fn, const QStringList& files, const QString& out) {
    QList<QByteArray> bytes;
    std::vector<const char*> table;
    for (const QString& f : files) {
        bytes << QFile::encodeName(f);
        table.push_back(bytes.last().constData());
    }
    return fn(table.data(), int(table.size()), QFile::encodeName(out).constData());
}

// Every argument refusal, each file of `bad` next to `good`, and unusable targets, each with its
// code and none touching the folder `out` or its older out/old<ext>, which a good run replaces.
void checkRefusals(const Convert& fn, const QString& good, const QString& out, const QString& ext,
                   const Codes& codes, const QStringList& bad) {
    const QString old = out + "/old" + ext, fresh = out + "/new" + ext;
    QVERIFY(writeBytes(old, "older document"));
    const QStringList before = listFolder(out);
    const QByteArray g = QFile::encodeName(good), t = QFile::encodeName(fresh);
    const char* one[] = {g.constData()};
    const char* withNull[] = {g.constData(), nullptr};
    const char* withEmpty[] = {g.constData(), ""};
    const struct {
        const char* const* files;
        int count;
        const char* target;
    } arguments[] = {{nullptr, 1, t.constData()},
                     {one, 0, t.constData()},
                     {one, -3, t.constData()},
                     {withNull, 2, t.constData()},
                     {withEmpty, 2, t.constData()},
                     {one, 1, nullptr},
                     {one, 1, ""}};
    for (const auto& a : arguments)
        QCOMPARE(fn(a.files, a.count, a.target), codes.argument);
    for (const QString& b : bad)
        for (const QString& target : {fresh, old})
            QVERIFY2(convertWith(fn, {good, b}, target) == codes.input, qPrintable(b));
    QCOMPARE(convertWith(fn, {good}, out + "/no/such/folder" + ext), codes.output);
    QVERIFY(QDir(out).mkdir("taken" + ext));
    QCOMPARE(convertWith(fn, {good}, out + "/taken" + ext), codes.output);
    QVERIFY(QDir(out).rmdir("taken" + ext));
    // A FIFO at the target is refused, not replaced by a regular file.
    const QString fifo = out + "/fifo" + ext;
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(convertWith(fn, {good}, fifo), codes.output);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    QVERIFY(QFile::remove(fifo));
    // A replaced private document stays private.
    const QString kept = out + "/kept" + ext;
    const QFile::Permissions privateMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(writeBytes(kept, "private") && QFile::setPermissions(kept, privateMode));
    QCOMPARE(convertWith(fn, {good}, kept), 1);
    QCOMPARE(QFileInfo(kept).permissions() & QFile::Permissions(0x7077), privateMode);
    QVERIFY(QFile::remove(kept));
    QCOMPARE(listFolder(out), before);
    QCOMPARE(readBytes(old), QByteArray("older document"));
    QCOMPARE(convertWith(fn, {good}, old), 1);
    QVERIFY(readBytes(old) != "older document");
    QCOMPARE(listFolder(out), before);
}
constexpr double kA4W = 8.27;
constexpr double kA4H = 11.69;
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

// A4 with half-inch margins, in EMU: what the pictures must fit into.
constexpr double kAreaW = (11906 - 2 * 720) * 635.0;
constexpr double kAreaH = (16838 - 2 * 720) * 635.0;
// A white 1 x 1 GIF: Qt has no GIF writer.
const QByteArray kGif("GIF89a\1\0\1\0\x80\0\0\xFF\xFF\xFF\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 35);

// Every entry of the package by name. False when the archive does not open or an entry does not
// read back whole.
bool readPackage(const QString& file, QMap<QString, QByteArray>* entries) {
    int err = 0;
    zip_t* zip = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
    bool ok = zip != nullptr;
    for (zip_int64_t i = 0; ok && i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_file_t* f = zip_stat_index(zip, zip_uint64_t(i), 0, &st) == 0
                            ? zip_fopen_index(zip, zip_uint64_t(i), 0)
                            : nullptr;
        QByteArray data(int(f ? st.size : 0), '\0');
        ok = f && zip_fread(f, data.data(), st.size) == zip_int64_t(st.size);
        if (f)
            zip_fclose(f);
        entries->insert(QString::fromUtf8(st.name), data);
    }
    if (zip)
        zip_close(zip);
    return ok;
}
}  // namespace

class ExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    KELM_ConvertPDF_Fn pdfFn_ = nullptr;
    KELM_JpgintoWord_Fn wordFn_ = nullptr;
    KELM_ConvertPDFWithProgress_Fn pdfProgressFn_ = nullptr;
    KELM_JpgintoWordWithProgress_Fn wordProgressFn_ = nullptr;

    QString path(const QString& name) const { return dir_.filePath(name); }

    Convert pageSize(double w, double h) {
        return [=](const char* const* f, int n, const char* o) { return pdfFn_(f, n, w, h, o); };
    }
    int convert(const QStringList& files, const QString& out, double w = kA4W, double h = kA4H) {
        return convertWith(pageSize(w, h), files, out);
    }

    QImage renderPage(const QString& pdf, int page) {
        const QString prefix = path("render"), n = QString::number(page);
        run("pdftoppm", {"-r", "30", "-f", n, "-l", n, "-singlefile", "-png", pdf, prefix});
        QImage image(prefix + ".png");
        QFile::remove(prefix + ".png");
        return image;
    }

    // The picture must show inside its fitted, centred rectangle, with blank paper around it.
    void checkPage(const QString& pdf, int page, const QImage& expected) {
        const QImage rendered = renderPage(pdf, page);
        QImage want(rendered.size(), QImage::Format_RGB32);
        want.fill(Qt::white);
        QPainter(&want).drawImage(fittedRect(expected.size(), want.size()), expected);
        const double diff = meanDifference(want, rendered);
        QVERIFY2(diff < 8, qPrintable(QString("page %1 differs by %2").arg(page).arg(diff)));
    }

    // A PDF that qpdf finds sound, with the given number of pages, each of the given size.
    void checkValidPdf(const QString& pdf, int pages, double wIn = kA4W, double hIn = kA4H,
                       QString* pdfinfo = nullptr) {
        QByteArray check, out;
        QCOMPARE(run("qpdf", {"--check", pdf}, &check), 0);
        QVERIFY2(!check.contains("WARNING"), check.constData());
        run("pdfinfo", {"-l", QString::number(pages), "-enc", "UTF-8", pdf}, &out);
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

    Convert word() {
        return [this](const char* const* f, int n, const char* o) { return wordFn_(f, n, 0, o); };
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QLibrary pdf(QStringLiteral(MIRAVELO_BIN_DIR "/libJPGtoPDF.so"));
        QLibrary word(QStringLiteral(MIRAVELO_BIN_DIR "/libJpgintoWord.so"));
        QVERIFY2(pdf.load() && word.load(), qPrintable(pdf.errorString() + word.errorString()));
        pdfFn_ = reinterpret_cast<KELM_ConvertPDF_Fn>(pdf.resolve("KELM_ConvertPDF"));
        wordFn_ = reinterpret_cast<KELM_JpgintoWord_Fn>(word.resolve("KELM_JpgintoWord"));
        pdfProgressFn_ = reinterpret_cast<KELM_ConvertPDFWithProgress_Fn>(
            pdf.resolve("KELM_ConvertPDFWithProgress"));
        wordProgressFn_ = reinterpret_cast<KELM_JpgintoWordWithProgress_Fn>(
            word.resolve("KELM_JpgintoWordWithProgress"));
        QVERIFY(pdfFn_ && wordFn_ && pdfProgressFn_ && wordProgressFn_);
    }

    // One page per picture in the given order, each fitted and centred and looking like what
    // went in, on a page of any size. JPEG files go in byte for byte, and their colour model and
    // orientation are honoured. The document's title is the output file's name.
    void jpegFilesBecomeFaithfulPages() {
        const QImage photo = pattern(400, 240);
        const QImage grey = pattern(240, 400).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(photo.save(path("stored.jpg"), "JPG", 92) &&
                grey.save(path("grey.jpg"), "JPG", 90));
        QStringList files;
        QList<QImage> shown;
        // All eight EXIF orientations, each expected as Qt's own reader turns it.
        for (int o = 1; o <= 8; ++o) {
            files << path(QString("oriented%1.jpg").arg(o));
            QVERIFY(
                writeBytes(files.last(), withExifOrientation(readBytes(path("stored.jpg")), o)));
            QImageReader reader(files.last());
            reader.setAutoTransform(true);
            shown << reader.read();
            QVERIFY(o < 5 || shown.last().width() == photo.height());
        }
        files << path("cmyk.jpg") << path("progressive.jpg") << path("grey.jpg")
              << path("grey.jpg");
        shown << QImage() << photo << grey << grey;  // the same file twice is two pages
        QVERIFY(writeBytes(files[8], kCmykRed));
        QImageWriter progressive(files[9], "jpeg");
        progressive.setProgressiveScanWrite(true);
        QVERIFY(progressive.write(photo));

        const QString pdf = path("Export ü 文件 #1.pdf");
        QCOMPARE(convert(files, pdf, 5.0, 3.0), files.size());
        QString info;
        checkValidPdf(pdf, files.size(), 5.0, 3.0, &info);
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+Export ü 文件 #1\\n")),
                 qPrintable(info));
        const QByteArray document = readBytes(pdf);
        for (int i = 0; i < files.size(); ++i) {
            QVERIFY2(document.contains(readBytes(files[i])), qPrintable(files[i]));
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
        QCOMPARE(run("pdfimages", {"-list", pdf}, &list), 0);
        QCOMPARE(run("pdfimages", {"-png", pdf, path("out")}), 0);
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
                run("qpdf", {"--show-object=" + f[10], "--filtered-stream-data", pdf}, &stream);
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

    // Every kind of bad file is tried here only: the picture checks are shared with the Word
    // export. Page sizes and a full disk are this entry point's own.
    void pdfRefusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(pattern(300, 200).save(path("good.jpg"), "JPG", 90));
        QVERIFY(writeBytes(path("cut.jpg"), readBytes(path("good.jpg")).left(4000)));
        QVERIFY(writeBytes(path("text.jpg"), "not a picture at all\n"));
        QVERIFY(writeBytes(path("headless.jpg"), QByteArray("\xFF\xD8\xFF\xD9", 4)));
        QVERIFY(writeBytes(path("bomb.bmp"), bombPicture()));
        checkRefusals(pageSize(kA4W, kA4H), path("good.jpg"), out.path(), ".pdf",
                      {KELM_PDF_ERR_ARGUMENT, KELM_PDF_ERR_INPUT, KELM_PDF_ERR_OUTPUT},
                      {path("missing.jpg"), path("cut.jpg"), path("text.jpg"), dir_.path(),
                       "/dev/zero", path("headless.jpg"), path("bomb.bmp")});
        QVERIFY(readBytes(out.filePath("old.pdf")).startsWith("%PDF-1."));
        const QStringList before = listFolder(out.path());
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
        QCOMPARE(listFolder(out.path()), before);
    }

    // A package with the parts Word needs, one picture per A4 page in the order given, each
    // fitted with its proportions kept and centred, and each the very file that went in.
    void wordPackageHoldsEveryPictureUnchanged() {
        const struct {
            const char* name;
            int w, h;
        } inputs[] = {{"wide photo.jpg", 640, 480}, {"tall.png", 300, 900},
                      {"square.bmp", 200, 200},     {"dot.gif", 1, 1},
                      {"scan.tif", 120, 160},       {"raw.ppm", 90, 60}};
        QStringList files;
        QList<QImage> pictures;
        for (const auto& in : inputs) {
            files << path(in.name);
            pictures << pattern(in.w, in.h);
            QVERIFY(files.last().endsWith(".gif")
                        ? writeBytes(files.last(), kGif)
                        : pictures.last().save(files.last(), nullptr, 90));
        }
        const QString docx = path("Bericht ü.docx");
        QCOMPARE(convertWith(word(), files, docx), files.size());

        QMap<QString, QByteArray> entries;
        QVERIFY(readPackage(docx, &entries));
        for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                                 "word/_rels/document.xml.rels", "docProps/core.xml"}) {
            QXmlStreamReader xml(entries.value(part));
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(entries.contains(part) && !xml.hasError(), part);
        }
        const QByteArray types = entries.value("[Content_Types].xml");
        QVERIFY(entries.value("docProps/core.xml").contains("<dc:title>Bericht ü</dc:title>"));
        const QString doc = QString::fromUtf8(entries.value("word/document.xml"));
        const QString rels = QString::fromUtf8(entries.value("word/_rels/document.xml.rels"));
        QVERIFY(doc.contains("<w:pgSz w:w=\"11906\" w:h=\"16838\""));
        QCOMPARE(doc.count("<w:pageBreakBefore/>"), files.size() - 1);
        QCOMPARE(doc.count("relativeFrom=\"page\"><wp:align>center</wp:align>"), 2 * files.size());
        auto anchors = QRegularExpression(
                           "<wp:extent cx=\"(\\d+)\" cy=\"(\\d+)\"/>.*?"
                           "<a:blip r:embed=\"(\\w+)\"")
                           .globalMatch(doc);
        for (int i = 0; i < files.size(); ++i) {
            const QByteArray where = files[i].toUtf8();
            QVERIFY2(anchors.hasNext(), where.constData());
            const QRegularExpressionMatch a = anchors.next();
            const double cx = a.captured(1).toDouble(), cy = a.captured(2).toDouble();
            const double aspect = double(pictures[i].width()) / pictures[i].height();
            QVERIFY2(std::abs(cx / cy - aspect) / aspect < 0.002, where.constData());
            QVERIFY2(cx <= kAreaW + 1 && cy <= kAreaH + 1, where.constData());
            QVERIFY2(qMax(cx / kAreaW, cy / kAreaH) > 0.999, where.constData());

            const QRegularExpressionMatch target =
                QRegularExpression("Id=\"" + a.captured(3) + "\"[^>]*Target=\"([^\"]+)\"")
                    .match(rels);
            const QString media = "word/" + target.captured(1), ext = media.section('.', -1);
            QVERIFY2(types.contains("Extension=\"" + ext.toUtf8() + "\""), qPrintable(ext));
            if (files[i].endsWith(".ppm")) {  // Word cannot show PPM: it goes in as PNG
                QCOMPARE(ext, QString("png"));
                QCOMPARE(
                    QImage::fromData(entries.value(media)).convertToFormat(QImage::Format_RGB32),
                    pictures[i].convertToFormat(QImage::Format_RGB32));
            } else {
                QVERIFY2(entries.value(media) == readBytes(files[i]), where.constData());
            }
        }
        QVERIFY(!anchors.hasNext());
    }

    // This entry point's own argument checks and package writer; one bad file shows the code the
    // shared picture checks map to.
    void wordRefusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(pattern(300, 200).save(path("good.png")));
        const QByteArray png = readBytes(path("good.png"));
        QVERIFY(writeBytes(path("cut.png"), png.left(png.size() / 2)));
        QVERIFY(writeBytes(path("bomb.bmp"), bombPicture()));
        checkRefusals(word(), path("good.png"), out.path(), ".docx",
                      {KELM_WORD_ERR_ARGUMENT, KELM_WORD_ERR_INPUT, KELM_WORD_ERR_OUTPUT},
                      {path("cut.png"), path("bomb.bmp")});
        // The replaced document is a package holding the very file, readable by others as the
        // umask says, not a private temporary file.
        QMap<QString, QByteArray> entries;
        QVERIFY(readPackage(out.filePath("old.docx"), &entries));
        QCOMPARE(entries.value("word/media/image1.png"), readBytes(path("good.png")));
        QVERIFY(QFileInfo(out.filePath("old.docx")).permissions() & QFile::ReadOther);
    }

    // The progress entry points count the pages as they go; a stop asked at any point answers
    // the cancelled code and leaves the folder as it was, an older document included.
    void progressCountsPagesAndStopLeavesNothing() {
        QVERIFY(pattern(64, 48).save(path("p.jpg"), "JPG"));
        const QByteArray file = QFile::encodeName(path("p.jpg"));
        const char* table[] = {file.constData(), file.constData(), file.constData()};
        struct Log {
            QList<int> done;
            int stopAt;
        };
        auto note = [](int done, int total, void* user) {
            auto* log = static_cast<Log*>(user);
            log->done << done;
            return int(total == 3 && done == log->stopAt);
        };
        QTemporaryDir out;
        const QByteArray target = QFile::encodeName(out.filePath("doc"));
        for (const bool isPdf : {true, false}) {
            auto run = [&](Log* log) {
                return isPdf ? pdfProgressFn_(table, 3, kA4W, kA4H, target.constData(), note, log)
                             : wordProgressFn_(table, 3, 0, target.constData(), note, log);
            };
            Log whole{{}, -1};
            QCOMPARE(run(&whole), 3);
            QCOMPARE(whole.done.first(), 0);
            QCOMPARE(whole.done.last(), 3);
            QVERIFY(std::is_sorted(whole.done.begin(), whole.done.end()));
            QVERIFY(writeBytes(out.filePath("doc"), "older"));
            for (const int stopAt : {0, isPdf ? 2 : 1}) {
                Log stopped{{}, stopAt};
                QCOMPARE(run(&stopped), isPdf ? KELM_PDF_ERR_CANCELLED : KELM_WORD_ERR_CANCELLED);
                QCOMPARE(listFolder(out.path()), QStringList{"doc"});
                QCOMPARE(readBytes(out.filePath("doc")), QByteArray("older"));
            }
            QVERIFY(QFile::remove(out.filePath("doc")));
        }
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "tst_Export.moc"
