// One running program per settings file: a second start finds the first, asks it to show its
// window and does not run; a release (the language restart) or a dead holder frees the place.
#include <QtTest>

#include "app/SingleInstance.h"

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void secondStartAsksTheFirstToShow() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("Tesmora.ini");
        SingleInstance first(settings);
        QVERIFY(first.claim());
        QSignalSpy shown(&first, &SingleInstance::showRequested);

        SingleInstance second(settings);
        QVERIFY(!second.claim());
        QVERIFY(second.askRunningToShow());
        QTRY_COMPARE(shown.count(), 1);

        // Another settings file is another program.
        SingleInstance elsewhere(dir.filePath("other/Tesmora.ini"));
        QVERIFY(elsewhere.claim());

        // Released for a restart, the place is free for the next start at once.
        first.release();
        SingleInstance next(settings);
        QVERIFY(next.claim());
        QVERIFY(!second.claim());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_SingleInstance.moc"
