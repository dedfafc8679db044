#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QtTest>
#include <functional>

// Pictures and checks shared by the export library tests: test pictures whose orientation and
// colours are easy to tell apart, an EXIF orientation writer, and comparisons between what went in
// and what came out.
class ExportTestImages {
public:
    // An export entry point reduced to its file table and output path.
    using Convert = std::function<int(const char* const* files, int count, const char* out)>;
    struct Codes {
        int argument, input, output;
    };

    // Four coloured quadrants (red, green, blue, yellow from the top left, clockwise) over a
    // diagonal gradient: any turn or mirror of it is far from the original.
    static QImage pattern(int width, int height) {
        // Quadrants: top left, top right, bottom left, bottom right.
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
    static QByteArray withExifOrientation(const QByteArray& jpeg, int orientation) {
        // Big-endian TIFF with one IFD entry: Orientation (0x0112), SHORT, count 1.
        QByteArray payload("Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0", 25);
        payload += char(orientation);
        payload += QByteArray(6, '\0');
        const int length = payload.size() + 2;
        return jpeg.left(2) + QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) +
               payload + jpeg.mid(2);
    }

    static QByteArray readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static bool writeFile(const QString& path, const QByteArray& data) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    }

    // Mean absolute difference per channel (0..255) after scaling `actual` to `expected`'s size.
    static double meanDifference(const QImage& expected, const QImage& actual) {
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
    static QRectF fittedRect(const QSizeF& picture, const QSizeF& page) {
        const QSizeF size =
            picture * qMin(page.width() / picture.width(), page.height() / picture.height());
        return QRectF(
            QPointF((page.width() - size.width()) / 2, (page.height() - size.height()) / 2), size);
    }

    // Runs a program, returns its exit code (-1 if it could not start) and its combined output.
    static int run(const QString& program, const QStringList& args, QByteArray* output = nullptr) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        const bool finished = p.waitForFinished(-1);  // false also when it did not start
        if (output)
            *output = p.readAll();
        return finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // Files in a folder, for checking that a failed export left nothing behind.
    static QStringList listFolder(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                      QDir::Name);
    }

    static int convert(const Convert& fn, const QStringList& files, const QString& out) {
        QList<QByteArray> bytes;
        std::vector<const char*> table;
        for (const QString& f : files) {
            bytes << QFile::encodeName(f);
            table.push_back(bytes.last().constData());
        }
        return fn(table.data(), int(table.size()), QFile::encodeName(out).constData());
    }

    // The argument refusals every entry point makes for itself, each bad file in `bad` next to
    // `good`, and a target folder that is missing or a folder: each with its result code, leaving
    // the folder `out` as it was and an older document out/old<ext> untouched. Then a good run
    // that replaces that document in one step.
    static void checkRefusals(const Convert& fn, const QString& good, const QString& out,
                              const QString& ext, const Codes& codes, const QStringList& bad) {
        const QString old = out + "/old" + ext, fresh = out + "/new" + ext;
        QVERIFY(writeFile(old, "older document"));
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
                QVERIFY2(convert(fn, {good, b}, target) == codes.input, qPrintable(b));
        QCOMPARE(convert(fn, {good}, out + "/no/such/folder" + ext), codes.output);
        QVERIFY(QDir(out).mkdir("taken" + ext));
        QCOMPARE(convert(fn, {good}, out + "/taken" + ext), codes.output);
        QVERIFY(QDir(out).rmdir("taken" + ext));
        QCOMPARE(listFolder(out), before);
        QCOMPARE(readFile(old), QByteArray("older document"));
        QCOMPARE(convert(fn, {good}, old), 1);
        QVERIFY(readFile(old) != "older document");
        QCOMPARE(listFolder(out), before);
    }
};
