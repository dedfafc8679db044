#include "ExportTestImages.h"
#include "JpgintoWord.h"

#include <QLibrary>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <zip.h>

namespace {

// A4 with half-inch margins, in EMU: what the pictures must fit into.
constexpr double kAreaW = (11906 - 2 * 720) * 635.0;
constexpr double kAreaH = (16838 - 2 * 720) * 635.0;

struct Anchor {
    qint64 cx = 0;
    qint64 cy = 0;
    QString embed;
    QString alignH;
    QString alignV;
};

}  // namespace

class WordExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    KELM_JpgintoWord_Fn convertFn_ = nullptr;

    QString path(const QString& name) const { return dir_.filePath(name); }

    int convert(const QStringList& files, const QString& out) {
        QList<QByteArray> bytes;
        std::vector<const char*> table;
        for (const QString& f : files)
            bytes << QFile::encodeName(f);
        for (const QByteArray& b : bytes)
            table.push_back(b.constData());
        return convertFn_(table.data(), int(table.size()), 0, QFile::encodeName(out).constData());
    }

    // Every entry of the package by name, with whether it was stored uncompressed.
    static bool readPackage(const QString& file, QMap<QString, QByteArray>* entries,
                            QMap<QString, bool>* stored) {
        int err = 0;
        zip_t* zip =
            zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
        if (!zip)
            return false;
        const zip_int64_t n = zip_get_num_entries(zip, 0);
        for (zip_int64_t i = 0; i < n; ++i) {
            zip_stat_t st;
            if (zip_stat_index(zip, zip_uint64_t(i), 0, &st) != 0)
                return zip_close(zip), false;
            QByteArray data(int(st.size), '\0');
            zip_file_t* f = zip_fopen_index(zip, zip_uint64_t(i), 0);
            const bool ok = f && zip_fread(f, data.data(), st.size) == zip_int64_t(st.size);
            if (f)
                zip_fclose(f);
            if (!ok)
                return zip_close(zip), false;
            entries->insert(QString::fromUtf8(st.name), data);
            stored->insert(QString::fromUtf8(st.name), st.comp_method == ZIP_CM_STORE);
        }
        zip_close(zip);
        return true;
    }

    static bool wellFormed(const QByteArray& xml) {
        QXmlStreamReader r(xml);
        while (!r.atEnd())
            r.readNext();
        return !r.hasError();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QLibrary lib(QStringLiteral(MIRAVELO_BIN_DIR "/libJpgintoWord.so"));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        convertFn_ = reinterpret_cast<KELM_JpgintoWord_Fn>(lib.resolve("KELM_JpgintoWord"));
        QVERIFY(convertFn_);
    }

    // The package is a well-formed Word document with one centred, fitted picture per page, in
    // order, and each picture file inside it is the very file that went in.
    void packageHoldsEveryPictureUnchanged() {
        QStringList files;
        QList<QImage> pictures;
        auto add = [&](const QString& name, const QImage& image, bool ok) {
            QVERIFY2(ok, qPrintable(name));
            files << path(name);
            pictures << image;
        };
        QImage img = ExportTestImages::pattern(640, 480);
        add("wide photo.jpg", img, img.save(path("wide photo.jpg"), "JPG", 90));
        img = ExportTestImages::pattern(300, 900);
        add("tall.png", img, img.save(path("tall.png")));
        img = ExportTestImages::pattern(200, 200);
        add("square.bmp", img, img.save(path("square.bmp")));
        img = ExportTestImages::pattern(320, 100);
        add("band.gif", img, ExportTestImages::writeGif(path("band.gif"), img));
        img = ExportTestImages::pattern(120, 160);
        add("scan.tif", img, img.save(path("scan.tif"), "TIFF"));
        // Word cannot show PPM: it goes in as PNG, pixel for pixel.
        img = ExportTestImages::pattern(90, 60);
        add("raw.ppm", img, img.save(path("raw.ppm"), "PPM"));

        const QString docx = path("Bericht ü.docx");
        QCOMPARE(convert(files, docx), files.size());

        QMap<QString, QByteArray> entries;
        QMap<QString, bool> stored;
        QVERIFY(readPackage(docx, &entries, &stored));
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            if (it.key().endsWith(".xml") || it.key().endsWith(".rels"))
                QVERIFY2(wellFormed(it.value()), qPrintable(it.key()));
        }
        const QByteArray types = entries.value("[Content_Types].xml");
        QVERIFY(types.contains("wordprocessingml.document.main+xml"));
        QVERIFY(entries.value("_rels/.rels").contains("Target=\"word/document.xml\""));
        QVERIFY(entries.value("docProps/core.xml").contains("<dc:title>Bericht ü</dc:title>"));

        // Relationship ids to media files.
        QMap<QString, QString> targets;
        QXmlStreamReader rels(entries.value("word/_rels/document.xml.rels"));
        while (!rels.atEnd()) {
            if (rels.readNext() == QXmlStreamReader::StartElement &&
                rels.name() == QLatin1String("Relationship"))
                targets.insert(rels.attributes().value("Id").toString(),
                               rels.attributes().value("Target").toString());
        }

        QList<Anchor> anchors;
        int pageBreaks = 0;
        QString pageW, pageH;
        QXmlStreamReader doc(entries.value("word/document.xml"));
        QString positioning;
        while (!doc.atEnd()) {
            doc.readNext();
            if (!doc.isStartElement())
                continue;
            const QStringRef name = doc.qualifiedName();
            if (name == QLatin1String("wp:anchor"))
                anchors << Anchor();
            else if (name == QLatin1String("w:pageBreakBefore"))
                ++pageBreaks;
            else if (name == QLatin1String("wp:positionH") || name == QLatin1String("wp:positionV"))
                positioning = name + doc.attributes().value("relativeFrom");
            else if (name == QLatin1String("wp:align") && !anchors.isEmpty()) {
                const QString v = doc.readElementText();
                if (positioning == "wp:positionHpage")
                    anchors.last().alignH = v;
                else if (positioning == "wp:positionVpage")
                    anchors.last().alignV = v;
            } else if (name == QLatin1String("wp:extent") && !anchors.isEmpty()) {
                anchors.last().cx = doc.attributes().value("cx").toLongLong();
                anchors.last().cy = doc.attributes().value("cy").toLongLong();
            } else if (name == QLatin1String("a:blip") && !anchors.isEmpty()) {
                anchors.last().embed = doc.attributes().value("r:embed").toString();
            } else if (name == QLatin1String("w:pgSz")) {
                pageW = doc.attributes().value("w:w").toString();
                pageH = doc.attributes().value("w:h").toString();
            }
        }
        QVERIFY2(!doc.hasError(), qPrintable(doc.errorString()));
        QCOMPARE(pageW, QString("11906"));
        QCOMPARE(pageH, QString("16838"));
        QCOMPARE(anchors.size(), files.size());
        QCOMPARE(pageBreaks, files.size() - 1);

        for (int i = 0; i < anchors.size(); ++i) {
            const Anchor& a = anchors[i];
            const QString where = QString("picture %1").arg(i + 1);
            QCOMPARE(a.alignH, QString("center"));
            QCOMPARE(a.alignV, QString("center"));
            const double aspect = double(pictures[i].width()) / pictures[i].height();
            QVERIFY2(std::abs(double(a.cx) / a.cy - aspect) / aspect < 0.002, qPrintable(where));
            QVERIFY2(a.cx <= kAreaW + 1 && a.cy <= kAreaH + 1, qPrintable(where));
            QVERIFY2(qMax(a.cx / kAreaW, a.cy / kAreaH) > 0.999, qPrintable(where));

            const QString media = "word/" + targets.value(a.embed);
            QVERIFY2(entries.contains(media), qPrintable(media));
            const QString ext = media.section('.', -1);
            QVERIFY2(types.contains(QString("Extension=\"%1\"").arg(ext).toUtf8()),
                     qPrintable(ext));
            if (files[i].endsWith(".ppm")) {
                QCOMPARE(ext, QString("png"));
                QCOMPARE(
                    QImage::fromData(entries.value(media)).convertToFormat(QImage::Format_RGB32),
                    pictures[i].convertToFormat(QImage::Format_RGB32));
            } else {
                QVERIFY2(entries.value(media) == ExportTestImages::readFile(files[i]),
                         qPrintable(where));
            }
            if (ext == "jpeg" || ext == "png" || ext == "gif")
                QVERIFY2(stored.value(media), qPrintable(media + " was recompressed"));
        }
        QVERIFY(!ExportTestImages::listFolder(dir_.path()).join(' ').contains("docx."));
    }

    void refusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QImage photo = ExportTestImages::pattern(300, 200);
        QVERIFY(photo.save(path("good.jpg"), "JPG", 90));
        const QByteArray good = ExportTestImages::readFile(path("good.jpg"));
        QVERIFY(ExportTestImages::writeFile(path("cut.jpg"), good.left(good.size() / 2)));
        QVERIFY(ExportTestImages::writeFile(path("text.png"), "not a picture at all\n"));
        QByteArray png;
        {
            QBuffer b(&png);
            b.open(QIODevice::WriteOnly);
            QVERIFY(photo.save(&b, "PNG"));
        }
        QVERIFY(ExportTestImages::writeFile(path("cut.png"), png.left(png.size() / 2)));
        const QString old = out.filePath("old.docx");
        QVERIFY(ExportTestImages::writeFile(old, "older document"));
        const QStringList before = ExportTestImages::listFolder(out.path());
        const QString target = out.filePath("new.docx");

        const QByteArray goodPath = QFile::encodeName(path("good.jpg"));
        const char* one[] = {goodPath.constData()};
        const char* withNull[] = {goodPath.constData(), nullptr};
        const char* withEmpty[] = {goodPath.constData(), ""};
        const QByteArray t = QFile::encodeName(target);
        QCOMPARE(convertFn_(nullptr, 1, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
        QCOMPARE(convertFn_(one, 0, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
        QCOMPARE(convertFn_(one, -1, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
        QCOMPARE(convertFn_(withNull, 2, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
        QCOMPARE(convertFn_(withEmpty, 2, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
        QCOMPARE(convertFn_(one, 1, 0, nullptr), KELM_WORD_ERR_ARGUMENT);
        QCOMPARE(convertFn_(one, 1, 0, ""), KELM_WORD_ERR_ARGUMENT);
        for (const QString& bad : {path("missing.jpg"), path("cut.jpg"), path("text.png"),
                                   path("cut.png"), dir_.path(), QString("/dev/zero")}) {
            QCOMPARE(convert({path("good.jpg"), bad}, target), KELM_WORD_ERR_INPUT);
            QCOMPARE(convert({path("good.jpg"), bad}, old), KELM_WORD_ERR_INPUT);
        }
        QCOMPARE(convert({path("good.jpg")}, out.filePath("no/such/folder.docx")),
                 KELM_WORD_ERR_OUTPUT);
        QVERIFY(QDir(out.path()).mkdir("taken.docx"));
        QCOMPARE(convert({path("good.jpg")}, out.filePath("taken.docx")), KELM_WORD_ERR_OUTPUT);
        QVERIFY(QDir(out.path()).rmdir("taken.docx"));

        QCOMPARE(ExportTestImages::listFolder(out.path()), before);
        QCOMPARE(ExportTestImages::readFile(old), QByteArray("older document"));

        // A good run replaces the old document, readable as a package, with no leftovers.
        QCOMPARE(convert({path("good.jpg")}, old), 1);
        QMap<QString, QByteArray> entries;
        QMap<QString, bool> stored;
        QVERIFY(readPackage(old, &entries, &stored));
        QCOMPARE(entries.value("word/media/image1.jpeg"), good);
        QCOMPARE(ExportTestImages::listFolder(out.path()), before);
        // The document is an ordinary file for its owner's group and others to read, as the
        // umask says, not a private temporary file.
        QVERIFY(QFileInfo(old).permissions() & QFile::ReadOther);
    }
};

QTEST_GUILESS_MAIN(WordExportTest)
#include "tst_WordExport.moc"
