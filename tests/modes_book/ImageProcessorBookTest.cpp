// ImageProcessor's book wrappers against the real book library loaded from the build folder:
// the buffer rules of the split, which optimisation calls are made, row padding, failures.

#include "app/AppPaths.h"
#include "modes/ImageProcessor.h"
#include "scene/BookScene.h"
#include "scene/BookScore.h"

#include <QTemporaryDir>
#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <cstring>
#include <vector>

namespace {

QImage toQImage(const cv::Mat& rgb) {
    QImage img(rgb.cols, rgb.rows, QImage::Format_RGB888);
    for (int y = 0; y < rgb.rows; ++y)
        std::memcpy(img.scanLine(y), rgb.ptr(y), size_t(rgb.cols) * 3);
    return img;
}

cv::Mat renderBook(uint32_t seed, int w, int h, scene::BookSceneTruth* truth) {
    scene::BookSceneParams p;
    p.width = w;
    p.height = h;
    p.seed = seed;
    p.contentScale = 4.0;
    return scene::BookScene(p).render(truth);
}

// Page buffers of the capture's size with guard bytes behind them.
struct PageBuffers {
    static constexpr int kGuard = 256;
    std::vector<unsigned char> left, right;
    qint64 capacity;
    explicit PageBuffers(const QImage& capture)
        : capacity(qint64(capture.width()) * capture.height() * 3) {
        left.assign(size_t(capacity + kGuard), 0);
        right.assign(size_t(capacity + kGuard), 0);
        std::memset(left.data() + capacity, 0x5A, kGuard);
        std::memset(right.data() + capacity, 0x5A, kGuard);
    }
    bool guardsIntact() const {
        for (int i = 0; i < kGuard; ++i)
            if (left[size_t(capacity + i)] != 0x5A || right[size_t(capacity + i)] != 0x5A)
                return false;
        return true;
    }
};

struct Pages {
    int result = 0;
    int lw = 0, lh = 0, lbytes = 0, rw = 0, rh = 0, rbytes = 0;
};

Pages process(ImageProcessor& ip, QImage* capture, PageBuffers& buf, bool flatten, bool grey) {
    Pages p;
    p.result = ip.ProcessBook(capture, p.lw, p.lh, buf.left.data(), p.lbytes, p.rw, p.rh,
                              buf.right.data(), p.rbytes, flatten, grey);
    return p;
}

// The page as the program will see it: a QImage over the padded buffer.
QImage pageImage(unsigned char* data, int w, int h) {
    return QImage(data, w, h, (w * 3 + 3) / 4 * 4, QImage::Format_RGB888).copy();
}

cv::Mat toMat(const QImage& img) {
    cv::Mat m(img.height(), img.width(), CV_8UC3);
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(m.ptr(y), img.constScanLine(y), size_t(img.width()) * 3);
    return m;
}

bool isGrey(const QImage& img) {
    for (int y = 0; y < img.height(); ++y) {
        const uchar* s = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x, s += 3)
            if (s[0] != s[1] || s[1] != s[2])
                return false;
    }
    return true;
}

// A stand-in for the library's flattening that records how it is called.
struct OptimizeLog {
    static inline ImageProcessor::OptimizeBookFn real = nullptr;
    static inline int calls = 0;
    static inline int greyFlags[4] = {-9, -9, -9, -9};
    static inline int failOnCall = -1;
    static inline short failWith = 0;
    static short hook(SImage in, SImage* out, int param, int grey) {
        const int n = calls++;
        if (n < 4)
            greyFlags[n] = grey;
        if (n == failOnCall)
            return failWith;
        return real(in, out, param, grey);
    }
    static void reset(ImageProcessor& ip) {
        if (!real)
            real = ip.fnOptimizeBook;
        ip.fnOptimizeBook = &hook;
        calls = 0;
        failOnCall = -1;
        std::fill(greyFlags, greyFlags + 4, -9);
    }
};

