#include "CaptureThread.h"
#include "FrameDecoder.h"
#include "FrameStore.h"
#include "VirtualCamera.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

#include <memory>
#include <vector>

using namespace camctl;

namespace {
QByteArray jpegOf(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "JPG", 95);
    return bytes;
}

RawFrame mjpg(const QByteArray& bytes, int width = 64, int height = 48) {
    return {reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), width,
            height, KELM_CAMCTL_FORMAT_MJPG};
}

}  // namespace

class TestCamCtlDecoding : public QObject {
    Q_OBJECT

private slots:
    void decodesBothFormatsAndRejectsBrokenFrames() {
        FrameDecoder decoder;
        // Fine detail and hard colour edges, where a fast decoding path would show.
        QImage picture(64, 48, QImage::Format_RGB888);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                picture.setPixel(x, y, qRgb((x * 37) ^ (y * 11), (x / 3) % 2 * 255, y * 5));
        const QByteArray jpeg = jpegOf(picture);
        int w = 0, h = 0;
        QCOMPARE(decoder.measure(mjpg(jpeg), w, h), KELM_CAMCTL_OK);
        std::vector<uint8_t> exact(size_t(w) * h * 3);
        QCOMPARE(decoder.decode(mjpg(jpeg), w, h, exact.data(), true), KELM_CAMCTL_OK);
        // A capture is decoded as any image viewer would show the same bytes.
        QCOMPARE(QImage(exact.data(), w, h, w * 3, QImage::Format_RGB888),
                 QImage::fromData(jpeg, "JPG").convertToFormat(QImage::Format_RGB888));

        QVERIFY(decoder.measure(RawFrame{nullptr, 0, 64, 48, KELM_CAMCTL_FORMAT_MJPG}, w, h) < 0);

        // Cut short on the way: without its end marker the capture thread drops it; with one put
        // back, the decoder still sees the data end before the last row. Stray bytes before a
        // marker only earn a warning and keep the frame.
        const QByteArray half = jpeg.left(jpeg.size() / 2);
        QVERIFY(FrameDecoder::complete(mjpg(jpeg)) && !FrameDecoder::complete(mjpg(half)));
        std::vector<uint8_t> other(exact.size());
        QVERIFY(decoder.decode(mjpg(half + "\xff\xd9"), w, h, other.data(), true) < 0);
        QByteArray stray = jpeg;
        stray.insert(stray.indexOf("\xff\xda"), QByteArray("\x00\x11\x22", 3));
        QCOMPARE(decoder.decode(mjpg(stray), w, h, other.data(), true), KELM_CAMCTL_OK);
        QVERIFY(other == exact);

        // YUY2: grey (Y 128, U V 128) becomes equal channels; a short buffer or an odd width is
        // refused rather than read past its end.
        std::vector<uint8_t> yuy2(8 * 4 * 2, 128);
        RawFrame grey{yuy2.data(), yuy2.size(), 8, 4, KELM_CAMCTL_FORMAT_YUY2};
        QCOMPARE(decoder.measure(grey, w, h), KELM_CAMCTL_OK);
        std::vector<uint8_t> out(8 * 4 * 3, 0);
        QCOMPARE(decoder.decode(grey, w, h, out.data()), KELM_CAMCTL_OK);
        QVERIFY(std::abs(out[0] - out[1]) <= 2 && std::abs(out[1] - out[2]) <= 2 &&
                std::abs(out[0] - 128) < 32);
        QVERIFY(decoder.measure({yuy2.data(), yuy2.size() - 1, 8, 4, grey.format}, w, h) < 0);
        QVERIFY(decoder.measure({yuy2.data(), yuy2.size(), 7, 4, grey.format}, w, h) < 0);
    }

    void queryDecodesOnlyTheNewestFrameOnce() {
        FrameStore store;
        CaptureThread capture(std::make_shared<VirtualCamera>(VirtualCamera::Role::Sub), store);
        uint64_t seen = 0;
        int w = 0, h = 0;
        std::vector<uint8_t> dst(64 * 48 * 3 + 1, 0xee);
        auto deliver = [&](size_t capacity) {
            return capture.deliver(dst.data(), capacity, w, h, seen, false);
        };
        QCOMPARE(deliver(dst.size()), KELM_CAMCTL_NO_FRAME);

        const auto filled = [](Qt::GlobalColor c) {
            QImage frame(64, 48, QImage::Format_RGB888);
            frame.fill(c);
            return jpegOf(frame);
        };
        // Three frames arrive before the query: it gets the last one, and nothing after it.
        for (Qt::GlobalColor c : {Qt::red, Qt::green, Qt::blue})
            store.publish(mjpg(filled(c)));
        QCOMPARE(deliver(dst.size()), KELM_CAMCTL_OK);
        QCOMPARE(QSize(w, h), QSize(64, 48));
        QVERIFY(dst[2] > 200 && dst[0] < 40);
        QCOMPARE(int(dst.back()), 0xee);  // nothing beyond the frame
        for (int i = 0; i < 3; ++i)
            QCOMPARE(deliver(dst.size()), KELM_CAMCTL_NO_FRAME);

        // A frame bigger than the caller's buffer, or a corrupt one, is not delivered, not even
        // in part, and is not offered again.
        store.publish(mjpg(filled(Qt::red)));
        std::fill(dst.begin(), dst.end(), uint8_t(0xee));
        QCOMPARE(deliver(64 * 48 * 3 - 1), KELM_CAMCTL_E_TOO_LARGE);
        QCOMPARE(deliver(dst.size()), KELM_CAMCTL_NO_FRAME);
        store.publish(mjpg(QByteArray(5000, '\x5a')));
        QCOMPARE(deliver(dst.size()), KELM_CAMCTL_NO_FRAME);
        QCOMPARE(int(dst[0]), 0xee);

        store.markEnded(KELM_CAMCTL_E_DEVICE_LOST);
        QCOMPARE(deliver(dst.size()), KELM_CAMCTL_E_DEVICE_LOST);
        store.reset();
        QCOMPARE(store.ended(), 0);
        QCOMPARE(deliver(dst.size()), KELM_CAMCTL_NO_FRAME);
    }
};

QTEST_GUILESS_MAIN(TestCamCtlDecoding)
#include "tst_CamCtlDecoding.moc"
