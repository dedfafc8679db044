// Identity-card and book pages from capture to file, against the real libraries on rendered desk
// photos: the side table, exchange, turn, "Save" and "Merge", the spread's pair and combination,
// the intermediate files and what happens when they or the captures are bad.
#include <QtTest>
#include <QtWidgets>

#include "app/AppPaths.h"
#include "app/AppSettings.h"
#include "modes/BookModePage.h"
#include "modes/CImagePreview.h"
#include "modes/CPreConfigBar.h"
#include "modes/IdCardModePage.h"
#include "modes/TempFiles.h"
#include "scene/BookScene.h"
#include "scene/Scene.h"
#include "support/MatImage.h"
#include "support/TestFiles.h"

namespace {

QImage photo(scene::Object object, uint32_t seed, double offsetMm = 0) {
    scene::Params p = scene::randomParams(object, seed, 1600, 1200);
    p.centerMm = {offsetMm, 0};
    p.rotationDeg = 6.0;
    p.tiltXDeg = p.tiltYDeg = 0;
    p.fieldWidthMm = 300;
    return toQImage(scene::render(p).rgb);
}

QImage spread(uint32_t seed) {
    return toQImage(scene::BookScene({1632, 1224, seed}).render());
}

// A file as the pages hold their pictures.
QImage read(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB888);
}

// Mean grey difference of two pictures brought to the same small size: same picture or not.
double difference(const QImage& a, const QImage& b) {
    const QImage x = a.scaled(32, 20, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage y = b.scaled(32, 20, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int j = 0; j < 20; ++j)
        for (int i = 0; i < 32; ++i)
            sum += qAbs(qGray(x.pixel(i, j)) - qGray(y.pixel(i, j)));
    return sum / 640;
}

}  // namespace

class TestIdCardBookCapture : public QObject {
    Q_OBJECT
signals:
    void faceFound(QImage face);

private:
    QTemporaryDir appDir, out;
    AppSettings settings;
    CPreConfigBar* bar = nullptr;
    QSignalSpy* saved = nullptr;

    IdCardModePage* id() const { return bar->IdCardPage(); }
    BookModePage* book() const { return bar->BookPage(); }
    QStringList settle() {
        [&] { QVERIFY(bar->WaitForSaves()); }();
        QCoreApplication::sendPostedEvents();
        QStringList paths;
        for (const QList<QVariant>& call : *saved)
            paths << QFileInfo(call.at(0).toString()).fileName();
        saved->clear();
        return paths;
    }
    void shoot(const QImage& img) {
        bar->HandleTakePhoto(img);
        QVERIFY(bar->WaitForSaves());
    }

private slots:
    void initTestCase() {
        for (const QString& lib : QDir(MIRAVELO_BIN_DIR).entryList({"lib*.so"}, QDir::Files))
            QFile::link(QDir(MIRAVELO_BIN_DIR).filePath(lib), appDir.filePath(lib));
        AppPaths::setApplicationDir(appDir.path());
        qputenv("MIRAVELO_LOG", "1");
        QDir::setCurrent(appDir.path());
    }
    void init() {
        settings = AppSettings();
        settings.baseDir = out.path();
        settings.nameType = 1;   // Index
        settings.imageType = 2;  // PNG
        bar = new CPreConfigBar;
        bar->SetSettings(&settings);
        saved = new QSignalSpy(bar, &CPreConfigBar::Signal_SaveImageToDisk);
    }
    void cleanup() {
        settle();
        delete saved;
        delete bar;
        QDir(out.path()).removeRecursively();
        QDir().mkpath(out.path());
    }

