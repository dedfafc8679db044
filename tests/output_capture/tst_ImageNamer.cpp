#include <QtTest>

#include <memory>

#include "output/ImageNamer.h"
#include "output/ImageType.h"
#include "tests/app/TestFiles.h"

class TestImageNamer : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QDate day_;  // read before any name of the case is made

    QString dir() const { return dir_->path(); }
    void touch(const QString& name) { QVERIFY(writeFile(dir_->filePath(name))); }
    QString image(ImageNamer& namer, int type = ImageType::Jpg) {
        return QFileInfo(namer.MakeImagePath(dir(), type)).fileName();
    }
    QString side(ImageNamer& namer, const QString& which, int type = ImageType::Jpg) {
        return QFileInfo(namer.MakeSidePath(dir(), which, type)).fileName();
    }
    // The names a dated rule may give, should midnight pass during the case.
    QStringList dated(const QString& tail) const {
        return {"IMG" + day_.toString("yyyy_MM_dd") + tail,
                "IMG" + day_.addDays(1).toString("yyyy_MM_dd") + tail};
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        day_ = QDate::currentDate();
    }

    void indexRule() {
        // A fresh counter finds its way past the previous run's files; one separator, also when
        // the folder ends with one.
        for (int i = 0; i <= 4; ++i)
            touch(QString("IMG%1.jpg").arg(i, 4, 10, QChar('0')));
        ImageNamer again;
        QCOMPARE(again.MakeImagePath(dir(), ImageType::Jpg), dir() + "/IMG0005.jpg");
        QCOMPARE(again.MakeImagePath(dir() + "/", ImageType::Jpg), dir() + "/IMG0006.jpg");

        // Other extensions do not collide with .jpg files; numbers grow past four digits.
        ImageNamer other;
        QCOMPARE(image(other, ImageType::Tif), "IMG0000.tif");
        other.index = 10000;
        QCOMPARE(image(other, ImageType::Bmp), "IMG10000.bmp");
    }

    void timeRulesNeverReuseANameOrCollideInABurst() {
        ImageNamer namer;
        namer.rule = ImageNamer::TimeDate;
        // Each name carries a stamp of the span the burst took, and none is a file already.
        const QString format = "yyyy_MM_dd_hh_mm_ss";
        const QString before = QDateTime::currentDateTime().toString(format);
        QStringList names;
        for (int i = 0; i < 7; ++i) {
            names << image(namer);
            QVERIFY2(!QFileInfo::exists(dir_->filePath(names.last())), qPrintable(names.last()));
            touch(names.last());
        }
        const QString after = QDateTime::currentDateTime().toString(format);
        const QRegularExpression re("^IMG(\\d{4}(?:_\\d\\d){5})(?:_\\d+)?\\.jpg$");
        for (const QString& n : names) {
            const auto m = re.match(n);
            QVERIFY2(m.hasMatch() && m.captured(1) >= before && m.captured(1) <= after,
                     qPrintable(n));
        }

        // Files are written after naming, on another thread: a burst must still get distinct
        // names under every rule.
        for (int rule : {1, 2, 3}) {
            ImageNamer burst;
            burst.rule = rule;
            QSet<QString> paths;
            for (int i = 0; i < 6; ++i)
                paths << image(burst);
            QCOMPARE(paths.size(), 6);
        }
    }

    void cardSidesAndBookPairs() {
        ImageNamer namer;
        namer.index = 7;
        QCOMPARE(side(namer, "Up") + side(namer, "Down"), "IMG0007Up.jpgIMG0007Down.jpg");
        // Both sides of the next card share the first number free for both, also while the
        // first card's files are still being written; the counter stays on it.
        touch("IMG0008Down.jpg");
        QCOMPARE(namer.MakeSidePaths(dir(), {"Up", "Down"}, ImageType::Jpg),
                 QStringList({dir() + "/IMG0009Up.jpg", dir() + "/IMG0009Down.jpg"}));
        QCOMPARE(namer.index, 9);

        // Time rule: no prefix, and an occupied name is never handed out again.
        ImageNamer timed;
        timed.rule = ImageNamer::TimeDate;
        const QString a = side(timed, "Up", ImageType::Png);
        QVERIFY(!a.startsWith("IMG") && a.endsWith("Up.png"));
        touch(a);
        QVERIFY(!QFileInfo::exists(dir_->filePath(side(timed, "Up", ImageType::Png))));

        // TimeDate&Index stops on the number used, so the other side gets the same one.
        ImageNamer byDate;
        byDate.rule = ImageNamer::TimeDateIndex;
        for (const QString& n : dated("0000Up.jpg"))
            touch(n);
        QVERIFY(dated("0001Up.jpg").contains(side(byDate, "Up")));
        QCOMPARE(byDate.index, 1);

        // Book pairs: a counter of their own; a pair handed out is not offered again.
        ImageNamer book;
        QString left, right;
        touch("IMG0000_RIGHT.jpg");
        QCOMPARE(book.MakeBookPairPaths(dir(), left, right, ImageType::Jpg), QString());
        QCOMPARE(QStringList({left, right}),
                 QStringList({dir() + "/IMG0001_LEFT.jpg", dir() + "/IMG0001_RIGHT.jpg"}));
        QVERIFY(book.bookIndex == 1 && book.index == 0);
        book.MakeBookPairPaths(dir(), left, right, ImageType::Jpg);
        QCOMPARE(right, dir() + "/IMG0002_RIGHT.jpg");
    }
};

QTEST_GUILESS_MAIN(TestImageNamer)
#include "tst_ImageNamer.moc"
