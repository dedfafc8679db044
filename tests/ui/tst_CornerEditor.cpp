// The corner editor as a user drives it: dragging a handle (snapped onto the page's border,
// kept inside the picture), the arrow keys, a crossed outline refused with a hint, Enter and
// Escape.
#include <QtTest>
#include <QtWidgets>

#include "ui/CornerEditor.h"

namespace {

// A light page from (100, 80) to (500, 400) on a dark desk: a 640 x 480 capture.
QImage desk() {
    QImage img(640, 480, QImage::Format_RGB888);
    img.fill(QColor(60, 55, 50));
    QPainter(&img).fillRect(QRect(100, 80, 401, 321), QColor(235, 235, 228));
    return img;
}

const QPolygonF kOff({{110, 95}, {490, 90}, {495, 390}, {105, 395}});

}  // namespace

class TestCornerEditor : public QObject {
    Q_OBJECT

    static void drag(CornerEditor& e, QPointF fromPicture, QPointF toPicture) {
        const QPoint from = e.toWidget(fromPicture).toPoint();
        const QPoint to = e.toWidget(toPicture).toPoint();
        QTest::mousePress(&e, Qt::LeftButton, Qt::NoModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&e, &move);
        QTest::mouseRelease(&e, Qt::LeftButton, Qt::NoModifier, to);
    }
    static double distance(QPointF a, QPointF b) { return QLineF(a, b).length(); }

private slots:
    void dragSnapNudgeAndClamp() {
        CornerEditor e(desk(), kOff);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        // Dropped a few pixels inside the page, the top-left corner lands on its border.
        drag(e, kOff[0], {103, 84});
        QCOMPARE(e.activeCorner(), 0);
        QVERIFY2(distance(e.corners()[0], {100, 80}) <= 2.5,
                 qPrintable(QString("%1,%2").arg(e.corners()[0].x()).arg(e.corners()[0].y())));
        // Dropped in the middle of the plain page, nothing pulls it anywhere.
        drag(e, kOff[2], {300, 250});
        QCOMPARE(e.corners()[2], QPointF(300, 250));
        QTest::keyClick(&e, Qt::Key_Right);
        QTest::keyClick(&e, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(e.corners()[2], QPointF(301, 260));
        // Tab picks the next corner; dragged far outside, a corner stays on the picture.
        QTest::keyClick(&e, Qt::Key_Tab);
        QCOMPARE(e.activeCorner(), 3);
        drag(e, e.corners()[3], {-400, 5000});
        QCOMPARE(e.corners()[3], QPointF(0, 479));
        QVERIFY(e.outlineUsable());
    }

    void crossedOutlineCannotBeAccepted() {
        CornerEditor e(desk(), kOff);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        auto* ok = e.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        auto* hint = e.findChild<QLabel*>("pLbl_CornerHint");
        const QString usual = hint->text();
        QVERIFY(ok->isEnabled());
        // Top-left dragged past the right side: the sides cross.
        drag(e, kOff[0], {560, 240});
        QVERIFY(!e.outlineUsable());
        QVERIFY(!ok->isEnabled());
        QVERIFY(hint->text() != usual);
        QTest::keyClick(&e, Qt::Key_Return);
        QVERIFY(e.isVisible());
        QCOMPARE(e.result(), int(QDialog::Rejected));
        // Put back, Enter accepts the corners as they stand.
        drag(e, e.corners()[0], {150, 150});
        QVERIFY(e.outlineUsable() && ok->isEnabled());
        QCOMPARE(hint->text(), usual);
        QSignalSpy accepted(&e, &QDialog::accepted);
        QTest::keyClick(&e, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(e.corners()[0], QPointF(150, 150));

        // Escape cancels; an editor given no outline starts from one inside the picture.
        CornerEditor none(desk(), QPolygonF());
        none.show();
        QVERIFY(QTest::qWaitForWindowExposed(&none));
        QVERIFY(none.outlineUsable());
        QSignalSpy rejected(&none, &QDialog::rejected);
        QTest::keyClick(&none, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
        // Folded (listed the other way round) or squashed outlines are refused as well.
        QVERIFY(!CornerEditor::usableOutline(QPolygonF({kOff[1], kOff[0], kOff[3], kOff[2]})));
        QVERIFY(!CornerEditor::usableOutline(QPolygonF({{0, 0}, {3, 0}, {3, 3}, {0, 3}})));
    }
};

QTEST_MAIN(TestCornerEditor)
#include "tst_CornerEditor.moc"
