#include "app/AppPaths.h"
#include "output/CJpegProcess.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class CJpegProcessTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString photo_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A program folder holding the given library files, copied under the given names.
    QString programFolder(const QString& name, const QList<QPair<QString, QString>>& libs) {
        const QString folder = path(name);
        if (!QDir().mkpath(folder))
            return QString();
        for (const auto& lib : libs) {
            if (!QFile::copy(QStringLiteral(MIRAVELO_BIN_DIR "/") + lib.first,
                             folder + "/" + lib.second))
                return QString();
        }
        return folder;
    }

    static int pdfPages(const QString& pdf) {
        QProcess p;
        p.start("pdfinfo", {pdf});
        p.waitForFinished(-1);
        const QString info = QString::fromUtf8(p.readAll());
        return QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    }

private slots:
    void initTestCase() {
        photo_ = path("photo.jpg");
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(QColor(40, 120, 200));
        QVERIFY(image.save(photo_, "JPG", 85));
    }

    void cleanup() { AppPaths::setApplicationDir(QString()); }

    void convertsThroughLibrariesBesideTheProgram() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        CJpegProcess process;
        QCOMPARE(process.IsLoaded(), 1);
        QCOMPARE(process.LoadLibraries(), 1);
        QCOMPARE(process.ToPdf({photo_, photo_}, path("out.pdf")), 2);
        QCOMPARE(pdfPages(path("out.pdf")), 2);
        // On Linux "\" is part of a file name, not a separator: the Word export must find it.
        const QString odd = path("scan\\one.jpg");
        QVERIFY(QFile::copy(photo_, odd));
        QCOMPARE(process.ToWord({odd, photo_}, path("out.docx")), 2);
        QVERIFY(QFile::exists(path("out.docx")));

        // Nothing to convert is refused before the library is called; a failing conversion
        // passes the library's negative result on. Neither leaves a document.
        QCOMPARE(process.ToPdf({}, path("none.pdf")), -1);
        QCOMPARE(process.ToWord({}, path("none.docx")), -1);
        QVERIFY(process.ToPdf({path("missing.jpg")}, path("missing.pdf")) < 0);
        for (const char* name : {"none.pdf", "none.docx", "missing.pdf"})
            QVERIFY2(!QFile::exists(path(name)), name);
    }

    // Each loading step fails with its own code, and conversions without an entry point answer
    // -1 instead of calling through a null pointer.
    void loadFailuresGiveTheirCode() {
        const QString pdfLib = CJpegProcess::kPdfLibrary;
        const QString wordLib = CJpegProcess::kWordLibrary;
        const QList<QPair<QString, int>> cases = {
            {programFolder("empty", {}), -4},
            {programFolder("pdfWithoutEntry", {{wordLib, pdfLib}}), -5},
            {programFolder("pdfOnly", {{pdfLib, pdfLib}}), -6},
            {programFolder("wordWithoutEntry", {{pdfLib, pdfLib}, {pdfLib, wordLib}}), -7},
        };
        for (const auto& c : cases) {
            QVERIFY(!c.first.isEmpty());
            AppPaths::setApplicationDir(c.first);
            CJpegProcess process;
            QCOMPARE(process.IsLoaded(), 0);
            QCOMPARE(process.LoadLibraries(), c.second);
            // Once the PDF side has loaded it works on its own.
            const QString pdf = path(QString("partial%1.pdf").arg(c.second));
            QCOMPARE(process.ToPdf({photo_}, pdf), c.second <= -6 ? 1 : -1);
            QCOMPARE(QFile::exists(pdf), c.second <= -6);
            QCOMPARE(process.ToWord({photo_}, path("never.docx")), -1);
            QVERIFY(!QFile::exists(path("never.docx")));
        }
    }

    // The table holds 512 paths of at most 511 bytes: exactly that much is converted, one more
    // file or one more byte is refused before anything is handed over.
    void refusesWhatDoesNotFitTheTable() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        CJpegProcess process;
        QVERIFY(process.IsLoaded());
        const QStringList full = QVector<QString>(CJpegProcess::kMaxFiles, photo_).toList();
        QCOMPARE(process.ToPdf(full, path("full.pdf")), 512);
        QCOMPARE(pdfPages(path("full.pdf")), 512);

        // A real file whose path is exactly 511 bytes, then one of 512 bytes; the last folder
        // name carries a two-byte character so that bytes, not characters, are counted.
        QString deep = dir_.path();
        while (QFile::encodeName(deep).size() + 1 + 200 + 1 + 60 < 511)
            deep += "/" + QString(200, 'd');
        deep += "/\u00fc";
        QVERIFY(QDir().mkpath(deep));
        const int used = QFile::encodeName(deep).size() + 1;  // with the "/"
        const QString fits = deep + "/" + QString(511 - used - 4, 'f') + ".jpg";
        const QString over = deep + "/" + QString(512 - used - 4, 'o') + ".jpg";
        QCOMPARE(QFile::encodeName(fits).size(), 511);
        QCOMPARE(QFile::encodeName(over).size(), 512);
        QVERIFY(QFile::copy(photo_, fits) && QFile::copy(photo_, over));
        QCOMPARE(process.ToPdf({fits}, path("fits.pdf")), 1);
        QCOMPARE(process.ToWord({fits}, path("fits.docx")), 1);

        const QList<QPair<QStringList, int>> refused = {
            {full + QStringList{photo_}, CJpegProcess::kErrTooManyFiles},
            {{photo_, over}, CJpegProcess::kErrPathRejected}};
        for (const auto& r : refused) {
            QCOMPARE(process.ToPdf(r.first, path("refused.pdf")), r.second);
            QCOMPARE(process.ToWord(r.first, path("refused.docx")), r.second);
            QVERIFY(!QFile::exists(path("refused.pdf")) && !QFile::exists(path("refused.docx")));
        }
    }
};

QTEST_GUILESS_MAIN(CJpegProcessTest)
#include "tst_CJpegProcess.moc"
