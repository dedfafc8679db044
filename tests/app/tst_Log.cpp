#include "app/Log.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestLog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() {
        QVERIFY(dir_.isValid());
        QDir(dir_.path() + "/Log").removeRecursively();
        QDir::setCurrent(dir_.path());
        qputenv("MIRAVELO_LOG", "1");  // a diagnostic run, as every case but the first
        Log::setClock({});
    }

    void offUnlessTheEnvironmentSwitchesItOn() {
        QVERIFY(Log().isEnabled());
        qputenv("MIRAVELO_LOG", "0");
        QVERIFY(!Log().isEnabled());
        qunsetenv("MIRAVELO_LOG");
        Log off;
        for (int level = 0; level < 4; ++level)
            off.Write(level, "Fail to Read Config File!");
        QVERIFY(!QFileInfo::exists(dir_.path() + "/Log"));
    }

    void linesOfTheDayFile() {
        Log::setClock([] { return QDateTime(QDate(2019, 10, 31), QTime(15, 4, 8, 123)); });
        Log log;
        const int levels[] = {3, 1, 2, 0, 7, 3};
        const char* messages[] = {"Layout Init Success", "%s %d 100% {x}", "w", "d", "x", nullptr};
        const char* words[] = {"ERROR", "INFO", "WARN", "DEBUG", "DEBUG", "ERROR"};
        // The stamp runs year-day-month, unlike the file name: the line format Log.h documents.
        QByteArray expected;
        for (int i = 0; i < 6; ++i) {
            log.Write(levels[i], messages[i]);
            expected += QByteArray("[2019-31-10 15:04:08.123] [LOG_") + words[i] + "] {" +
                        messages[i] + "}\n";
        }
        const QString file = dir_.path() + "/Log/ZVTM20191031.log";
        QCOMPARE(readFile(file), expected);

        // A second writer shares the file of the day, appending.
        Log().Write(3, "Compent Error!");
        QCOMPARE(readFile(file),
                 expected + "[2019-31-10 15:04:08.123] [LOG_ERROR] {Compent Error!}\n");
    }

    void levelFilterLongMessagesAndMidnight() {
        QDateTime t(QDate(2020, 2, 29), QTime(23, 59, 59, 999));
        Log::setClock([&t] { return t; });
        Log log;
        log.setMinimumLevel(2);
        log.Write(1, "dropped");
        QVERIFY(!QFileInfo::exists(log.fileFor(t)));
        log.Write(3, "kept");
        QVERIFY(readFile(log.fileFor(t)).contains("[LOG_ERROR] {kept}"));

        t = QDateTime(QDate(2020, 3, 1), QTime(0, 0, 0, 0));
        log.Write(3, "next day");
        QVERIFY(readFile(dir_.path() + "/Log/ZVTM20200301.log")
                    .startsWith("[2020-01-03 00:00:00.000]"));
        QVERIFY(!readFile(dir_.path() + "/Log/ZVTM20200229.log").contains("next day"));

        // A message longer than the buffer is cut at 8,191 bytes, not overrun.
        log.Write(3, QByteArray(20000, 'x').constData());
        QCOMPARE(readFile(log.fileFor(t)).split('\n').value(1).count('x'), 8191);
    }

    void workingDirectoryDecidesAndFailuresAreSilent() {
        QVERIFY(QDir(dir_.path()).mkdir("elsewhere"));
        QDir::setCurrent(dir_.path() + "/elsewhere");
        Log log;
        // The system clock names the file: either day's name, should midnight pass meanwhile.
        const QDateTime before = QDateTime::currentDateTime();
        log.Write(3, "here");
        const QDateTime after = QDateTime::currentDateTime();
        QVERIFY(readFile(log.fileFor(before)).contains("{here}") ||
                readFile(log.fileFor(after)).contains("{here}"));
        QVERIFY(log.fileFor(before).startsWith(dir_.path() + "/elsewhere/Log/"));

        // A plain file where the folder should be: the line is lost, nothing crashes.
        QVERIFY(QDir(dir_.path()).mkdir("blocked"));
        QDir::setCurrent(dir_.path() + "/blocked");
        QVERIFY(writeFile(dir_.path() + "/blocked/Log"));
        Log().Write(3, "lost");
        QCOMPARE(QFileInfo(dir_.path() + "/blocked/Log").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLog)
#include "tst_Log.moc"
