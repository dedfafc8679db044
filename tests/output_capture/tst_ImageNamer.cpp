#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "output/ImageNamer.h"
#include "output/ImageType.h"

namespace {
void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}
QString baseName(const QString& path) {
    return QFileInfo(path).fileName();
}
}  // namespace

class TestImageNamer : public QObject {
    Q_OBJECT
private slots:
    void indexRuleCountsAndSkipsExistingFiles() {
        QTemporaryDir dir;
        ImageNamer namer;
        QCOMPARE(namer.rule, int(ImageNamer::Index));
        QCOMPARE(baseName(namer.MakeImagePath(dir.path(), ImageType::Jpg)), "IMG0000.jpg");
        QCOMPARE(baseName(namer.MakeImagePath(dir.path(), ImageType::Jpg)), "IMG0001.jpg");
        QCOMPARE(baseName(namer.MakeImagePath(dir.path(), ImageType::Png)), "IMG0002.png");

        // A new run (fresh counter) finds its way past the previous run's files.
        for (int i = 0; i <= 4; ++i)
            touch(dir.filePath(QString("IMG%1.jpg").arg(i, 4, 10, QChar('0'))));
        ImageNamer again;
        const QString first = again.MakeImagePath(dir.path(), ImageType::Jpg);
        QCOMPARE(baseName(first), "IMG0005.jpg");
        QCOMPARE(again.index, 6);  // one step past the number used
        QCOMPARE(baseName(again.MakeImagePath(dir.path(), ImageType::Jpg)), "IMG0006.jpg");
        // The path is composed with one separator, also when the folder ends with one.
        QCOMPARE(first, dir.path() + "/IMG0005.jpg");
        QCOMPARE(again.MakeImagePath(dir.path() + "/", ImageType::Jpg),
                 dir.path() + "/IMG0007.jpg");

        // Other extensions do not collide with .jpg files; unknown types have no extension.
        ImageNamer other;
        QCOMPARE(baseName(other.MakeImagePath(dir.path(), ImageType::Tif)), "IMG0000.tif");
        QCOMPARE(baseName(other.MakeImagePath(dir.path(), 9)), "IMG0001");

        ImageNamer big;
        big.index = 10000;
        big.prefix = "scan_";
        QCOMPARE(baseName(big.MakeImagePath(dir.path(), ImageType::Bmp)), "scan_10000.bmp");
        big.index = 7;
        QCOMPARE(baseName(big.MakeImagePath(dir.path(), ImageType::Gif)), "scan_0007.gif");
    }

    void timeRuleNeverReusesAnExistingName() {
        QTemporaryDir dir;
        ImageNamer namer;
        namer.rule = ImageNamer::TimeDate;
        // Retry if the clock crosses a second boundary while the burst is named.
        for (int attempt = 0; attempt < 5; ++attempt) {
            const QString stamp = QDateTime::currentDateTime().toString("yyyy_MM_dd_hh_mm_ss");
            QStringList names;
            for (int i = 0; i < 7; ++i) {
                const QString p = namer.MakeImagePath(dir.path(), ImageType::Jpg);
                QVERIFY2(!QFileInfo::exists(p), qPrintable(p));
                touch(p);
                names << baseName(p);
            }
            if (QDateTime::currentDateTime().toString("yyyy_MM_dd_hh_mm_ss") != stamp) {
                for (const QString& n : names)
                    QFile::remove(dir.filePath(n));
                continue;
            }
            QStringList expected{"IMG" + stamp + ".jpg"};
            for (int k = 1; k < 7; ++k)
                expected << QString("IMG%1_%2.jpg").arg(stamp).arg(k);
            QCOMPARE(names, expected);
            QCOMPARE(namer.index, 0);  // the time rule leaves the counter alone
            return;
        }
        QFAIL("clock kept crossing second boundaries");
    }

    void burstBeforeAnyFileIsWritten() {
        // Files are written after naming, on another thread: a burst must still get distinct
        // names under every rule.
        QTemporaryDir dir;
        for (int rule : {1, 2, 3}) {
            ImageNamer namer;
            namer.rule = rule;
            QStringList paths;
            for (int i = 0; i < 6; ++i)
                paths << namer.MakeImagePath(dir.path(), ImageType::Jpg);
            paths.removeDuplicates();
            QCOMPARE(paths.size(), 6);
        }
    }

