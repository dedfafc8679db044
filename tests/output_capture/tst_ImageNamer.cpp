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
}
QString name(const QString& path) {
    return QFileInfo(path).fileName();
}
QString today() {
    return QDate::currentDate().toString("yyyy_MM_dd");
}
}  // namespace

class TestImageNamer : public QObject {
    Q_OBJECT
private slots:
    void indexRule() {
        QTemporaryDir dir;
        ImageNamer namer;
        QCOMPARE(name(namer.MakeImagePath(dir.path(), ImageType::Jpg)), "IMG0000.jpg");
        QCOMPARE(name(namer.MakeImagePath(dir.path(), ImageType::Png)), "IMG0001.png");

        // A fresh counter finds its way past the previous run's files.
        for (int i = 0; i <= 4; ++i)
            touch(dir.filePath(QString("IMG%1.jpg").arg(i, 4, 10, QChar('0'))));
        ImageNamer again;
        QCOMPARE(again.MakeImagePath(dir.path(), ImageType::Jpg), dir.path() + "/IMG0005.jpg");
        QCOMPARE(again.index, 6);  // one step past the number used
        // One separator, also when the folder ends with one.
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
        // Retry if the clock crosses a second boundary while the burst is named.
        bool checked = false;
        for (int attempt = 0; attempt < 5 && !checked; ++attempt) {
            const QString stamp = QDateTime::currentDateTime().toString("yyyy_MM_dd_hh_mm_ss");
            QStringList names, expected{"IMG" + stamp + ".jpg"};
            for (int i = 0; i < 7; ++i) {
                const QString p = namer.MakeImagePath(dir.path(), ImageType::Jpg);
                QVERIFY2(!QFileInfo::exists(p), qPrintable(p));
                touch(p);
                names << name(p);
                if (i)
                    expected << QString("IMG%1_%2.jpg").arg(stamp).arg(i);
            }
            if (QDateTime::currentDateTime().toString("yyyy_MM_dd_hh_mm_ss") != stamp) {
                for (const QString& n : names)
                    QFile::remove(dir.filePath(n));
                continue;
            }
            QCOMPARE(names, expected);
            QCOMPARE(namer.index, 0);  // the time rule leaves the counter alone
            checked = true;
        }
        QVERIFY2(checked, "clock kept crossing second boundaries");

        // Files are written after naming, on another thread: a burst must still get distinct
        // names under every rule.
        for (int rule : {1, 2, 3}) {
            ImageNamer burst;
            burst.rule = rule;
            QStringList paths;
            for (int i = 0; i < 6; ++i)
                paths << burst.MakeImagePath(dir.path(), ImageType::Jpg);
            paths.removeDuplicates();
            QCOMPARE(paths.size(), 6);
        }

        ImageNamer dated;
        dated.rule = ImageNamer::TimeDateIndex;
        dated.index = 7;
        const QString date = today();
        const QString p = dated.MakeImagePath(dir.path(), ImageType::Jpg);
        touch(dir.filePath("IMG" + date + "0008.jpg"));
        const QString next = dated.MakeImagePath(dir.path(), ImageType::Jpg);
        if (today() != date)
            QSKIP("crossed midnight");
        QCOMPARE(name(p), "IMG" + date + "0007.jpg");
        QCOMPARE(name(next), "IMG" + date + "0009.jpg");
        QCOMPARE(dated.index, 10);

        QCOMPARE(ImageNamer::RuleFromNameType(0), int(ImageNamer::TimeDate));
        QCOMPARE(ImageNamer::RuleFromNameType(1), int(ImageNamer::Index));
        QCOMPARE(ImageNamer::RuleFromNameType(-5), int(ImageNamer::TimeDateIndex));
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

        // TimeDate&Index stops on the number used, so the other side gets the same one.
        ImageNamer dated;
        dated.rule = ImageNamer::TimeDateIndex;
        const QString date = today();
        touch(dir.filePath("IMG" + date + "0000Up.jpg"));
        const QString p = dated.MakeSidePath(dir.path(), "Up", ImageType::Jpg);
        if (today() != date)
            QSKIP("crossed midnight");
        QCOMPARE(name(p), "IMG" + date + "0001Up.jpg");
        QCOMPARE(dated.index, 1);
    }
};

QTEST_GUILESS_MAIN(TestImageNamer)
#include "tst_ImageNamer.moc"
