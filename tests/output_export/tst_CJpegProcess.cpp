#include "app/AppPaths.h"
#include "output/CJpegProcess.h"

#include <QImage>
#include <QtTest>

// The wrapper's own part: which library is missing, and the table of paths it hands over. What
// the libraries make of that table their own tests check.
class CJpegProcessTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString photo_;

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        photo_ = path("photo.jpg");
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(QColor(40, 120, 200));
        QVERIFY(image.save(photo_, "JPG", 85));
    }

    void cleanup() { AppPaths::setApplicationDir(QString()); }

    // A missing library has its own code; the PDF side works without the Word side, and a
    // conversion without its library answers -1 instead of calling through a null pointer.
    void missingLibraryGivesItsCode() {
        for (const int code : {-4, -6}) {
            const QString folder = path(QString::number(code));
            const QString pdfLib = CJpegProcess::kPdfLibrary;
            QVERIFY(QDir().mkpath(folder));
            if (code == -6)
                QVERIFY(QFile::copy(QStringLiteral(MIRAVELO_BIN_DIR "/") + pdfLib,
                                    folder + "/" + pdfLib));
            AppPaths::setApplicationDir(folder);
            CJpegProcess process;
            QCOMPARE(process.IsLoaded(), 0);
            QCOMPARE(process.LoadLibraries(), code);
            QCOMPARE(process.ToPdf({photo_}, folder + "/out.pdf"), code == -6 ? 1 : -1);
            QCOMPARE(process.ToWord({photo_}, folder + "/out.docx"), -1);
            QVERIFY(!QFile::exists(folder + "/out.docx"));
        }
    }

    // The table holds 512 paths of at most 511 bytes: exactly that much is converted, one more
    // file or one more byte is refused before anything is handed over.
    void tableTakesExactlyWhatFits() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        CJpegProcess process;
        QCOMPARE(process.IsLoaded(), 1);
        const QStringList full = QVector<QString>(CJpegProcess::kMaxFiles, photo_).toList();
        QCOMPARE(process.ToPdf(full, path("full.pdf")), 512);
        // On Linux "\" is part of a file name, not a separator: the Word export must find it.
        const QString odd = path("scan\\one.jpg");
        QVERIFY(QFile::copy(photo_, odd));
        QCOMPARE(process.ToWord({odd, photo_}, path("out.docx")), 2);

        // Real files whose paths are exactly 511 and 512 bytes, padded with "./" steps; a
        // two-byte character in the name makes bytes, not characters, count.
        auto padded = [this](int bytes) {
            QString p = dir_.path() + "/";
            while (QFile::encodeName(p).size() + 30 < bytes)
                p += "./";
            p += QString(bytes - QFile::encodeName(p).size() - 6, 'f') + "\u00fc.jpg";
            return QFile::encodeName(p).size() == bytes && QFile::copy(photo_, p) ? p : QString();
        };
        const QString fits = padded(511), over = padded(512);
        QVERIFY(!fits.isEmpty() && !over.isEmpty());
        QCOMPARE(process.ToPdf({fits}, path("fits.pdf")), 1);
        QCOMPARE(process.ToWord({fits}, path("fits.docx")), 1);

        const QList<QPair<QStringList, int>> refused = {
            {full + QStringList{photo_}, CJpegProcess::kErrTooManyFiles},
            {{photo_, over}, CJpegProcess::kErrPathRejected},
            {{}, -1}};
        for (const auto& r : refused) {
            QCOMPARE(process.ToPdf(r.first, path("refused.pdf")), r.second);
            QCOMPARE(process.ToWord(r.first, path("refused.docx")), r.second);
            QVERIFY(!QFile::exists(path("refused.pdf")) && !QFile::exists(path("refused.docx")));
        }
    }
};

QTEST_GUILESS_MAIN(CJpegProcessTest)
#include "tst_CJpegProcess.moc"