    void cardSidesExchangeTurnSaveAndMerge() {
        bar->TabWidget()->setCurrentIndex(1);
        QSignalSpy fronts(bar, &CPreConfigBar::Signal_IDMode_GetMainQImage);
        CImagePreview* front = id()->tile(IdCardModePage::Front);
        CImagePreview* back = id()->tile(IdCardModePage::Back);
        // Front, back, then front again; a photo without a card changes nothing.
        shoot(photo(scene::Object::Card, 3));
        QVERIFY(front->hasImage && !back->hasImage && back->selected);
        shoot(photo(scene::Object::EmptyDesk, 4));
        QVERIFY(todaysLog().contains("no card found"));
        shoot(photo(scene::Object::Card, 5));
        QVERIFY(back->hasImage && !front->selected && !back->selected);
        QCOMPARE(fronts.count(), 1);
        const QImage card = fronts.at(0).at(0).value<QImage>();
        QVERIFY(qAbs(double(card.width()) / card.height() - 85.6 / 54) < 0.05);
        QCOMPARE(id()->side(IdCardModePage::Front).card, card);
        QCOMPARE(id()->side(IdCardModePage::Front).capture.size(), QSize(1600, 1200));
        const QImage backCard = id()->side(IdCardModePage::Back).card;
        QCOMPARE(read(bar->Temp()->frontPath()), card);  // PNG: exact

        // Exchange swaps pictures and files; twice returns to the start. Turning needs a
        // chosen tile.
        id()->exchangeSides();
        QVERIFY(bar->WaitForSaves());
        QCOMPARE(read(bar->Temp()->frontPath()), backCard);
        QVERIFY(front->selected && back->selected);
        id()->exchangeSides();
        QTest::mouseClick(back, Qt::LeftButton);
        QTest::mouseClick(front, Qt::LeftButton);
        QVERIFY(!front->selected && !back->selected);
        id()->rotateSide();
        QCOMPARE(id()->side(IdCardModePage::Front).card, card);
        QTest::mouseClick(front, Qt::LeftButton);
        id()->rotateSide();
        QVERIFY(bar->WaitForSaves());
        QCOMPARE(read(bar->Temp()->frontPath()), card.mirrored(true, true));

        // Merge: one A4 page with both sides and the portrait that came from the face
        // comparison. A deleted side file is written again from the kept side.
        connect(this, &TestIdCardBookCapture::faceFound, bar,
                &CPreConfigBar::Handle_IDMode_UpdateFaceImg);
        QImage face(64, 48, QImage::Format_RGB888);
        face.fill(qRgb(250, 0, 0));
        emit faceFound(face);
        QVERIFY(bar->WaitForSaves() && QFile::remove(bar->Temp()->backPath()));
        bar->Handle_ID_Save_Merge();
        QCOMPARE(settle(), QStringList({"IMG0000.png"}));
        const QImage page(out.filePath("IMG0000.png"));
        QCOMPARE(page.size(), QSize(2200, 3110));
        QCOMPARE(page.pixel(1740, 790), qRgb(250, 0, 0));
        QCOMPARE(page.pixel(20, 20), qRgb(255, 255, 255));
        // The front above the back, each at true size (85.6 x 54 mm on a 210 mm wide page).
        QVERIFY(difference(page.copy(651, 497, 897, 566), card.mirrored(true, true)) < 12);
        QVERIFY(difference(page.copy(651, 1325, 897, 566), backCard) < 12);
        QVERIFY(difference(page.copy(651, 1325, 897, 566), card) > 20);
        QVERIFY(!front->hasImage && !back->hasImage && !id()->faceTile()->hasImage);
        QVERIFY(todaysLog().contains("was missing; written again"));

        // Merge with one side: nothing. Save: both sides under one number, in order, and the
        // next card never takes an earlier card's names; a vanished folder is made again.
        shoot(photo(scene::Object::Card, 6));
        bar->Handle_ID_Save_Merge();
        QCOMPARE(settle(), QStringList());
        QVERIFY(todaysLog().contains("needs both sides"));
        shoot(photo(scene::Object::Card, 7));
        bar->Handle_ID_Save_Sep();
        QCOMPARE(settle(), QStringList({"IMG0001Up.png", "IMG0001Down.png"}));
        settings.baseDir = out.filePath("gone");
        shoot(photo(scene::Object::Card, 8));
        bar->Handle_ID_Save_Sep();
        QCOMPARE(settle(), QStringList({"IMG0001Up.png"}));
        QVERIFY(QFileInfo(out.filePath("gone/IMG0001Up.png")).size() > 0);

        // A capture still in processing when the user leaves the mode is dropped.
        bar->HandleTakePhoto(photo(scene::Object::Card, 9));
        bar->TabWidget()->setCurrentIndex(0);
        bar->TabWidget()->setCurrentIndex(1);
        QVERIFY(bar->WaitForSaves() && !front->hasImage && !back->hasImage);
        // A card cut by the frame edge gives a side or nothing, never a tile without its side.
        shoot(photo(scene::Object::Card, 10, 150));
        for (auto side : {IdCardModePage::Front, IdCardModePage::Back})
            QCOMPARE(id()->tile(side)->hasImage, !id()->side(side).card.isNull());
    }