    void timeDateIndexRuleJoinsDateAndNumber() {
        QTemporaryDir dir;
        ImageNamer namer;
        namer.rule = ImageNamer::TimeDateIndex;
        namer.index = 7;
        const QString date = QDate::currentDate().toString("yyyy_MM_dd");
        const QString p = namer.MakeImagePath(dir.path(), ImageType::Jpg);
        if (QDate::currentDate().toString("yyyy_MM_dd") != date)
            QSKIP("crossed midnight");
        QCOMPARE(baseName(p), "IMG" + date + "0007.jpg");
        touch(dir.filePath("IMG" + date + "0008.jpg"));
        QCOMPARE(baseName(namer.MakeImagePath(dir.path(), ImageType::Jpg)),
                 "IMG" + date + "0009.jpg");
        QCOMPARE(namer.index, 10);
    }

    void rulesFromSettings() {
        QCOMPARE(ImageNamer::RuleFromNameType(0), int(ImageNamer::TimeDate));
        QCOMPARE(ImageNamer::RuleFromNameType(1), int(ImageNamer::Index));
        QCOMPARE(ImageNamer::RuleFromNameType(2), int(ImageNamer::TimeDateIndex));
        QCOMPARE(ImageNamer::RuleFromNameType(-5), int(ImageNamer::TimeDateIndex));
    }

    void cardSidesShareANumber() {
        QTemporaryDir dir;
        ImageNamer namer;
        namer.index = 7;
        const QString up = namer.MakeSidePath(dir.path(), "Up", ImageType::Jpg);
        const QString down = namer.MakeSidePath(dir.path(), "Down", ImageType::Jpg);
        QCOMPARE(baseName(up), "IMG0007Up.jpg");
        QCOMPARE(baseName(down), "IMG0007Down.jpg");
        QCOMPARE(namer.index, 7);
        touch(up);
        // Index rule: walks on, ending one past the number used.
        QCOMPARE(baseName(namer.MakeSidePath(dir.path(), "Up", ImageType::Jpg)), "IMG0008Up.jpg");
        QCOMPARE(namer.index, 9);

        // TimeDate&Index stops on the number used, so the other side gets the same one.
        ImageNamer dated;
        dated.rule = ImageNamer::TimeDateIndex;
        const QString date = QDate::currentDate().toString("yyyy_MM_dd");
        touch(dir.filePath("IMG" + date + "0000Up.jpg"));
        const QString p = dated.MakeSidePath(dir.path(), "Up", ImageType::Jpg);
        if (QDate::currentDate().toString("yyyy_MM_dd") != date)
            QSKIP("crossed midnight");
        QCOMPARE(baseName(p), "IMG" + date + "0001Up.jpg");
        QCOMPARE(dated.index, 1);

        // Time rule: no prefix, and an occupied name is never handed out again.
        ImageNamer timed;
        timed.rule = ImageNamer::TimeDate;
        const QString a = timed.MakeSidePath(dir.path(), "Up", ImageType::Png);
        QVERIFY(!baseName(a).startsWith("IMG"));
        QVERIFY(baseName(a).endsWith("Up.png"));
        touch(a);
        const QString b = timed.MakeSidePath(dir.path(), "Up", ImageType::Png);
        QVERIFY(b != a);
        QVERIFY(!QFileInfo::exists(b));
    }

    void bookPairsAdvanceTogether() {
        QTemporaryDir dir;
        ImageNamer namer;
        QString left, right;
        touch(dir.filePath("IMG0000_RIGHT.jpg"));
        QCOMPARE(namer.MakeBookPairPaths(dir.path(), left, right, ImageType::Jpg), QString());
        QCOMPARE(baseName(left), "IMG0001_LEFT.jpg");
        QCOMPARE(baseName(right), "IMG0001_RIGHT.jpg");
        QCOMPARE(namer.bookIndex, 1);
        QCOMPARE(namer.index, 0);  // separate from the capture counter
        // Nothing written yet: the next spread is offered the same pair.
        namer.MakeBookPairPaths(dir.path(), left, right, ImageType::Jpg);
        QCOMPARE(baseName(left), "IMG0001_LEFT.jpg");
        touch(left);
        namer.MakeBookPairPaths(dir.path(), left, right, ImageType::Jpg);
        QCOMPARE(baseName(right), "IMG0002_RIGHT.jpg");
    }
};

QTEST_GUILESS_MAIN(TestImageNamer)
#include "tst_ImageNamer.moc"
