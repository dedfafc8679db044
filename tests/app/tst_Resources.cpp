#include "app/StyleSheet.h"
#include "TestFiles.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QtTest>

namespace {

QStringList g_warnings;
void collect(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtDebugMsg)
        g_warnings << msg;
}

// Each path must be in the bundle, and a picture must decode.
bool usable(const QString& path) {
    return QFile::exists(path) &&
           !(QRegularExpression("\\.(png|ico)$").match(path).hasMatch() && QImage(path).isNull());
}

}  // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void everythingNamedIsInTheBundle() {
        // No explicit registration: linking the style-sheet code registers the bundle at load.
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
        for (const QString& path : named)
            QVERIFY2(usable(path), qPrintable(path));
    }

    void sheetsLoadAndParse() {
        // Every sheet of the bundle names only usable pictures and parses without complaint.
        const QRegularExpression url("url\\(([^)]+)\\)");
        QDirIterator it(":/", QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString sheet = it.next();
            if (!sheet.endsWith(".css") || sheet.startsWith(":/qt-project.org"))
                continue;
            const QString text = LoadStyleSheet(sheet);
            QVERIFY2(!text.isEmpty(), qPrintable(sheet));
            for (auto m = url.globalMatch(text); m.hasNext();) {
                const QString target = m.next().captured(1).trimmed();
                QVERIFY2(usable(target), qPrintable(sheet + " -> " + target));
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
