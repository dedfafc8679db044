#include "app/Language.h"
#include "support/WindowFixture.h"
#include "ui/Dialog_Navigate.h"
#include "ui/HelpTip.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>

// The rotating hints and the first-start tour, alone and in the running window.
class TestHelpTip : public QObject {
    Q_OBJECT

    static QStringList ticks(HelpTip& tip, int n) {
        QSignalSpy spy(&tip, &HelpTip::UpdateTip);
        for (int i = 0; i < n; ++i)
            tip.Handle_Timerout();
        QStringList shown;
        for (const auto& args : spy)
            shown << args.at(0).toString();
        return shown;
    }

private slots:
    void rotationAndContexts() {
        HelpTip tip;
        QCOMPARE(tip.context(), 0);
        QVERIFY(!tip.isRotating());
        // The general list: the second hint first, then around.
        QCOMPARE(ticks(tip, 3), QStringList({"Pictures in the list bar can be exported to "
                                             "PDF,WORD and other formats.",
                                             tip.tips().at(0), tip.tips().at(1)}));
        tip.setContext(HelpTip::Document);
        const QStringList doc = ticks(tip, 6);
        QCOMPARE(doc.first(), "Pay attention to light to avoid excessive light or too dark light");
        QCOMPARE(doc.last(),
                 "When scanning a document, place the document within the camera's shooting "
                 "range.");
        QCOMPARE(tip.tips().at(5), QString::fromUtf8("The right side of the software can "
                                                     "directly view the scanned image。"));
        // Leaving and coming back starts the list again at its second hint.
        tip.setContext(HelpTip::Sheet);
        QCOMPARE(tip.tips().size(), 3);
        tip.setContext(HelpTip::Document);
        QCOMPARE(ticks(tip, 1), QStringList{doc.first()});
        // Every context has its list; out-of-range values give the general one.
        for (int c : {2, 3, 5}) {
            tip.setContext(c);
            QCOMPARE(tip.tips().size(), 4);
        }
        tip.setContext(42);
        QCOMPARE(tip.tips().size(), 2);
        // No camera is final.
        tip.setContext(HelpTip::NoCamera);
        tip.setContext(HelpTip::Book);
        QCOMPARE(tip.context(), int(HelpTip::NoCamera));
        QCOMPARE(ticks(tip, 4).last(),
                 "Please check whether the computer is connected to the equipment properly.");
        tip.start();
        QVERIFY(tip.isRotating());
    }

    void tourClicksAndMissingPicture() {
        QWidget parent;
        parent.resize(1200, 800);
        auto* tour = new Dialog_Navigate(&parent);
        parent.show();
        QCOMPARE(tour->objectName(), "Dialog_Navigate");
        QCOMPARE(tour->parentWidget(), &parent);
        QVERIFY(!tour->isWindow());
        QCOMPARE(tour->geometry(), QRect(0, 0, 1100, 700));
        auto* label = tour->findChild<QLabel*>("label_img");
        QVERIFY(label && !label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(tour->isVisible());
        const char* expected[] = {"Help2", "Help3", "Help3"};
        for (const char* name : expected) {
            QTest::mouseClick(tour, Qt::LeftButton);
            QVERIFY(tour->picture().contains(name));
            QVERIFY(tour->isVisible());
        }
        QTest::mouseClick(tour, Qt::RightButton);
        QVERIFY(!tour->isVisible());
        // Escape closes a fresh tour at once.
        auto* second = new Dialog_Navigate(&parent);
        second->show();
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Escape);
        QVERIFY(!second->isVisible());

        // A set with a gap: a picture the language lacks comes from the English set; one that
        // neither has leaves the label empty, and the clicks still count.
        QTemporaryDir folder;
        const QImage picture(8, 8, QImage::Format_RGB32);
        QVERIFY(QDir().mkpath(folder.filePath("Help/French")));
        QVERIFY(picture.save(folder.filePath("Help1.png")) &&
                picture.save(folder.filePath("Help/French/Help3.png")));
        auto* gaps = new Dialog_Navigate(&parent, folder.path(), "French");
        gaps->show();
        for (const QString name : {"Help1.png", "Help2.png", "Help/French/Help3.png"}) {
            QCOMPARE(gaps->picture(), folder.filePath(name));
            QCOMPARE(gaps->findChild<QLabel*>()->pixmap(Qt::ReturnByValue).isNull(),
                     name == "Help2.png");
            QTest::mouseClick(gaps, Qt::LeftButton);
        }
        QTest::mouseClick(gaps, Qt::LeftButton);
        QVERIFY(!gaps->isVisible());
    }

    void everyLanguageHasItsOwnPictures() {
        for (const Language::Entry& entry : Language::table()) {
            const QString language = entry.fileName.chopped(3);
            for (int n = 1; n <= Dialog_Navigate::kPictures; ++n) {
                const QString path = Dialog_Navigate::picturePath(n, language);
                QVERIFY(path.contains(language == "en_us" ? "UI/Help" : "/Help/" + language + "/"));
                QCOMPARE(QImage(path).size(),
                         QSize(Dialog_Navigate::kWidth, Dialog_Navigate::kHeight));
            }
        }
    }

    void windowShowsTourOnceAndFollowsTheMode() {
        WindowFixture f;
        f.linkLibraries();
        QVERIFY(f.writeIni(f.captureIni().replace("isFristStart=0", "isFristStart=1")));
        MainWindow* w = f.start();
        QVERIFY(w);
        QVERIFY(w->tour() && w->tour()->isVisible());
        // Written before the tour showed.
        QVERIFY(f.iniBytes().contains("isFristStart=0"));
        HelpTip* tip = w->helpTip();
        QVERIFY(tip->isRotating());
        auto* modes = w->scanModeBar()->findChild<QTabBar*>();
        QVERIFY(modes);
        modes->setCurrentIndex(modes->count() - 1);
        QVERIFY(tip->context() != HelpTip::General && tip->context() != HelpTip::Document);
        const int other = tip->context();
        modes->setCurrentIndex(0);
        QCOMPARE(tip->context(), int(HelpTip::Document));
        QVERIFY(other != tip->context());
        tip->Handle_Timerout();
        QCOMPARE(w->findChild<QLabel*>("pLbl_HelpTips")->text(), tip->tips().at(1));
        f.stop();

        f.start();
        QVERIFY(!f.window->tour());
    }
};

QTEST_MAIN(TestHelpTip)
#include "tst_HelpTip.moc"