struct CornerLog {
    static inline ImageProcessor::GetBookCornerPointFn real = nullptr;
    static inline int seenParams[2] = {-9, -9};
    static short hook(SImage src, int* a, int* b, int* params) {
        seenParams[0] = params[0];
        seenParams[1] = params[1];
        return real(src, a, b, params);
    }
};

}  // namespace

class ImageProcessorBookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void splitsSpreadIntoPaddedPages();
    void optimisationFollowsTheFlags();
    void failedOptimisationFailsTheCapture();
    void oddWidthCapture();
    void failuresGiveNoPages();
    void missingLibrary();
    void detectsBookCornersInPlace();
    void combinesPagesSideBySide();

private:
    ImageProcessor ip;
    scene::BookSceneTruth truth;
    QImage capture;
};

void ImageProcessorBookTest::initTestCase() {
    AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
    QCOMPARE(ip.Load(), 1);
    capture = toQImage(renderBook(101, 1632, 1224, &truth));
}

void ImageProcessorBookTest::splitsSpreadIntoPaddedPages() {
    PageBuffers buf(capture);
    Pages p = process(ip, &capture, buf, true, false);
    QCOMPARE(p.result, 1);
    QVERIFY(buf.guardsIntact());
    for (auto [w, h, bytes, data] : {std::make_tuple(p.lw, p.lh, p.lbytes, buf.left.data()),
                                     std::make_tuple(p.rw, p.rh, p.rbytes, buf.right.data())}) {
        QVERIFY(w > capture.width() / 5 && w < capture.width() / 2);
        QVERIFY(h > capture.height() / 3 && h <= capture.height());
        const int bpl = (w * 3 + 3) / 4 * 4;
        QCOMPARE(bytes, bpl * h);
        // The padding bytes at the end of each row are zero, the page's pixels are not.
        if (bpl != w * 3)
            for (int y = 0; y < h; ++y)
                for (int k = w * 3; k < bpl; ++k)
                    QCOMPARE(int(data[size_t(y) * bpl + k]), 0);
        QVERIFY(!isGrey(pageImage(data, w, h)));
    }
    const cv::Mat left = toMat(pageImage(buf.left.data(), p.lw, p.lh));
    const cv::Mat right = toMat(pageImage(buf.right.data(), p.rw, p.rh));
    QVERIFY(scene::pageSimilarity(left, truth.left.content) >
            scene::pageSimilarity(left, truth.right.content));
    QVERIFY(scene::pageSimilarity(right, truth.right.content) >
            scene::pageSimilarity(right, truth.left.content));
}

void ImageProcessorBookTest::optimisationFollowsTheFlags() {
    // Colour without flattening: no optimisation at all, the split pages as they are.
    OptimizeLog::reset(ip);
    PageBuffers plain(capture);
    Pages a = process(ip, &capture, plain, false, false);
    QCOMPARE(a.result, 1);
    QCOMPARE(OptimizeLog::calls, 0);

    // The same spread split by the library directly gives the same bytes before padding.
    {
        std::vector<unsigned char> l(size_t(plain.capacity)), r(size_t(plain.capacity));
        SImage src{capture.bits(), capture.width(), capture.height()};
        SImage L{l.data(), capture.width(), capture.height()},
            R{r.data(), capture.width(), capture.height()};
        int c1[8] = {0}, c2[8] = {0}, params[2] = {0, 1};
        QVERIFY(ip.fnGetBookCornerPoint(src, c1, c2, params) > 0);
        QVERIFY(ip.fnGetSplitBook(src, &L, &R, c1, c2, params[0]) > 0);
        QCOMPARE(L.width, a.lw);
        QCOMPARE(R.height, a.rh);
        const QImage viaWrapper = pageImage(plain.left.data(), a.lw, a.lh);
        const QImage direct =
            QImage(l.data(), L.width, L.height, L.width * 3, QImage::Format_RGB888).copy();
        QCOMPARE(viaWrapper, direct);
    }

    // Grey without flattening: the optimisation still runs, with the grey flag, left first.
    OptimizeLog::reset(ip);
    PageBuffers greyBuf(capture);
    Pages b = process(ip, &capture, greyBuf, false, true);
    QCOMPARE(b.result, 1);
    QCOMPARE(OptimizeLog::calls, 2);
    QCOMPARE(OptimizeLog::greyFlags[0], 1);
    QCOMPARE(OptimizeLog::greyFlags[1], 1);
    QVERIFY(isGrey(pageImage(greyBuf.left.data(), b.lw, b.lh)));
    QVERIFY(isGrey(pageImage(greyBuf.right.data(), b.rw, b.rh)));

    // Flattening in colour: two calls with the grey flag clear.
    OptimizeLog::reset(ip);
    PageBuffers colour(capture);
    Pages c = process(ip, &capture, colour, true, false);
    QCOMPARE(c.result, 1);
    QCOMPARE(OptimizeLog::calls, 2);
    QCOMPARE(OptimizeLog::greyFlags[0], 0);
    QCOMPARE(OptimizeLog::greyFlags[1], 0);
    QVERIFY(colour.guardsIntact());
    ip.fnOptimizeBook = OptimizeLog::real;
}