    void bookPairsCombinationAndDirectSaves() {
        bar->TabWidget()->setCurrentIndex(3);
        // Preview: both pages in their tiles and files, grey by default; "Save" writes the pair.
        shoot(spread(21));
        QCOMPARE(book()->state(), 2);
        QVERIFY(book()->tile(BookModePage::Left)->hasImage &&
                book()->tile(BookModePage::Right)->hasImage);
        const QImage left = book()->page(BookModePage::Left);
        QVERIFY(left.allGray() && left.height() > 600);
        QCOMPARE(read(bar->Temp()->bookLeftPath()), left);
        book()->save();
        QCOMPARE(settle(), QStringList({"IMG0000_LEFT.png", "IMG0000_RIGHT.png"}));
        QCOMPARE(read(out.filePath("IMG0000_LEFT.png")), left);
        QVERIFY(book()->state() == 0 && !book()->tile(BookModePage::Left)->hasImage);

        // Combined, in colour: every "Save" writes the combination again.
        QTest::mouseClick(book()->mergeBox(), Qt::LeftButton);
        QTest::mouseClick(book()->colourBox(), Qt::LeftButton);
        shoot(spread(22));
        book()->save();
        book()->save();
        QStringList combined = settle();
        combined.sort();
        QCOMPARE(combined, QStringList({"IMG0000.png", "IMG0001.png"}));
        const int widest = qMax(book()->page(BookModePage::Left).width(),
                                book()->page(BookModePage::Right).width());
        QCOMPARE(QImage(out.filePath("IMG0001.png")).width(), 2 * widest);
        QVERIFY(!QImage(out.filePath("IMG0001.png")).allGray());

        // Direct: each spread saved at once, combined or as a pair with the next free number;
        // no spread, no file.
        QTest::mouseClick(book()->saveDirectlyBox(), Qt::LeftButton);
        shoot(spread(23));
        QCOMPARE(settle(), QStringList({"IMG0002.png"}));
        QTest::mouseClick(book()->mergeBox(), Qt::LeftButton);
        shoot(spread(24));
        QCOMPARE(settle(), QStringList({"IMG0001_LEFT.png", "IMG0001_RIGHT.png"}));
        shoot(photo(scene::Object::EmptyDesk, 25));
        shoot(spread(26));
        QCOMPARE(settle(), QStringList({"IMG0002_LEFT.png", "IMG0002_RIGHT.png"}));
        QVERIFY(todaysLog().contains("Book: no spread found"));
        // Closing right after a capture still writes it.
        bar->HandleTakePhoto(spread(27));
        delete bar;
        QVERIFY(QFileInfo(out.filePath("IMG0003_RIGHT.png")).size() > 0);
        bar = new CPreConfigBar;  // for cleanup()
        bar->SetSettings(&settings);
    }

    void temporaryFolderFallsBackAndIsNotShared() {
        // The bar of init() holds the folder beside the program; a second copy takes the
        // per-user one, and a third one a folder of its own.
        QCOMPARE(bar->Temp()->directory(), appDir.filePath("tmp"));
        TempFiles second, third;
        QVERIFY(!second.InitTempFiles().isEmpty() && !third.InitTempFiles().isEmpty());
        QVERIFY(second.directory() != third.directory() &&
                !second.directory().startsWith(appDir.path()));
        const QString secondDir = second.directory();
        second.RemoveTempDir();
        QVERIFY(second.frontPath().isEmpty() && !QFileInfo::exists(secondDir));
        delete bar;
        QVERIFY(!QFileInfo::exists(appDir.filePath("tmp")));
        bar = new CPreConfigBar;  // for cleanup()
        bar->SetSettings(&settings);
    }
};

QTEST_MAIN(TestIdCardBookCapture)
#include "tst_IdCardBookCapture.moc"
