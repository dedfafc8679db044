// ImageProcessor's book wrappers against the real book library loaded from the build folder:
// the buffer rules of the split, which optimisation calls are made, row padding, failures.

#include "app/AppPaths.h"
#include "modes/ImageProcessor.h"
#include "scene/BookScene.h"
#include "scene/BookScore.h"
#include "libs_stages/GuardedBuffer.h"
#include "support/MatImage.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

#include <vector>

namespace {

cv::Mat toMat(const QImage& img) {
    return cv::Mat(img.height(), img.width(), CV_8UC3, const_cast<uchar*>(img.constBits()),
                   size_t(img.bytesPerLine()))
        .clone();
}

QImage renderBook(uint32_t seed, int w, int h, scene::BookSceneTruth* truth) {
    scene::BookSceneParams p{w, h, seed};
    p.contentScale = 4.0;
    return toQImage(scene::BookScene(p).render(truth));
}

// Library corner order (TR, BL, TL, BR) to TL, TR, BR, BL.
double iou(const int* c, const cv::Point2f* truth) {
    const cv::Point2f q[4] = {{float(c[4]), float(c[5])},
                              {float(c[0]), float(c[1])},
                              {float(c[6]), float(c[7])},
                              {float(c[2]), float(c[3])}};
    return scene::quadIoU(q, truth);
}

// Page buffers of the capture's size with guard bytes around them.
struct PageBuffers {
    size_t capacity;
    GuardedBuffer left, right;
    explicit PageBuffers(const QImage& capture)
        : capacity(size_t(capture.width()) * capture.height() * 3),
          left(capacity),
          right(capacity) {}
    bool guardsIntact() const { return left.intact() && right.intact(); }
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
QImage pageImage(const unsigned char* data, int w, int h) {
    return QImage(data, w, h, (w * 3 + 3) / 4 * 4, QImage::Format_RGB888).copy();
}

bool isGrey(const QImage& img) {
    cv::Mat ch[3];
    cv::split(toMat(img), ch);
    return cv::norm(ch[0], ch[1], cv::NORM_INF) == 0 && cv::norm(ch[1], ch[2], cv::NORM_INF) == 0;
}

// Stand-ins for the library's functions that record how they are called.
struct OptimizeLog {
    static inline ImageProcessor::OptimizeBookFn* real = nullptr;
    static inline int calls = 0, failOnCall = -1;
    static inline std::vector<int> greyFlags;
    static inline short failWith = 0;
    static short hook(SImage in, SImage* out, int param, int grey) {
        greyFlags.push_back(grey);
        return calls++ == failOnCall ? failWith : real(in, out, param, grey);
    }
    static void reset(ImageProcessor& ip) {
        if (!real)
            real = ip.fnOptimizeBook;
        ip.fnOptimizeBook = &hook;
        calls = 0;
        failOnCall = -1;
        greyFlags.clear();
    }
};

}  // namespace

class ImageProcessorBookTest : public QObject {
    Q_OBJECT

    ImageProcessor ip;
    scene::BookSceneTruth truth;
    QImage capture;

private slots:
    void initTestCase() {
        AppPaths::setApplicationDir(QStringLiteral(MIRAVELO_BIN_DIR));
        QCOMPARE(ip.Load(), 1);
        capture = renderBook(101, 1632, 1224, &truth);
    }

    // Each page comes back in its own buffer, rows padded to 4 bytes with zeros. A width of 1001
    // makes the capture's own rows padded too, which the library's must not be.
    void splitsSpreadIntoPaddedPages() {
        scene::BookSceneTruth oddTruth;
        QImage odd = renderBook(102, 1001, 751, &oddTruth);
        QVERIFY(odd.bytesPerLine() != odd.width() * 3);
        for (auto [image, t] : {std::pair{&capture, &truth}, {&odd, &oddTruth}}) {
            int a[8] = {0}, b[8] = {0};
            QCOMPARE(ip.DetectBookCorners(image, a, b), 1);
            QVERIFY(iou(a, t->left.corners) > 0.9 && iou(b, t->right.corners) > 0.9);
            PageBuffers buf(*image);
            Pages p = process(ip, image, buf, true, false);
            QCOMPARE(p.result, 1);
            QVERIFY(buf.guardsIntact());
            for (auto [w, h, bytes, data] :
                 {std::make_tuple(p.lw, p.lh, p.lbytes, buf.left.data()),
                  std::make_tuple(p.rw, p.rh, p.rbytes, buf.right.data())}) {
                QVERIFY(w > image->width() / 5 && w < image->width() / 2);
                QVERIFY(h > image->height() / 3 && h <= image->height());
                const int bpl = (w * 3 + 3) / 4 * 4;
                QCOMPARE(bytes, bpl * h);
                for (int y = 0; y < h; ++y)
                    for (int k = w * 3; k < bpl; ++k)
                        QCOMPARE(int(data[size_t(y) * bpl + k]), 0);
                QVERIFY(!isGrey(pageImage(data, w, h)));
            }
            const cv::Mat left = toMat(pageImage(buf.left.data(), p.lw, p.lh));
            const cv::Mat right = toMat(pageImage(buf.right.data(), p.rw, p.rh));
            QVERIFY(scene::pageSimilarity(left, t->left.content) >
                    scene::pageSimilarity(left, t->right.content));
            QVERIFY(scene::pageSimilarity(right, t->right.content) >
                    scene::pageSimilarity(right, t->left.content));
        }
    }