void ImageProcessorBookTest::failedOptimisationFailsTheCapture() {
    // A refusal (0) and an error code (below 0) on the right page both fail the capture.
    for (short code : {short(0), short(-2)}) {
        OptimizeLog::reset(ip);
        OptimizeLog::failOnCall = 1;
        OptimizeLog::failWith = code;
        PageBuffers buf(capture);
        Pages p = process(ip, &capture, buf, true, true);
        QVERIFY2(p.result <= 0, qPrintable(QString::number(code)));
        QCOMPARE(OptimizeLog::calls, 2);
        QCOMPARE(p.lw, 0);  // nothing reported for a failed capture
    }
    ip.fnOptimizeBook = OptimizeLog::real;
}

void ImageProcessorBookTest::oddWidthCapture() {
    // 1001 * 3 is not a multiple of 4: the QImage's rows are padded, the library's must not be.
    scene::BookSceneTruth t;
    QImage odd = toQImage(renderBook(102, 1001, 751, &t));
    QVERIFY(odd.bytesPerLine() != odd.width() * 3);
    int a[8] = {0}, b[8] = {0};
    QCOMPARE(ip.DetectBookCorners(&odd, a, b), 1);
    cv::Point2f qa[4] = {{float(a[4]), float(a[5])},
                         {float(a[0]), float(a[1])},
                         {float(a[6]), float(a[7])},
                         {float(a[2]), float(a[3])}};
    QVERIFY(scene::quadIoU(qa, t.left.corners) > 0.9);
    PageBuffers buf(odd);
    Pages p = process(ip, &odd, buf, true, false);
    QCOMPARE(p.result, 1);
    QVERIFY(buf.guardsIntact());
    const cv::Mat left = toMat(pageImage(buf.left.data(), p.lw, p.lh));
    QVERIFY(scene::pageSimilarity(left, t.left.content) >
            scene::pageSimilarity(left, t.right.content));
}

void ImageProcessorBookTest::failuresGiveNoPages() {
    // An empty desk: no spread, no pages, buffers untouched.
    cv::Mat desk(600, 800, CV_8UC3);
    cv::RNG rng(9);
    rng.fill(desk, cv::RNG::UNIFORM, 50, 120);
    cv::GaussianBlur(desk, desk, cv::Size(0, 0), 5);
    QImage empty = toQImage(desk);
    PageBuffers buf(empty);
    Pages p = process(ip, &empty, buf, true, true);
    QVERIFY(p.result <= 0);
    QCOMPARE(p.lw, 0);
    QVERIFY(std::all_of(buf.left.begin(), buf.left.begin() + buf.capacity,
                        [](unsigned char c) { return c == 0; }));

    QImage null;
    PageBuffers none(capture);
    QVERIFY(process(ip, nullptr, none, true, true).result <= 0);
    QVERIFY(process(ip, &null, none, true, true).result <= 0);
    int lw = 0, lh = 0, lb = 0, rw = 0, rh = 0, rb = 0;
    QVERIFY(ip.ProcessBook(&capture, lw, lh, nullptr, lb, rw, rh, none.right.data(), rb, true,
                           true) <= 0);
    int a[8] = {0}, b[8] = {0};
    QVERIFY(ip.DetectBookCorners(nullptr, a, b) < 0);
    QVERIFY(ip.DetectBookCorners(&capture, nullptr, b) < 0);
}

