// The OCR program as a script runs it (--no-gui): pages of known text in, a searchable PDF whose
// pictures are the files themselves and a text file out, whatever else is in the list.
#include <QtTest>

#include "support/BombPicture.h"
#include "support/TestFiles.h"

#include <QPainter>
#include <QProcess>
#include <QSettings>

class TestRir : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Run {
        int code = -1;
        QString out, err;
        QString made(const char* suffix) const {
            for (const QString& line : out.split('\n'))
                if (line.endsWith(suffix))
                    return line;
            return QString();
        }
    };

    // A page of large text (one line unless the size says otherwise), turned clockwise by
    // `degrees` and saved as JPEG.
    QString page(const QString& name, const QString& text, int degrees = 0,
                 QSize size = {1400, 420}) {
        QImage image(size, QImage::Format_RGB888);
        image.fill(Qt::white);
        QPainter p(&image);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(64);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(image.rect().adjusted(60, 60, -60, -60), Qt::AlignCenter | Qt::TextWordWrap,
                   text);
        p.end();
        const QString path = m_dir.filePath(name);
        return image.transformed(QTransform().rotate(degrees)).save(path, "JPEG", 92) ? path
                                                                                      : QString();
    }

    Run rir(const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(MIRAVELO_BIN_DIR "/Rir", QStringList{"--no-gui"} + args);
        p.waitForFinished(-1);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    static QString tool(const QString& program, const QStringList& args, int* code = nullptr) {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(-1);
        if (code)
            *code = p.exitCode();
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

    QStringList outputs(const QString& dir) {
        return QDir(dir).entryList({"*.pdf", "*.txt", "*.tmp*", ".*"}, QDir::Files | QDir::Hidden);
    }

private slots:
    void readsPagesIntoSearchablePdfAndText() {
        const QString out = m_dir.filePath("out ä #1 'x'");
        QVERIFY(QDir().mkpath(out));
        const QString first = page("séite 1 #'x'.jpg", "Quarterly harvest report");
        const QString second = page("page 2.jpg", "Lighthouse keeper diary");
        const QString blank = page("blank.jpg", " ");
        const QString broken = m_dir.filePath("broken.jpg");
        QVERIFY(writeBytes(broken, "not a picture"));
        const QStringList args = {"--lang", "eng",  "--out",
                                  out,      first,  broken,
                                  blank,    second, m_dir.filePath("gone.jpg")};
        const Run run = rir(args);
        QCOMPARE(run.code, 0);
        // The files that could not be read are named; the others are in the document.
        QVERIFY2(run.err.contains("broken.jpg") && run.err.contains("gone.jpg"),
                 qPrintable(run.err));
        const QString pdf = run.made(".pdf"), txt = run.made(".txt");
        QVERIFY2(QFileInfo(pdf).path() == out && QFile::exists(txt), qPrintable(run.out));
        QVERIFY(QFileInfo(pdf).fileName().startsWith("OCR_"));

        const QString text = tool("pdftotext", {pdf, "-"});
        QVERIFY2(text.contains("Quarterly harvest report") &&
                     text.indexOf("harvest") < text.indexOf("Lighthouse keeper"),
                 qPrintable(text));
        QVERIFY(QString::fromUtf8(readBytes(txt)).contains("Lighthouse keeper diary"));
        // Each page shows the very JPEG file, not a copy made from its pixels.
        const QByteArray bytes = readBytes(pdf);
        QVERIFY(bytes.contains(readBytes(first)) && bytes.contains(readBytes(second)));
        const QString info = tool("pdfinfo", {pdf});
        QVERIFY2(info.contains("Pages: 3"), qPrintable(info));  // the blank page too
        int code = -1;
        tool("qpdf", {"--check", pdf}, &code);
        QCOMPARE(code, 0);

        // A second run never replaces the first one's files.
        const Run again = rir(args);
        QCOMPARE(again.code, 0);
        QVERIFY(again.made(".pdf") != pdf && again.made(".txt") != txt);
        QCOMPARE(readBytes(pdf), bytes);
        QCOMPARE(outputs(out).size(), 4);
    }

    // Pages lying sideways or upside down are read upright, and shown upright from their own,
    // unchanged JPEG data.
    void turnsPagesUpright() {
        const QString out = m_dir.filePath("upright");
        QVERIFY(QDir().mkpath(out));
        const QString text =
            "The ferry leaves the harbour every morning at seven and returns in the evening "
            "when the weather allows. Tickets are sold on board and at the kiosk by the pier.";
        const QString sideways = page("sideways.jpg", text, 90, {1300, 1000});
        const QString upsideDown = page("upside down.jpg", text, 180, {1300, 1000});
        const Run run = rir({"--lang", "eng", "--out", out, sideways, upsideDown});
        QCOMPARE(run.code, 0);
        const QString pdf = run.made(".pdf");
        for (int p : {1, 2}) {
            const QString n = QString::number(p);
            QVERIFY2(
                tool("pdftotext", {"-f", n, "-l", n, pdf, "-"}).contains("harbour every morning"),
                qPrintable(n));
        }
        // The sideways page stands as the text reads: wider than high again.
        const QRegularExpressionMatch size =
            QRegularExpression("Page 1 size: ([0-9.]+) x ([0-9.]+)")
                .match(tool("pdfinfo", {"-f", "1", "-l", "1", pdf}));
        QVERIFY(size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble());
        QVERIFY(readBytes(pdf).contains(readBytes(sideways)));
    }

    void fallsBackToEnglishWithoutLanguageData() {
        // Only English data installed, while the interface is German.
        QTemporaryDir data;
        const QString system = "/usr/share/tesseract-ocr/5/tessdata";
        for (const char* file : {"eng.traineddata", "osd.traineddata", "pdf.ttf"})
            QFile::link(system + "/" + file, data.filePath(file));
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Miravelo")
            .setValue("Language", "German");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSDATA_PREFIX", data.path());
        const QString out = m_dir.filePath("fallback");
        QVERIFY(QDir().mkpath(out));
        const Run run = rir({"--out", out, page("de.jpg", "Summer timetable")}, env);
        QCOMPARE(run.code, 0);
        QVERIFY2(run.err.contains("deu"), qPrintable(run.err));
        QVERIFY(tool("pdftotext", {run.made(".pdf"), "-"}).contains("Summer timetable"));
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Miravelo").remove("Language");

        // Not even English: nothing is read, and that is said.
        env.insert("TESSDATA_PREFIX", m_dir.filePath("no data"));
        const Run none = rir({"--out", out, page("x.jpg", "x")}, env);
        QCOMPARE(none.code, 1);
        QVERIFY(none.err.contains("no data"));
    }

    void refusesOrStopsWithoutLeavingFiles() {
        const QString out = m_dir.filePath("refused");
        QVERIFY(QDir().mkpath(out));
        const QString picture = page("one.jpg", "One line of text");

        const Run missing = rir({"--out", out + "/nowhere", picture});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.err.contains("nowhere"));

        const QString broken = m_dir.filePath("broken.png");
        QVERIFY(writeBytes(broken, "\x89PNG but not really"));
        const Run unreadable = rir({"--out", out, broken});
        QCOMPARE(unreadable.code, 2);
        QVERIFY(unreadable.err.contains("broken.png"));

        // A picture claiming 20,000 x 20,000 pixels is left out, said so, and costs no memory.
        const QString bomb = m_dir.filePath("bomb.bmp");
        QVERIFY(writeBytes(bomb, bombPicture()));
        const Run huge = rir({"--out", out, bomb, picture});
        QCOMPARE(huge.code, 0);
        QVERIFY2(huge.err.contains("bomb.bmp"), qPrintable(huge.err));
        for (const char* suffix : {".pdf", ".txt"})
            QVERIFY(QFile::remove(huge.made(suffix)));

        // A stop in the middle (Ctrl+C, or the window's Cancel) leaves nothing behind.
        QStringList pages;
        for (int i = 0; i < 12; ++i)
            pages << picture;
        QProcess p;
        p.start(MIRAVELO_BIN_DIR "/Rir",
                QStringList{"--no-gui", "--jobs", "1", "--out", out} + pages);
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += p.readAllStandardOutput()).contains("Page 1 of 12"),
                                 60000);
        p.terminate();
        p.waitForFinished(-1);
        QCOMPARE(p.exitCode(), 3);
        QCOMPARE(outputs(out), QStringList());
    }
};

QTEST_MAIN(TestRir)
#include "tst_Rir.moc"
