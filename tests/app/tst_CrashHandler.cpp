#include "app/CrashHandler.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

class TestCrashHandler : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void textAndCodes() {
        QCOMPARE(CrashHandler::codeForSignal(SIGSEGV), 0xc0000005u);
        QCOMPARE(CrashHandler::codeForSignal(SIGBUS), 0xc0000005u);
        QCOMPARE(CrashHandler::codeForSignal(SIGILL), 0xc000001du);
        QCOMPARE(CrashHandler::codeForSignal(SIGFPE), 0xc0000094u);
        QCOMPARE(CrashHandler::codeForSignal(SIGABRT), 0xc0000409u);
        QCOMPARE(CrashHandler::reportText("c0000005", "401a2f"),
                 QString("<FONT size=4><div><b>Sorry,We have met one Error,Please connect the "
                         "Administrator </b><br/></div><div>The Error Code:c0000005</div><div>The "
                         "Error Address:401a2f</div></FONT>"));
        char name[] = "prog";
        char* argv[] = {name, nullptr};
        QCOMPARE(CrashHandler::runReportModeIfRequested(1, argv), -1);
    }

    void reportModeShowsOnlyHexNumbers() {
        const QString report = dir_.path() + "/report-args.txt";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIRAVELO_CRASH_REPORT_FILE", report);
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(CRASH_CHILD),
                    {"--crash-report", "<img src=x>", "C0000005<script>"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QFile f(report);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY2(text.contains("The Error Code:c</div><div>The Error Address:c0000005c</div>"),
                 qPrintable(text));
        QVERIFY(!text.contains("<img"));
        QVERIFY(!text.contains("<script"));
    }

    void realFaultsAreReported_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("addressInFunction");
        QTest::newRow("segv main thread") << "segv"
                                          << "c0000005" << SIGSEGV << true;
        QTest::newRow("segv worker thread") << "segv-thread"
                                            << "c0000005" << SIGSEGV << true;
        QTest::newRow("divide by zero") << "fpe"
                                        << "c0000094" << SIGFPE << true;
        QTest::newRow("illegal instruction") << "ill"
                                             << "c000001d" << SIGILL << true;
        QTest::newRow("abort") << "abort"
                               << "c0000409" << SIGABRT << false;
        QTest::newRow("stack overflow") << "overflow"
                                        << "c0000005" << SIGSEGV << true;
    }

    void realFaultsAreReported() {
        QFETCH(QString, fault);
        QFETCH(QString, code);
        QFETCH(int, signal);
        QFETCH(bool, addressInFunction);

        const QString report = dir_.path() + "/report-" + fault + ".txt";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIRAVELO_CRASH_REPORT_FILE", report);
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(CRASH_CHILD), {fault});
        QVERIFY(child.waitForFinished(30000));
        // The faulting process dies of its own signal after the box was closed.
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.exitCode(), signal);

        QFile f(report);
        QVERIFY2(f.open(QIODevice::ReadOnly), "the report mode did not run");
        const QString text = QString::fromUtf8(f.readAll());
        // Exactly one box, titled "Error ".
        QCOMPARE(text.count("The Error Code:"), 1);
        QVERIFY(text.startsWith("Error \n<FONT size=4>"));
        const QRegularExpression re(
            "The Error Code:([0-9a-f]+)</div><div>The Error Address:"
            "([0-9a-f]+)</div></FONT>");
        const auto m = re.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        QCOMPARE(m.captured(1), code);
        const QString address = m.captured(2);
        QVERIFY(!address.startsWith('0'));

        if (addressInFunction) {
            bool ok = false;
            const quint64 fn =
                QString::fromLatin1(child.readAllStandardOutput()).trimmed().toULongLong(&ok, 16);
            QVERIFY(ok);
            const quint64 at = address.toULongLong(&ok, 16);
            QVERIFY(ok);
            // The faulting instruction lies within the first bytes of the faulting function.
            QVERIFY2(at >= fn && at < fn + 256,
                     qPrintable(QString("fn %1 at %2").arg(fn, 0, 16).arg(at, 0, 16)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_CrashHandler.moc"