    void optimisationFollowsTheFlags() {
        // Colour without flattening: no optimisation at all. Grey, flattened or not: both pages,
        // left first, with the grey flag. Flattening in colour: both pages, grey flag clear. A
        // refusal (0) or an error code (below 0) on the right page fails the capture.
        const struct {
            bool flatten, grey;
            std::vector<int> flags;
            int failWith;
        } cases[] = {{false, false, {}, 1},   {false, true, {1, 1}, 1}, {true, false, {0, 0}, 1},
                     {true, true, {1, 1}, 1}, {true, true, {1, 1}, 0},  {true, true, {1, 1}, -2}};
        for (const auto& c : cases) {
            OptimizeLog::reset(ip);
            OptimizeLog::failOnCall = c.failWith < 1 ? 1 : -1;
            OptimizeLog::failWith = short(c.failWith);
            PageBuffers buf(capture);
            Pages p = process(ip, &capture, buf, c.flatten, c.grey);
            QCOMPARE(OptimizeLog::greyFlags, c.flags);
            QVERIFY(buf.guardsIntact());
            if (c.failWith < 1) {
                QVERIFY2(p.result <= 0 && p.lw == 0, qPrintable(QString::number(c.failWith)));
                continue;  // nothing reported for a failed capture
            }
            QCOMPARE(p.result, 1);
            QCOMPARE(isGrey(pageImage(buf.left.data(), p.lw, p.lh)), c.grey);
            QCOMPARE(isGrey(pageImage(buf.right.data(), p.rw, p.rh)), c.grey);
            if (c.flatten || c.grey)
                continue;
            // Without optimisation the pages are the library's split, byte for byte before padding.
            std::vector<unsigned char> l(buf.capacity), r(buf.capacity);
            SImage src{capture.bits(), capture.width(), capture.height()};
            SImage L{l.data(), capture.width(), capture.height()},
                R{r.data(), capture.width(), capture.height()};
            int c1[8] = {0}, c2[8] = {0}, params[2] = {0, 1};
            QVERIFY(ip.fnGetBookCornerPoint(src, c1, c2, params) > 0);
            QVERIFY(ip.fnGetSplitBook(src, &L, &R, c1, c2, params[0]) > 0);
            QCOMPARE(QSize(L.width, R.height), QSize(p.lw, p.rh));
            QCOMPARE(
                pageImage(buf.left.data(), p.lw, p.lh),
                QImage(l.data(), L.width, L.height, L.width * 3, QImage::Format_RGB888).copy());
        }
        ip.fnOptimizeBook = OptimizeLog::real;
    }

    void failuresGiveNoPages() {
        // An empty desk: no spread, no pages, buffers untouched.
        cv::Mat desk(600, 800, CV_8UC3);
        cv::RNG(9).fill(desk, cv::RNG::UNIFORM, 50, 120);
        cv::GaussianBlur(desk, desk, cv::Size(0, 0), 5);
        QImage empty = toQImage(desk), null;
        PageBuffers buf(empty);
        Pages p = process(ip, &empty, buf, true, true);
        QVERIFY(p.result <= 0);
        QCOMPARE(p.lw, 0);
        QVERIFY(buf.left.untouched() && buf.right.untouched());

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

    void combinesPagesSideBySide() {
        QImage left(100, 50, QImage::Format_RGB888), right(160, 80, QImage::Format_RGB888);
        left.fill(QColor(200, 0, 0));
        right.fill(QColor(0, 0, 200));
        const QImage both = ImageProcessor::CombineLeftRight(left, right);
        QCOMPARE(both.size(), QSize(320, 80));
        QCOMPARE(both.format(), QImage::Format_RGB888);
        // The narrower, shorter left page sits centred in the left half, white around it; the right
        // page fills the right half.
        const QColor red(200, 0, 0), blue(0, 0, 200), white(Qt::white);
        const std::tuple<int, int, QColor> probes[] = {
            {30, 15, red},   {129, 64, red},  {29, 40, white}, {130, 40, white},
            {60, 14, white}, {60, 65, white}, {160, 0, blue},  {319, 79, blue}};
        for (const auto& [x, y, colour] : probes)
            QVERIFY2(both.pixelColor(x, y) == colour, qPrintable(QString("%1,%2").arg(x).arg(y)));
        QVERIFY(ImageProcessor::CombineLeftRight(QImage(), QImage()).isNull());
    }
};

QTEST_MAIN(ImageProcessorBookTest)
#include "ImageProcessorBookTest.moc"
