// The export dialog and the pieces it drives (the background export, the lossless turn) on their
// own, with the export libraries of the build.
#include <QtTest>
#include <QtWidgets>
#include <unistd.h>

#include "app/AppPaths.h"
#include "output/Dialog_ImagesOutPut.h"
#include "output/DocumentExport.h"
#include "output/ImageFileRotator.h"
#include "support/TestFiles.h"

namespace {
QStringList folderList(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Left half red, right half blue: a turn is told apart from a mirror.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
    return image;
}
}  // namespace

class TestExportDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;

    QString jpeg(const QString& name, QSize size = {64, 48}) {
        const QString path = m_dir.filePath(name);
        return halves(size.width(), size.height()).save(path, "JPG", 90) ? path : QString();
    }

    // Runs one export on this thread and returns its result, path and message.
    static std::tuple<int, QString, QString> exportNow(DocumentExport::Kind kind,
                                                       const QStringList& files, const QString& out,
                                                       bool cancel = false) {
        DocumentExport job(kind, files, out);
        QSignalSpy done(&job, &DocumentExport::finished);
        if (cancel)
            job.cancel();
        job.run();
        const QList<QVariant> args = done.value(0);
        return {args.value(0).toInt(), args.value(1).toString(), args.value(2).toString()};
    }

