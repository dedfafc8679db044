#include "app/Log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QDir(dir_.path() + "/Log").removeRecursively();
        QDir::setCurrent(dir_.path());
        qunsetenv("MIRAVELO_LOG");
        Log::setClock({});
    }

    void offAsBuilt() {
        Log log;
        QVERIFY(!log.isEnabled());
        QCOMPARE(log.directory(), dir_.path() + "/Log/");
        for (int level = 0; level < 4; ++level)
            log.Write(level, "Fail to Read Config File!");
        QVERIFY(!QFileInfo::exists(dir_.path() + "/Log"));
    }

    void environmentSwitchesOn() {
        qputenv("MIRAVELO_LOG", "1");
        Log on;
        QVERIFY(on.isEnabled());
        qputenv("MIRAVELO_LOG", "0");
        Log off;
        QVERIFY(!off.isEnabled());
    }

    void fileNameAndLineFormat() {
        Log::setClock([] { return QDateTime(QDate(2019, 10, 31), QTime(15, 4, 8, 123)); });
        Log log;
        log.setEnabled(true);
        log.Write(3, "Layout Init Success");
        log.Write(1, "%s %d 100% {x}");
        log.Write(2, "w");
        log.Write(0, "d");
        log.Write(7, "other");
        log.Write(3, nullptr);
        const QString file = dir_.path() + "/Log/ZVTM20191031.log";
        QCOMPARE(log.fileFor(QDateTime(QDate(2019, 10, 31), QTime(1, 0))), file);
        const QList<QByteArray> lines = read(file).split('\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0],
                 QByteArray("[2019-31-10 15:04:08.123] [LOG_ERROR] {Layout Init Success}"));
        QCOMPARE(lines[1], QByteArray("[2019-31-10 15:04:08.123] [LOG_INFO] {%s %d 100% {x}}"));
        QCOMPARE(lines[2], QByteArray("[2019-31-10 15:04:08.123] [LOG_WARN] {w}"));
        QCOMPARE(lines[3], QByteArray("[2019-31-10 15:04:08.123] [LOG_DEBUG] {d}"));
        QCOMPARE(lines[4], QByteArray("[2019-31-10 15:04:08.123] [LOG_DEBUG] {other}"));
        QCOMPARE(lines[5], QByteArray("[2019-31-10 15:04:08.123] [LOG_ERROR] {}"));
        QCOMPARE(lines[6], QByteArray());

        // Two writers share the file of the day, each appending.
        Log second;
        second.setEnabled(true);
        second.Write(3, "Compent Error!");
        QVERIFY(read(file).endsWith("[LOG_ERROR] {Compent Error!}\n"));
        QCOMPARE(read(file).count('\n'), 7);
    }

    void levelFilterLongMessagesAndMidnight() {
        QDateTime t(QDate(2020, 2, 29), QTime(23, 59, 59, 999));
        Log::setClock([&t] { return t; });
        Log log;
        log.setEnabled(true);
        log.setMinimumLevel(2);
        log.Write(1, "dropped");
        QVERIFY(!QFileInfo::exists(log.fileFor(t)));
        log.Write(3, "kept");
        QVERIFY(read(log.fileFor(t)).contains("[LOG_ERROR] {kept}"));

        t = QDateTime(QDate(2020, 3, 1), QTime(0, 0, 0, 0));
        log.Write(3, "next day");
        QVERIFY(
            read(dir_.path() + "/Log/ZVTM20200301.log").startsWith("[2020-01-03 00:00:00.000]"));
        QVERIFY(!read(dir_.path() + "/Log/ZVTM20200229.log").contains("next day"));

        // A message longer than the buffer is cut at 8,191 bytes, not overrun.
        const QByteArray huge(20000, 'x');
        log.Write(3, huge.constData());
        const QList<QByteArray> lines = read(log.fileFor(t)).split('\n');
        QCOMPARE(lines[1].count('x'), 8191);
    }

    void workingDirectoryDecidesAndFailuresAreSilent() {
        QDir(dir_.path()).mkdir("elsewhere");
        QDir::setCurrent(dir_.path() + "/elsewhere");
        Log log;
        log.setEnabled(true);
        log.Write(3, "here");
        QVERIFY(QFileInfo(dir_.path() + "/elsewhere/Log").isDir());

        // A plain file where the folder should be: the line is lost, nothing crashes.
        QDir(dir_.path()).mkdir("blocked");
        QDir::setCurrent(dir_.path() + "/blocked");
        QFile f(dir_.path() + "/blocked/Log");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        Log blocked;
        blocked.setEnabled(true);
        blocked.Write(3, "lost");
        QCOMPARE(QFileInfo(dir_.path() + "/blocked/Log").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_Log.moc"
