// The notice over the preview: it must never take the capture keys, and an action (Undo) runs
// at most once and only while its own notice is shown.
#include <QtTest>
#include <QtWidgets>

#include "ui/NoticeBar.h"

class TestNoticeBar : public QObject {
    Q_OBJECT

private slots:
    void actionRunsOnceAndOnlyForItsOwnNotice() {
        QWidget window;
        auto* focus = new QLineEdit(&window);
        NoticeBar bar(&window);
        window.show();
        focus->setFocus();
        QTRY_VERIFY(focus->hasFocus());

        int undone = 0;
        bar.showNotice("3 files moved to trash", 60000, "Undo", [&] { ++undone; });
        QCOMPARE(bar.text(), QString("3 files moved to trash"));
        auto* action = bar.findChild<QPushButton*>("pBtn_NoticeAction");
        QVERIFY(action && !action->isHidden());
        QCOMPARE(action->focusPolicy(), Qt::NoFocus);
        QVERIFY(focus->hasFocus());
        action->click();
        action->click();
        QCOMPARE(undone, 1);
        QVERIFY(bar.isHidden());

        // A newer notice drops the older one's action unrun.
        bar.showNotice("first", 60000, "Undo", [&] { undone += 10; });
        bar.showNotice("second");
        QVERIFY(action->isHidden());
        action->click();
        QCOMPARE(undone, 1);

        // Timed notices close by themselves; persistent ones stay until hidden.
        bar.showNotice("brief", 1);
        QTRY_VERIFY(bar.isHidden());
        QCOMPARE(bar.text(), QString());
        bar.showPersistent("Camera disconnected");
        QCOMPARE(bar.text(), QString("Camera disconnected"));
        bar.hideNotice();
        QVERIFY(bar.isHidden());

        // A standing line never hides a notice: it waits under it and comes back after it.
        bar.showNotice("Folder replaced", 60000);
        bar.setStanding("Opening camera");
        QCOMPARE(bar.text(), QString("Folder replaced"));
        bar.hideNotice();
        QCOMPARE(bar.text(), QString("Opening camera"));
        bar.showNotice("brief", 1);
        QTRY_COMPARE(bar.text(), QString("Opening camera"));
        bar.setStanding(QString());
        QVERIFY(bar.isHidden());
    }
};

QTEST_MAIN(TestNoticeBar)
#include "tst_NoticeBar.moc"
