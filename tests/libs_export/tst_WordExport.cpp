#include "ExportTestImages.h"
#include "JpgintoWord.h"

#include <QLibrary>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <zip.h>

namespace {
using Img = ExportTestImages;

// A4 with half-inch margins, in EMU: what the pictures must fit into.
constexpr double kAreaW = (11906 - 2 * 720) * 635.0;
constexpr double kAreaH = (16838 - 2 * 720) * 635.0;

struct Anchor {
    qint64 cx = 0, cy = 0;
    QString embed, alignH, alignV;
};

// Every entry of the package by name; `stored` lists those kept uncompressed.
bool readPackage(const QString& file, QMap<QString, QByteArray>* entries,
                 QSet<QString>* stored = nullptr) {
    int err = 0;
    zip_t* zip = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
    bool ok = zip != nullptr;
    for (zip_int64_t i = 0; ok && i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_file_t* f = zip_stat_index(zip, zip_uint64_t(i), 0, &st) == 0
                            ? zip_fopen_index(zip, zip_uint64_t(i), 0)
                            : nullptr;
        QByteArray data(int(f ? st.size : 0), '\0');
        ok = f && zip_fread(f, data.data(), st.size) == zip_int64_t(st.size);
        if (f)
            zip_fclose(f);
        if (ok)
            entries->insert(QString::fromUtf8(st.name), data);
        if (ok && stored && st.comp_method == ZIP_CM_STORE)
            stored->insert(QString::fromUtf8(st.name));
    }
    if (zip)
        zip_close(zip);
    return ok;
}
}  // namespace

class WordExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    KELM_JpgintoWord_Fn convertFn_ = nullptr;

    QString path(const QString& name) const { return dir_.filePath(name); }

    int convert(const QStringList& files, const QString& out) {
        QList<QByteArray> bytes;
        std::vector<const char*> table;
        for (const QString& f : files) {
            bytes << QFile::encodeName(f);
            table.push_back(bytes.last().constData());
        }
        return convertFn_(table.data(), int(table.size()), 0, QFile::encodeName(out).constData());
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
        const struct {
            const char* name;
            int w, h;
        } inputs[] = {{"wide photo.jpg", 640, 480}, {"tall.png", 300, 900},
                      {"square.bmp", 200, 200},     {"band.gif", 320, 100},
                      {"scan.tif", 120, 160},       {"raw.ppm", 90, 60}};
        for (const auto& in : inputs) {
            const QImage img = Img::pattern(in.w, in.h);
            files << path(in.name);
            pictures << img;
            QVERIFY2(files.last().endsWith(".gif") ? Img::writeGif(files.last(), img)
                                                   : img.save(files.last(), nullptr, 90),
                     in.name);
        }
        const QString docx = path("Bericht ü.docx");
        QCOMPARE(convert(files, docx), files.size());

        QMap<QString, QByteArray> entries;
        QSet<QString> stored;
        QVERIFY(readPackage(docx, &entries, &stored));
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            QXmlStreamReader r(it.value());
            while (!r.atEnd() && (it.key().endsWith(".xml") || it.key().endsWith(".rels")))
                r.readNext();
            QVERIFY2(!r.hasError(), qPrintable(it.key()));
        }
        const QByteArray types = entries.value("[Content_Types].xml");
        QVERIFY(types.contains("wordprocessingml.document.main+xml"));
        QVERIFY(entries.value("_rels/.rels").contains("Target=\"word/document.xml\""));
        QVERIFY(entries.value("docProps/core.xml").contains("<dc:title>Bericht ü</dc:title>"));

        QMap<QString, QString> targets;  // relationship id -> media file
        QXmlStreamReader rels(entries.value("word/_rels/document.xml.rels"));
        while (!rels.atEnd())
            if (rels.readNext() == QXmlStreamReader::StartElement &&
                rels.name() == QLatin1String("Relationship"))
                targets.insert(rels.attributes().value("Id").toString(),
                               rels.attributes().value("Target").toString());

        QList<Anchor> anchors;
        int pageBreaks = 0;
        QString pageSize, positioning;
        QXmlStreamReader doc(entries.value("word/document.xml"));
        while (!doc.atEnd()) {
            if (doc.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QStringRef name = doc.qualifiedName();
            const QXmlStreamAttributes at = doc.attributes();
            if (name == QLatin1String("wp:anchor"))
                anchors << Anchor();
            else if (name == QLatin1String("w:pageBreakBefore"))
                ++pageBreaks;
            else if (name == QLatin1String("w:pgSz"))
                pageSize = at.value("w:w").toString() + "x" + at.value("w:h").toString();
            else if (name.startsWith(QLatin1String("wp:position")))
                positioning = name + at.value("relativeFrom");
            else if (anchors.isEmpty())
                continue;
            else if (name == QLatin1String("wp:align") && positioning == "wp:positionHpage")
                anchors.last().alignH = doc.readElementText();
            else if (name == QLatin1String("wp:align") && positioning == "wp:positionVpage")
                anchors.last().alignV = doc.readElementText();
            else if (name == QLatin1String("wp:extent"))
                anchors.last().cx = at.value("cx").toLongLong(),
                anchors.last().cy = at.value("cy").toLongLong();
            else if (name == QLatin1String("a:blip"))
                anchors.last().embed = at.value("r:embed").toString();
        }
        QVERIFY2(!doc.hasError(), qPrintable(doc.errorString()));
        QCOMPARE(pageSize, QString("11906x16838"));
        QCOMPARE(anchors.size(), files.size());
        QCOMPARE(pageBreaks, files.size() - 1);

        for (int i = 0; i < anchors.size(); ++i) {
            const Anchor& a = anchors[i];
            const QByteArray where = files[i].toUtf8();
            QCOMPARE(a.alignH + a.alignV, QString("centercenter"));
            const double aspect = double(pictures[i].width()) / pictures[i].height();
            QVERIFY2(std::abs(double(a.cx) / a.cy - aspect) / aspect < 0.002, where.constData());
            QVERIFY2(a.cx <= kAreaW + 1 && a.cy <= kAreaH + 1, where.constData());
            QVERIFY2(qMax(a.cx / kAreaW, a.cy / kAreaH) > 0.999, where.constData());

            const QString media = "word/" + targets.value(a.embed);
            const QString ext = media.section('.', -1);
            QVERIFY2(entries.contains(media), qPrintable(media));
            QVERIFY2(types.contains(QString("Extension=\"%1\"").arg(ext).toUtf8()),
                     qPrintable(ext));
            if (files[i].endsWith(
                    ".ppm")) {  // Word cannot show PPM: it goes in as PNG, pixel for pixel
                QCOMPARE(ext, QString("png"));
                QCOMPARE(
                    QImage::fromData(entries.value(media)).convertToFormat(QImage::Format_RGB32),
                    pictures[i].convertToFormat(QImage::Format_RGB32));
            } else {
                QVERIFY2(entries.value(media) == Img::readFile(files[i]), where.constData());
            }
            if (ext == "jpeg" || ext == "png" || ext == "gif")
                QVERIFY2(stored.contains(media), qPrintable(media + " was recompressed"));
        }
        QVERIFY(!Img::listFolder(dir_.path()).join(' ').contains("docx."));
    }

    void refusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QImage photo = Img::pattern(300, 200);
        QVERIFY(photo.save(path("good.jpg"), "JPG", 90));
        QVERIFY(photo.save(path("good.png")));
        const QByteArray good = Img::readFile(path("good.jpg")),
                         png = Img::readFile(path("good.png"));
        QVERIFY(Img::writeFile(path("cut.jpg"), good.left(good.size() / 2)));
        QVERIFY(Img::writeFile(path("cut.png"), png.left(png.size() / 2)));
        QVERIFY(Img::writeFile(path("text.png"), "not a picture at all\n"));
        const QString old = out.filePath("old.docx");
        QVERIFY(Img::writeFile(old, "older document"));
        const QStringList before = Img::listFolder(out.path());
        const QString target = out.filePath("new.docx");

        const QByteArray goodPath = QFile::encodeName(path("good.jpg")),
                         t = QFile::encodeName(target);
        const char* one[] = {goodPath.constData()};
        const char* withNull[] = {goodPath.constData(), nullptr};
        const char* withEmpty[] = {goodPath.constData(), ""};
        QCOMPARE(convertFn_(nullptr, 1, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
        for (int count : {0, -1})
            QCOMPARE(convertFn_(one, count, 0, t.constData()), KELM_WORD_ERR_ARGUMENT);
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
        QCOMPARE(Img::listFolder(out.path()), before);
        QCOMPARE(Img::readFile(old), QByteArray("older document"));

        // A good run replaces the old document, readable as a package, with no leftovers, and
        // readable by others as the umask says, not a private temporary file.
        QCOMPARE(convert({path("good.jpg")}, old), 1);
        QMap<QString, QByteArray> entries;
        QVERIFY(readPackage(old, &entries));
        QCOMPARE(entries.value("word/media/image1.jpeg"), good);
        QCOMPARE(Img::listFolder(out.path()), before);
        QVERIFY(QFileInfo(old).permissions() & QFile::ReadOther);
    }
};

QTEST_GUILESS_MAIN(WordExportTest)
#include "tst_WordExport.moc"
