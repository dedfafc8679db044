#include "FrameDecoder.h"
#include "FrameStore.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

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
}  // namespace

class TestCamCtlDecoding : public QObject {
    Q_OBJECT

private slots:
    void decodesBothFormatsAndRejectsBrokenFrames() {
        FrameDecoder decoder;
        QImage picture(64, 48, QImage::Format_RGB888);
        picture.fill(QColor(220, 40, 20));
        const QByteArray jpeg = jpegOf(picture);
        RawFrame raw{reinterpret_cast<const uint8_t*>(jpeg.constData()), size_t(jpeg.size()), 64,
                     48, KELM_CAMCTL_FORMAT_MJPG};
        int w = 0, h = 0;
        QCOMPARE(decoder.measure(raw, w, h), KELM_CAMCTL_OK);
        QCOMPARE(QSize(w, h), QSize(64, 48));
        std::vector<uint8_t> rgb(size_t(w) * h * 3);
        QCOMPARE(decoder.decode(raw, w, h, rgb.data()), KELM_CAMCTL_OK);
        QVERIFY(std::abs(rgb[0] - 220) < 8 && std::abs(rgb[1] - 40) < 8 && rgb[2] < 40);

        // Garbage and an empty frame are refused before anything is written.
        QByteArray garbage(5000, '\x5a');
        RawFrame bad{reinterpret_cast<const uint8_t*>(garbage.constData()), size_t(garbage.size()),
                     64, 48, KELM_CAMCTL_FORMAT_MJPG};
        QVERIFY(decoder.measure(bad, w, h) < 0);
        RawFrame none{nullptr, 0, 64, 48, KELM_CAMCTL_FORMAT_MJPG};
        QVERIFY(decoder.measure(none, w, h) < 0);

        // YUY2: grey (Y 128, U V 128) becomes equal channels; a short buffer or an odd width is
        // refused rather than read past its end.
        std::vector<uint8_t> yuy2(8 * 4 * 2);
        for (size_t i = 0; i < yuy2.size(); i += 2) {
            yuy2[i] = 128;
            yuy2[i + 1] = 128;
        }
        RawFrame grey{yuy2.data(), yuy2.size(), 8, 4, KELM_CAMCTL_FORMAT_YUY2};
        QCOMPARE(decoder.measure(grey, w, h), KELM_CAMCTL_OK);
        std::vector<uint8_t> out(8 * 4 * 3, 0);
        QCOMPARE(decoder.decode(grey, w, h, out.data()), KELM_CAMCTL_OK);
        QVERIFY(std::abs(out[0] - out[1]) <= 2 && std::abs(out[1] - out[2]) <= 2);
        QVERIFY(out[0] > 100 && out[0] < 160);
        RawFrame shortFrame{yuy2.data(), yuy2.size() - 1, 8, 4, KELM_CAMCTL_FORMAT_YUY2};
        QVERIFY(decoder.measure(shortFrame, w, h) < 0);
        RawFrame oddWidth{yuy2.data(), yuy2.size(), 7, 4, KELM_CAMCTL_FORMAT_YUY2};
        QVERIFY(decoder.measure(oddWidth, w, h) < 0);
    }

    void storeHandsOverEachFrameOnceAndNeverOverfills() {
        FrameStore store;
        uint64_t seen = 0;
        int w = 0, h = 0;
        std::vector<uint8_t> dst(64, 0xee);
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_NO_FRAME);

        uint8_t* back = store.backBuffer(4 * 2 * 3);
        for (int i = 0; i < 24; ++i)
            back[i] = uint8_t(i);
        store.publish(4, 2);
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_OK);
        QCOMPARE(QSize(w, h), QSize(4, 2));
        QCOMPARE(int(dst[23]), 23);
        QCOMPARE(int(dst[24]), 0xee);  // nothing beyond the frame
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_NO_FRAME);

        // A frame bigger than the caller's buffer is not delivered, not even in part.
        back = store.backBuffer(6 * 4 * 3);
        std::fill(back, back + 72, uint8_t(7));
        store.publish(6, 4);
        std::fill(dst.begin(), dst.end(), uint8_t(0xee));
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_E_TOO_LARGE);
        QCOMPARE(int(dst[0]), 0xee);
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_NO_FRAME);

        store.markLost();
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_E_DEVICE_LOST);
        store.reset();
        QVERIFY(!store.lost());
        QCOMPARE(store.copyNewest(dst.data(), dst.size(), w, h, seen), KELM_CAMCTL_NO_FRAME);
    }
};

QTEST_GUILESS_MAIN(TestCamCtlDecoding)
#include "tst_CamCtlDecoding.moc"
