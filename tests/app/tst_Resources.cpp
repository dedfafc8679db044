#include "app/StyleSheet.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

QStringList g_warnings;
void collect(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg)
        g_warnings << msg;
}

// Every file with one of the suffixes in the bundle, Qt's own resources aside.
QStringList bundled(const QStringList& suffixes) {
    QStringList out;
    QDirIterator it(":/", QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(":/qt-project.org") && suffixes.contains(QFileInfo(path).suffix()))
            out << path;
    }
    return out;
}

}  // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No explicit registration: linking the style-sheet code registers the bundle at load.
        QVERIFY(QFile::exists(":/new/prefix1/Res/NOLP.png"));
    }

    void everythingNamedIsInTheBundle() {
        QStringList named;
        const QRegularExpression literal("\"(:/+[^\"/][^\"]*)\"");
        for (const char* folder : {"app", "ui", "camera", "modes", "output"}) {
            QDirIterator it(QStringLiteral(MIRAVELO_SOURCE_DIR "/") + folder, {"*.cpp", "*.h"},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                auto m = literal.globalMatch(QString::fromUtf8(readFile(it.next())));
                while (m.hasNext())
                    named << m.next().captured(1);
            }
        }
        QVERIFY(named.contains("://Black_Center_LabelTip.css"));  // the scan itself works
        for (const QString& path : named)
            QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    void picturesAreDistinctDrawings() {
        QHash<QByteArray, QString> seen;
        const QStringList pictures = bundled({"png", "ico"});
        QVERIFY(pictures.contains(":/new/prefix1/Res/NOLP.ico"));
        for (const QString& path : pictures) {
            const QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!img.isNull(), qPrintable(path));
            // One flat colour would be a placeholder, a copy of another picture a mix-up (a
            // hover or selected state that looks like the plain one).
            QImage flat(img);
            flat.fill(img.pixel(0, 0));
            QVERIFY2(img != flat, qPrintable(path));
            const QByteArray pixels(reinterpret_cast<const char*>(img.constBits()),
                                    int(img.sizeInBytes()));
            QVERIFY2(!seen.contains(pixels), qPrintable(path + " = " + seen.value(pixels)));
            seen.insert(pixels, path);
        }
    }

    void beepIsARealSound() {
        const QByteArray wav = readFile(":/Res/beep.wav");
        QVERIFY(wav.size() > 44);
        QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt " && wav.mid(36, 4) == "data");
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));  // PCM
        const quint32 data = qFromLittleEndian<quint32>(wav.constData() + 40);
        QCOMPARE(data, quint32(wav.size() - 44));
        // Audible, and silent at the end rather than cut off mid-wave.
        const qint16* s = reinterpret_cast<const qint16*>(wav.constData() + 44);
        const int n = int(data / 2);
        QVERIFY(std::any_of(s, s + n, [](qint16 v) { return qAbs(int(v)) > 8000; }));
        QVERIFY(qAbs(int(s[n - 1])) < 400);
    }

    void sheetsLoadAndParse() {
        QTemporaryDir dir;
        auto load = [&dir](const QByteArray& bytes) {
            return writeFile(dir.filePath("sheet.css"), bytes)
                       ? LoadStyleSheet(dir.filePath("sheet.css"))
                       : QString("not written");
        };
        // Reading stops at a NUL byte; bytes that are not UTF-8 do not spoil the sheet.
        QCOMPARE(load(QByteArray("QLabel { color: red; }\0QLabel { color: blue; }", 46)),
                 QString("QLabel { color: red; }"));
        QCOMPARE(load("/* caf\xe9 \xff */"), QString::fromLatin1("/* caf\xe9 \xff */"));
        QCOMPARE(LoadStyleSheet(":/Black_Missing.css"), QString());

        // Every sheet is there, names only pictures of the bundle, and parses without complaint.
        const QRegularExpression url("url\\(([^)]+)\\)");
        for (const QString& sheet : bundled({"css"})) {
            const QString text = LoadStyleSheet(sheet);
            QVERIFY2(!text.isEmpty(), qPrintable(sheet));
            for (auto m = url.globalMatch(text); m.hasNext();) {
                const QString target = m.next().captured(1).trimmed();
                QVERIFY2(QFile::exists(target), qPrintable(sheet + " -> " + target));
            }
            g_warnings.clear();
            const auto old = qInstallMessageHandler(collect);
            QPushButton b;
            b.setStyleSheet(text);
            b.ensurePolished();
            qInstallMessageHandler(old);
            QVERIFY2(g_warnings.isEmpty(), qPrintable(sheet + ": " + g_warnings.join("; ")));
        }
        QVERIFY(ApplyApplicationStyleSheet());
        QCOMPARE(qApp->styleSheet(), LoadStyleSheet(":/new/prefix1/Black_Common.css"));
    }
};

QTEST_MAIN(TestResources)
#include "tst_Resources.moc"