void ImageProcessorBookTest::missingLibrary() {
    QTemporaryDir empty;
    AppPaths::setApplicationDir(empty.path());
    ImageProcessor lonely;
    QVERIFY(lonely.Load() < 0);
    AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
    QTest::ignoreMessage(QtDebugMsg, "Can not load API KELM_GetBookCornerPoint!\n\r");
    PageBuffers buf(capture);
    QCOMPARE(process(lonely, &capture, buf, true, true).result, -1);
    QTest::ignoreMessage(QtDebugMsg, "Can not load API KELM_GetBookCornerPoint!\n\r");
    int a[8] = {0}, b[8] = {0};
    QCOMPARE(lonely.DetectBookCorners(&capture, a, b), -1);
}

void ImageProcessorBookTest::detectsBookCornersInPlace() {
    CornerLog::real = ip.fnGetBookCornerPoint;
    ip.fnGetBookCornerPoint = &CornerLog::hook;
    ip.bookParams[0] = 5;
    ip.bookParams[1] = 5;
    int a[8] = {0}, b[8] = {0};
    const int rc = ip.DetectBookCorners(&capture, a, b);
    ip.fnGetBookCornerPoint = CornerLog::real;
    QCOMPARE(rc, 1);
    // The parameters are reset to {0, 1} before every detection.
    QCOMPARE(CornerLog::seenParams[0], 0);
    QCOMPARE(CornerLog::seenParams[1], 1);
    cv::Point2f qb[4] = {{float(b[4]), float(b[5])},
                         {float(b[0]), float(b[1])},
                         {float(b[6]), float(b[7])},
                         {float(b[2]), float(b[3])}};
    QVERIFY(scene::quadIoU(qb, truth.right.corners) > 0.93);
}

void ImageProcessorBookTest::combinesPagesSideBySide() {
    QImage left(100, 50, QImage::Format_RGB888), right(160, 80, QImage::Format_RGB888);
    left.fill(QColor(200, 0, 0));
    right.fill(QColor(0, 0, 200));
    const QImage both = ImageProcessor::CombineLeftRight(left, right);
    QCOMPARE(both.size(), QSize(320, 80));
    QCOMPARE(both.format(), QImage::Format_RGB888);
    // The narrower, shorter left page sits centred in the left half, white around it.
    QCOMPARE(both.pixelColor(30, 15), QColor(200, 0, 0));
    QCOMPARE(both.pixelColor(129, 64), QColor(200, 0, 0));
    QCOMPARE(both.pixelColor(29, 40), QColor(Qt::white));
    QCOMPARE(both.pixelColor(130, 40), QColor(Qt::white));
    QCOMPARE(both.pixelColor(60, 14), QColor(Qt::white));
    QCOMPARE(both.pixelColor(60, 65), QColor(Qt::white));
    // The right page fills the right half.
    QCOMPARE(both.pixelColor(160, 0), QColor(0, 0, 200));
    QCOMPARE(both.pixelColor(319, 79), QColor(0, 0, 200));
    // Odd margins round toward zero: a 101-wide page in a 160 half starts at 29.
    QImage narrow(101, 80, QImage::Format_RGB888);
    narrow.fill(QColor(0, 150, 0));
    const QImage odd = ImageProcessor::CombineLeftRight(right, narrow);
    QCOMPARE(odd.pixelColor(160 + 29, 10), QColor(0, 150, 0));
    QCOMPARE(odd.pixelColor(160 + 28, 10), QColor(Qt::white));
    QVERIFY(ImageProcessor::CombineLeftRight(QImage(), QImage()).isNull());
}

QTEST_MAIN(ImageProcessorBookTest)
#include "ImageProcessorBookTest.moc"
