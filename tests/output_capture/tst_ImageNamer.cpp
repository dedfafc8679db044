#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "output/ImageNamer.h"
#include "output/ImageType.h"
#include "tests/app/TestFiles.h"

namespace {
void touch(const QString& path) {
    QVERIFY(writeFile(path));
}
QString name(const QString& path) {
    return QFileInfo(path).fileName();
}
// Whether a dated rule gave this name, allowing for midnight passing since `day` was read.
bool datedName(const QString& name, const QDate& day, const QString& tail) {
    return name == "IMG" + day.toString("yyyy_MM_dd") + tail ||
           name == "IMG" + day.addDays(1).toString("yyyy_MM_dd") + tail;
}
}  // namespace

class TestImageNamer : public QObject {
    Q_OBJECT
private slots:
    void indexRule() {
        QTemporaryDir dir;
        // A fresh counter finds its way past the previous run's files, ending one step past the
        // number used; one separator, also when the folder ends with one.
        for (int i = 0; i <= 4; ++i)
            touch(dir.filePath(QString("IMG%1.jpg").arg(i, 4, 10, QChar('0'))));
        ImageNamer again;
        QCOMPARE(again.MakeImagePath(dir.path(), ImageType::Jpg), dir.path() + "/IMG0005.jpg");
        QCOMPARE(again.index, 6);
        QCOMPARE(again.MakeImagePath(dir.path() + "/", ImageType::Jpg),
                 dir.path() + "/IMG0006.jpg");

        // Other extensions do not collide with .jpg files; unknown types have no extension.
        ImageNamer other;
        QCOMPARE(name(other.MakeImagePath(dir.path(), ImageType::Tif)), "IMG0000.tif");
        QCOMPARE(name(other.MakeImagePath(dir.path(), 9)), "IMG0001");
        other.index = 10000;
        other.prefix = "scan_";
        QCOMPARE(name(other.MakeImagePath(dir.path(), ImageType::Bmp)), "scan_10000.bmp");
    }

    void timeRulesNeverReuseANameOrCollideInABurst() {
        QTemporaryDir dir;
        ImageNamer namer;
        namer.rule = ImageNamer::TimeDate;
        // Each name carries a stamp of the span the burst took; within one stamp the suffixes
        // count up, so a second passing during the burst changes nothing.
        const QString format = "yyyy_MM_dd_hh_mm_ss";
        const QString before = QDateTime::currentDateTime().toString(format);
        QStringList names;
        for (int i = 0; i < 7; ++i) {
            const QString p = namer.MakeImagePath(dir.path(), ImageType::Jpg);
            QVERIFY2(!QFileInfo::exists(p), qPrintable(p));
            touch(p);
            names << name(p);
        }
        const QString after = QDateTime::currentDateTime().toString(format);
        const QRegularExpression re("^IMG(\\d{4}(?:_\\d\\d){5})(?:_(\\d+))?\\.jpg$");
        QHash<QString, int> perStamp;
        for (const QString& n : names) {
            const auto m = re.match(n);
            QVERIFY2(m.hasMatch() && m.captured(1) >= before && m.captured(1) <= after,
                     qPrintable(n));
            const int k = perStamp[m.captured(1)]++;
            QCOMPARE(m.captured(2), k ? QString::number(k) : QString());
        }
        QCOMPARE(namer.index, 0);  // the time rule leaves the counter alone

        // Files are written after naming, on another thread: a burst must still get distinct
        // names under every rule.
        for (int rule : {1, 2, 3}) {
            ImageNamer burst;
            burst.rule = rule;
            QSet<QString> paths;
            for (int i = 0; i < 6; ++i)
                paths << burst.MakeImagePath(dir.path(), ImageType::Jpg);
            QCOMPARE(paths.size(), 6);
        }

        ImageNamer dated;
        dated.rule = ImageNamer::TimeDateIndex;
        dated.index = 7;
        const QDate day = QDate::currentDate();
        touch(dir.filePath("IMG" + day.toString("yyyy_MM_dd") + "0008.jpg"));
        touch(dir.filePath("IMG" + day.addDays(1).toString("yyyy_MM_dd") + "0008.jpg"));
        QVERIFY(datedName(name(dated.MakeImagePath(dir.path(), ImageType::Jpg)), day, "0007.jpg"));
        QVERIFY(datedName(name(dated.MakeImagePath(dir.path(), ImageType::Jpg)), day, "0009.jpg"));
        QCOMPARE(dated.index, 10);
    }

    void cardSidesAndBookPairs() {
        QTemporaryDir dir;
        ImageNamer namer;
        namer.index = 7;
        const QString up = namer.MakeSidePath(dir.path(), "Up", ImageType::Jpg);
        QCOMPARE(name(up), "IMG0007Up.jpg");
        QCOMPARE(name(namer.MakeSidePath(dir.path(), "Down", ImageType::Jpg)), "IMG0007Down.jpg");
        QCOMPARE(namer.index, 7);
        touch(up);
        // Index rule: walks on, ending one past the number used.
        QCOMPARE(name(namer.MakeSidePath(dir.path(), "Up", ImageType::Jpg)), "IMG0008Up.jpg");
        QCOMPARE(namer.index, 9);

        // Time rule: no prefix, and an occupied name is never handed out again.
        ImageNamer timed;
        timed.rule = ImageNamer::TimeDate;
        const QString a = timed.MakeSidePath(dir.path(), "Up", ImageType::Png);
        QVERIFY(!name(a).startsWith("IMG") && name(a).endsWith("Up.png"));
        touch(a);
        const QString b = timed.MakeSidePath(dir.path(), "Up", ImageType::Png);
        QVERIFY(b != a && !QFileInfo::exists(b));

        // TimeDate&Index stops on the number used, so the other side gets the same one.
        ImageNamer dated;
        dated.rule = ImageNamer::TimeDateIndex;
        const QDate day = QDate::currentDate();
        touch(dir.filePath("IMG" + day.toString("yyyy_MM_dd") + "0000Up.jpg"));
        touch(dir.filePath("IMG" + day.addDays(1).toString("yyyy_MM_dd") + "0000Up.jpg"));
        QVERIFY(datedName(name(dated.MakeSidePath(dir.path(), "Up", ImageType::Jpg)), day,
                          "0001Up.jpg"));
        QCOMPARE(dated.index, 1);

        // Book pairs: a counter of their own, the same pair offered until one side is written.
        ImageNamer book;
        QString left, right;
        touch(dir.filePath("IMG0000_RIGHT.jpg"));
        QCOMPARE(book.MakeBookPairPaths(dir.path(), left, right, ImageType::Jpg), QString());
        QCOMPARE(name(left) + name(right), "IMG0001_LEFT.jpgIMG0001_RIGHT.jpg");
        QCOMPARE(book.bookIndex, 1);
        QCOMPARE(book.index, 0);
        book.MakeBookPairPaths(dir.path(), left, right, ImageType::Jpg);
        QCOMPARE(name(left), "IMG0001_LEFT.jpg");
        touch(left);
        book.MakeBookPairPaths(dir.path(), left, right, ImageType::Jpg);
        QCOMPARE(name(right), "IMG0002_RIGHT.jpg");
    }
};

QTEST_GUILESS_MAIN(TestImageNamer)
#include "tst_ImageNamer.moc"