public slots:
    void open(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase() { AppPaths::setApplicationDir(MIRAVELO_BIN_DIR); }

    void listKeepsOrderWithoutDuplicates() {
        Dialog_ImagesOutPut dialog(nullptr, Dialog_ImagesOutPut::PdfMode, m_dir.path());
        QVERIFY(dialog.isWindow() && (dialog.windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(dialog.findChild<QLineEdit*>("Ldt_Outputpath")
                    ->text()
                    .contains(QRegularExpression("/PDF_\\d{14}\\.pdf$")));
        const QStringList files = {jpeg("a.jpg"), jpeg("b.jpg"), jpeg("c.jpg")};
        for (const QString& file : files + files)
            dialog.addImagePath(file);
        QCOMPARE(dialog.imagePaths(), files);
        auto* list = dialog.findChild<QListWidget*>("lwid_Images");
        auto click = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
        list->setCurrentRow(0);
        click("Btn_Up");  // first stays first
        QCOMPARE(dialog.imagePaths(), files);
        list->setCurrentRow(2);
        click("Btn_Down");  // last stays last
        click("Btn_Up");
        click("Btn_Up");
        QCOMPARE(dialog.imagePaths(), (QStringList{files[2], files[0], files[1]}));
        QCOMPARE(list->item(0)->text(), files[2]);
        list->setCurrentRow(1);
        click("Btn_Remove");
        QCOMPARE(dialog.imagePaths(), (QStringList{files[2], files[1]}));
        QCOMPARE(list->count(), 2);
        emit list->itemClicked(list->item(0));
        QVERIFY(!dialog.findChild<QLabel*>("lbl_Preview")->pixmap(Qt::ReturnByValue).isNull());
        click("Btn_Clear");
        QVERIFY(dialog.imagePaths().isEmpty() && list->count() == 0);
        Dialog_ImagesOutPut word(nullptr, Dialog_ImagesOutPut::WordMode, m_dir.path());
        QVERIFY(word.findChild<QLineEdit*>("Ldt_Outputpath")->text().endsWith(".docx"));
    }

    // JPEG turns in the compressed domain: markers kept, four turns give the same bytes, and a
    // picture not made of whole blocks loses only its partial block row. Other formats turn
    // without loss; a file that is no picture is reported and left alone.
    void rotationIsLossless() {
        const QString aligned = jpeg("aligned.jpg", {64, 48});
        QByteArray original = readBytes(aligned);
        original.insert(2, QByteArray("\xFF\xE1\x00\x0A"
                                      "Exif\0\0\x01\x02",
                                      12));
        QVERIFY(writeBytes(aligned, original));
        QString error;
        QVERIFY2(ImageFileRotator::turnLeft(aligned, &error), qPrintable(error));
        const QImage turned(aligned);
        QCOMPARE(turned.size(), QSize(48, 64));
        // The red (left) half is now at the bottom.
        QVERIFY(qRed(turned.pixel(24, 60)) > 200 && qBlue(turned.pixel(24, 4)) > 200);
        QVERIFY(readBytes(aligned).contains(QByteArray("Exif\0\0\x01\x02", 8)));
        for (int i = 0; i < 3; ++i)
            QVERIFY(ImageFileRotator::turnLeft(aligned, &error));
        QCOMPARE(readBytes(aligned), original);

        const QString ragged = jpeg("ragged.jpg", {70, 50});
        QVERIFY(ImageFileRotator::turnLeft(ragged, &error));
        QCOMPARE(QImage(ragged).size(), QSize(50, 64));  // 70 = 4 blocks of 16 and 6 columns

        const QString png = m_dir.filePath("p.png");
        QVERIFY(halves(31, 17).save(png));
        QVERIFY(ImageFileRotator::turnLeft(png, &error));
        QCOMPARE(QImage(png).convertToFormat(QImage::Format_RGB32),
                 halves(31, 17).transformed(QTransform().rotate(270)));

        const QString notes = m_dir.filePath("notes.jpg");
        QVERIFY(writeBytes(notes, "words"));
        QVERIFY(!ImageFileRotator::turnLeft(notes, &error) && !error.isEmpty());
        QCOMPARE(readBytes(notes), QByteArray("words"));

        // The dialog's button turns what is selected and shows it.
        Dialog_ImagesOutPut dialog(nullptr, Dialog_ImagesOutPut::PdfMode, m_dir.path());
        dialog.addImagePath(png);
        dialog.findChild<QListWidget*>("lwid_Images")->setCurrentRow(0);
        dialog.findChild<QPushButton*>("Btn_Rotate")->click();
        QCOMPARE(QImage(png).size(), QSize(31, 17));
        QVERIFY(!dialog.findChild<QLabel*>("lbl_Preview")->pixmap(Qt::ReturnByValue).isNull());
    }

    // Generating runs in the background, puts the JPEG files in unchanged, opens the document and
    // never replaces an older one; a second press makes a second document.
    void generateMakesDocumentsSideBySide() {
        QDesktopServices::setUrlHandler("file", this, "open");
        const QStringList files = {jpeg("g1.jpg"), jpeg("g2.jpg", {48, 64})};
        for (const int mode : {0, 1}) {
            QTemporaryDir out;
            Dialog_ImagesOutPut dialog(nullptr, mode, out.path());
            for (const QString& file : files)
                dialog.addImagePath(file);
            QSignalSpy done(&dialog, &Dialog_ImagesOutPut::Signal_OutputFinished);
            for (int press = 0; press < 2; ++press) {
                dialog.findChild<QPushButton*>("Btn_Output")->click();
                QVERIFY(dialog.isGenerating() || done.size() > press);
                QTRY_COMPARE_WITH_TIMEOUT(done.size(), press + 1, 30000);
                QCOMPARE(done.last().value(0).toInt(), 2);
            }
            const QString first = done[0][1].toString(), second = done[1][1].toString();
            QVERIFY(first != second);
            QCOMPARE(folderList(out.path()).size(), 2);
            QCOMPARE(m_opened.mid(m_opened.size() - 2),
                     (QList<QUrl>{QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
            if (mode == 0)
                QVERIFY(readBytes(first).contains(readBytes(files[1])));
        }
        QDesktopServices::unsetUrlHandler("file");
    }

    // Each bad request gets a message and leaves the folder as it was.
    void badRequestsWriteNothing() {
        QTemporaryDir out;
        const QString good = jpeg("ok.jpg");
        const QString older = out.filePath("doc.pdf");
        const QString notPicture = m_dir.filePath("text.jpg");
        QVERIFY(writeBytes(older, "older") && writeBytes(notPicture, "not a picture"));
        const QStringList tooMany = QVector<QString>(513, good).toList();
        const struct {
            QStringList files;
            QString out;
            bool cancel;
        } cases[] = {{{}, older, false},
                     {tooMany, older, false},
                     {{good, m_dir.filePath("gone.jpg")}, older, false},
                     {{good, notPicture}, older, false},
                     {{good}, out.filePath("missing/doc.pdf"), false},
                     {{good}, older, true}};
        for (const auto& c : cases) {
            for (const auto kind : {DocumentExport::Pdf, DocumentExport::Word}) {
                const auto [result, path, message] = exportNow(kind, c.files, c.out, c.cancel);
                QVERIFY2(result < 0 && !message.isEmpty(), qPrintable(message));
                QCOMPARE(folderList(out.path()), QStringList{"doc.pdf"});
                QCOMPARE(readBytes(older), QByteArray("older"));
            }
        }
        // The same request without a fault writes beside the older file.
        const auto [result, path, message] = exportNow(DocumentExport::Pdf, {good}, older);
        QCOMPARE(result, 1);
        QCOMPARE(path, out.filePath("doc_2.pdf"));
        QCOMPARE(readBytes(older), QByteArray("older"));
        if (geteuid() != 0) {  // permissions do not bind the superuser
            QVERIFY(QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(std::get<0>(exportNow(DocumentExport::Word, {good}, older)) < 0);
            QVERIFY(QFile::setPermissions(out.path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
    }
};

QTEST_MAIN(TestExportDialog)
#include "tst_ExportDialog.moc"
