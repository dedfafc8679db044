#include "app/Log.h"
#include "TestFiles.h"

#include <QtTest>

class TestLog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void offUnlessTheEnvironmentSwitchesItOn() {
        QDir::setCurrent(dir_.path());
        qputenv("MIRAVELO_LOG", "0");
        QVERIFY(!Log().isEnabled());
        qunsetenv("MIRAVELO_LOG");
        Log().Write(3, "Fail to Read Config File!");
        QVERIFY(!QFileInfo::exists(dir_.path() + "/Log"));
        // A diagnostic run, as every case below.
        qputenv("MIRAVELO_LOG", "1");
        QVERIFY(Log().isEnabled());
    }

    void linesOfTheDayFile() {
        QDateTime t(QDate(2020, 2, 29), QTime(23, 59, 59, 123));
        Log::setClock([&t] { return t; });
        Log log;
        // The stamp runs year-day-month, unlike the file name; the message is never a format,
        // and a second writer appends to the same file.
        log.Write(1, "%s %d 100% {x}");
        Log().Write(7, nullptr);
        QCOMPARE(readFile(dir_.path() + "/Log/ZVTM20200229.log"),
                 QByteArray("[2020-29-02 23:59:59.123] [LOG_INFO] {%s %d 100% {x}}\n"
                            "[2020-29-02 23:59:59.123] [LOG_DEBUG] {}\n"));

        // Past midnight the next day's file; a message longer than the buffer is cut at 8,191
        // bytes, not overrun.
        t = QDateTime(QDate(2020, 3, 1), QTime(0, 0));
        log.Write(3, QByteArray(20000, 'x').constData());
        QCOMPARE(readFile(dir_.path() + "/Log/ZVTM20200301.log"),
                 "[2020-01-03 00:00:00.000] [LOG_ERROR] {" + QByteArray(8191, 'x') + "}\n");
        Log::setClock({});
    }

    void failuresAreSilent() {
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
