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
        p.waitForFinished();
        const QRegularExpressionMatch m =
            QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(p.readAll()));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }

private slots:
    void initTestCase() {
        photo_ = path("photo.jpg");
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(QColor(40, 120, 200));
        QVERIFY(image.save(photo_, "JPG", 85));
    }

    void cleanup() { AppPaths::setApplicationDir(QString()); }

    // Both libraries load from the program's folder and convert, with the debug trail the
    // export dialog's users rely on when something goes wrong.
    void convertsThroughLibrariesBesideTheProgram() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        CJpegProcess process;
        QCOMPARE(process.IsLoaded(), 1);
        QCOMPARE(process.LoadLibraries(), 1);

        const QString pdf = path("out.pdf");
        QTest::ignoreMessage(QtDebugMsg, "Start to Process PDF!");
        QTest::ignoreMessage(QtDebugMsg, "Ret PDF:2");
        QCOMPARE(process.ToPdf({photo_, photo_}, pdf), 2);
        QCOMPARE(pdfPages(pdf), 2);

        // On Linux "\" is part of a file name, not a separator: the Word export must find it.
        const QString odd = path("scan\\one.jpg");
        QVERIFY(QFile::copy(photo_, odd));
        const QString docx = path("out.docx");
        QTest::ignoreMessage(QtDebugMsg, "Ret Word:2");
        QCOMPARE(process.ToWord({odd, photo_}, docx), 2);
        QVERIFY(QFile::exists(docx));

        // Nothing to convert: refused before the library is called, no document.
        QCOMPARE(process.ToPdf({}, path("none.pdf")), -1);
        QCOMPARE(process.ToWord({}, path("none.docx")), -1);
        QVERIFY(!QFile::exists(path("none.pdf")) && !QFile::exists(path("none.docx")));

        // A failing conversion passes the library's negative result on.
        QTest::ignoreMessage(QtDebugMsg, "Start to Process PDF!");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Ret PDF:-\\d+$"));
        QVERIFY(process.ToPdf({path("missing.jpg")}, path("missing.pdf")) < 0);
        QVERIFY(!QFile::exists(path("missing.pdf")));
    }

    // Each loading step fails with its own code and message, and conversions without an entry
    // point answer -1 instead of calling through a null pointer.
    void loadFailuresNameTheirStep() {
        struct Case {
            QString folder;
            int code;
            QString message;
        };
        const QString pdfLib = CJpegProcess::kPdfLibrary;
        const QString wordLib = CJpegProcess::kWordLibrary;
        const QList<Case> cases = {
            {programFolder("empty", {}), -4, "Can not load JPGtoPDF.dll!\n\r"},
            {programFolder("pdfWithoutEntry", {{wordLib, pdfLib}}), -5,
             "Can not load API KELM_ConvertPDF!\n\r"},
            {programFolder("pdfOnly", {{pdfLib, pdfLib}}), -6, "Can not load ToWord.dll!\n\r"},
            {programFolder("wordWithoutEntry", {{pdfLib, pdfLib}, {pdfLib, wordLib}}), -7,
             "Can not load API KELM_JpgintoWord!\n\r"},
        };
        for (const Case& c : cases) {
            QVERIFY(!c.folder.isEmpty());
            AppPaths::setApplicationDir(c.folder);
            for (int round = 0; round < 2; ++round) {  // constructor, then LoadLibraries()
                QTest::ignoreMessage(QtDebugMsg, qPrintable(c.message));
                if (c.code == -4 || c.code == -6)  // the loader's own reason follows
                    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Cannot load library"));
            }
            QTest::ignoreMessage(QtDebugMsg, "Can not load image process core");
            CJpegProcess process;
            QCOMPARE(process.IsLoaded(), 0);
            QCOMPARE(process.LoadLibraries(), c.code);
            if (c.code <= -6) {
                // The PDF side did load and still works on its own.
                QTest::ignoreMessage(QtDebugMsg, "Start to Process PDF!");
                QTest::ignoreMessage(QtDebugMsg, "Ret PDF:1");
                QCOMPARE(process.ToPdf({photo_}, path(QString("partial%1.pdf").arg(c.code))), 1);
            } else {
                QCOMPARE(process.ToPdf({photo_}, path("never.pdf")), -1);
            }
            QCOMPARE(process.ToWord({photo_}, path("never.docx")), -1);
            QVERIFY(!QFile::exists(path("never.pdf")) && !QFile::exists(path("never.docx")));
        }
    }

    // The table holds 512 paths of at most 511 bytes: exactly that much is converted, one more
    // file or one more byte is refused before anything is handed over.
    void refusesWhatDoesNotFitTheTable() {
        AppPaths::setApplicationDir(MIRAVELO_BIN_DIR);
        CJpegProcess process;
        QVERIFY(process.IsLoaded());

        QStringList full;
        for (int i = 0; i < CJpegProcess::kMaxFiles; ++i)
            full << photo_;
        QTest::ignoreMessage(QtDebugMsg, "Start to Process PDF!");
        QTest::ignoreMessage(QtDebugMsg, "Ret PDF:512");
        QCOMPARE(process.ToPdf(full, path("full.pdf")), 512);
        QCOMPARE(pdfPages(path("full.pdf")), 512);

        // Refused by both exports with the given code, logged, and no document written.
        auto refused = [&](const QStringList& files, const QString& name, int code,
                           const QString& log) {
            for (const QString& out : {path(name + ".pdf"), path(name + ".docx")}) {
                QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^" + log));
                QCOMPARE(
                    out.endsWith(".pdf") ? process.ToPdf(files, out) : process.ToWord(files, out),
                    code);
                QVERIFY(!QFile::exists(out));
            }
        };
        refused(full + QStringList{photo_}, "tooMany", CJpegProcess::kErrTooManyFiles,
                "Too many files");

        // A real file whose path is exactly 511 bytes, then one of 512 bytes; the last folder
        // name carries a two-byte character so that bytes, not characters, are counted.
        QString deep = dir_.path();
        const QString folderName(200, 'd');
        while (QFile::encodeName(deep).size() + 1 + 200 + 1 + 60 < 511)
            deep += "/" + folderName;
        deep += "/\u00fc";
        QVERIFY(QDir().mkpath(deep));
        const int used = QFile::encodeName(deep).size() + 1;  // with the "/"
        const QString fits = deep + "/" + QString(511 - used - 4, 'f') + ".jpg";
        const QString over = deep + "/" + QString(512 - used - 4, 'o') + ".jpg";
        QCOMPARE(QFile::encodeName(fits).size(), 511);
        QCOMPARE(QFile::encodeName(over).size(), 512);
        QVERIFY(QFile::copy(photo_, fits) && QFile::copy(photo_, over));

        QTest::ignoreMessage(QtDebugMsg, "Start to Process PDF!");
        QTest::ignoreMessage(QtDebugMsg, "Ret PDF:1");
        QCOMPARE(process.ToPdf({fits}, path("fits.pdf")), 1);
        QTest::ignoreMessage(QtDebugMsg, "Ret Word:1");
        QCOMPARE(process.ToWord({fits}, path("fits.docx")), 1);

        refused({photo_, over}, "over", CJpegProcess::kErrPathRejected, "Path refused");
    }
};

QTEST_GUILESS_MAIN(CJpegProcessTest)
#include "tst_CJpegProcess.moc"
