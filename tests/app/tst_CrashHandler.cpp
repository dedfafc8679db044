#include "TestFiles.h"

#include <QtTest>

#include <csignal>

class TestCrashHandler : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Runs the child to its end with the box text going to a file; returns that text.
    QString runChild(QProcess& child, const QStringList& args) {
        const QString report = dir_.filePath(args.join('_').toUtf8().toHex() + ".txt");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIRAVELO_CRASH_REPORT_FILE", report);
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(CRASH_CHILD), args);
        child.waitForFinished(-1);
        return QString::fromUtf8(readFile(report));
    }

private slots:
    void reportModeShowsOnlyHexNumbers() {
        // Only hex digits of the arguments reach the rich text of the box.
        QProcess child;
        const QString text = runChild(child, {"--crash-report", "<img src=x>", "C0000005<script>"});
        QVERIFY(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0);
        QVERIFY2(text.contains("The Error Code:c</div><div>The Error Address:c0000005c</div>"),
                 qPrintable(text));
        QVERIFY(!text.contains("<img") && !text.contains("<script"));
    }

    void otherThreadsStopBeforeTheBox() {
        // A thread that never sleeps (a camera stream, say) is parked by the time the box
        // shows: the report process sees every thread of the crashed one asleep.
        const QString states = dir_.filePath("states.txt");
        qputenv("CRASH_THREAD_STATES_FILE", states.toUtf8());
        QProcess child;
        const QString text = runChild(child, {"segv-busy"});
        qunsetenv("CRASH_THREAD_STATES_FILE");
        QCOMPARE(text.count("The Error Code:c0000005"), 1);
        const QByteArray seen = readFile(states);
        QVERIFY2(seen.size() >= 2 && !seen.contains('R'), seen.constData());
    }

    // Each row is named by the fault the child provokes.
    void realFaultsAreReported_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("signal");
        QTest::newRow("segv") << "c0000005" << SIGSEGV;
        QTest::newRow("segv-thread") << "c0000005" << SIGSEGV;
        QTest::newRow("fpe") << "c0000094" << SIGFPE;
        QTest::newRow("ill") << "c000001d" << SIGILL;
        QTest::newRow("abort") << "c0000409" << SIGABRT;
        QTest::newRow("overflow") << "c0000005" << SIGSEGV;
    }

    void realFaultsAreReported() {
        QFETCH(QString, code);
        QFETCH(int, signal);
        const QString fault = QTest::currentDataTag();
        QProcess child;
        const QString text = runChild(child, {fault});
        // The faulting process dies of its own signal after the box was closed.
        QVERIFY(child.exitStatus() == QProcess::CrashExit && child.exitCode() == signal);

        // Exactly one box, even when the handler itself is hit again.
        QCOMPARE(text.count("The Error Code:"), 1);
        const QRegularExpression re(
            "The Error Code:([0-9a-f]+)</div><div>The Error Address:([1-9a-f][0-9a-f]*)</div>");
        const auto m = re.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QCOMPARE(m.captured(1), code);
        if (fault == "abort")
            return;  // raised inside the C library, not in a function of the child
        // The child prints the address of the function that faults: the reported instruction
        // lies within its first bytes.
        const quint64 fn = child.readAllStandardOutput().trimmed().toULongLong(nullptr, 16);
        const quint64 at = m.captured(2).toULongLong(nullptr, 16);
        QVERIFY2(fn && at >= fn && at < fn + 256,
                 qPrintable(QString("fn %1 at %2").arg(fn, 0, 16).arg(at, 0, 16)));
    }
};

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_CrashHandler.moc"
