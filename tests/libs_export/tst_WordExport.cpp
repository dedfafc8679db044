#include "ExportTestImages.h"
#include "JpgintoWord.h"

#include <QLibrary>
#include <QMap>
#include <QRegularExpression>
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
// The XML parts of a package that do not parse, by name.
QString malformed(const QMap<QString, QByteArray>& entries) {
    QStringList bad;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        QXmlStreamReader r(it.value());
        while (!r.atEnd() && (it.key().endsWith(".xml") || it.key().endsWith(".rels")))
            r.readNext();
        if (r.hasError())
            bad << it.key();
    }
    return bad.join(' ');
}

// Relationship id -> target of a relationships part.
QMap<QString, QString> relationships(const QByteArray& xml) {
    QMap<QString, QString> targets;
    QXmlStreamReader rels(xml);
    while (!rels.atEnd())
        if (rels.readNext() == QXmlStreamReader::StartElement &&
            rels.name() == QLatin1String("Relationship"))
            targets.insert(rels.attributes().value("Id").toString(),
                           rels.attributes().value("Target").toString());
    return targets;
}
}  // namespace

class WordExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    KELM_JpgintoWord_Fn convertFn_ = nullptr;

    QString path(const QString& name) const { return dir_.filePath(name); }

    int convert(const QStringList& files, const QString& out) {
        return Img::convert(
            [&](const char* const* f, int n, const char* o) { return convertFn_(f, n, 0, o); },
            files, out);
    }

    // One picture of every format the export dialog offers; false when one cannot be written.
    bool writePictures(QStringList* files, QList<QImage>* pictures) {
        const struct {
            const char* name;
            int w, h;
        } inputs[] = {{"wide photo.jpg", 640, 480}, {"tall.png", 300, 900},
                      {"square.bmp", 200, 200},     {"band.gif", 320, 100},
                      {"scan.tif", 120, 160},       {"raw.ppm", 90, 60}};
        for (const auto& in : inputs) {
            *files << path(in.name);
            *pictures << Img::pattern(in.w, in.h);
            if (!(files->last().endsWith(".gif")
                      ? Img::writeGif(files->last(), pictures->last())
                      : pictures->last().save(files->last(), nullptr, 90)))
                return false;
        }
        return true;
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
        QVERIFY(writePictures(&files, &pictures));
        const QString docx = path("Bericht ü.docx");
        QCOMPARE(convert(files, docx), files.size());

        QMap<QString, QByteArray> entries;
        QSet<QString> stored;
        QVERIFY(readPackage(docx, &entries, &stored));
        QVERIFY2(malformed(entries).isEmpty(), qPrintable(malformed(entries)));
        const QByteArray types = entries.value("[Content_Types].xml");
        QVERIFY(types.contains("wordprocessingml.document.main+xml"));
        QVERIFY(entries.value("_rels/.rels").contains("Target=\"word/document.xml\""));
        QVERIFY(entries.value("docProps/core.xml").contains("<dc:title>Bericht ü</dc:title>"));

        const QMap<QString, QString> targets =
            relationships(entries.value("word/_rels/document.xml.rels"));

        // One picture per A4 page, centred on the page, in the order given.
        const QString doc = QString::fromUtf8(entries.value("word/document.xml"));
        QVERIFY(doc.contains("<w:pgSz w:w=\"11906\" w:h=\"16838\""));
        QCOMPARE(doc.count("<w:pageBreakBefore/>"), files.size() - 1);
        const QString centred =
            "<wp:position%1 relativeFrom=\"page\"><wp:align>center</wp:align>"
            "</wp:position%1>";
        auto anchors = QRegularExpression(centred.arg("H") + centred.arg("V") +
                                          "<wp:extent cx=\"(\\d+)\" cy=\"(\\d+)\"/>.*?"
                                          "<a:blip r:embed=\"(\\w+)\"")
                           .globalMatch(doc);
        for (int i = 0; i < files.size(); ++i) {
            const QByteArray where = files[i].toUtf8();
            QVERIFY2(anchors.hasNext(), where.constData());
            const QRegularExpressionMatch a = anchors.next();
            const double cx = a.captured(1).toDouble(), cy = a.captured(2).toDouble();
            const double aspect = double(pictures[i].width()) / pictures[i].height();
            QVERIFY2(std::abs(cx / cy - aspect) / aspect < 0.002, where.constData());
            QVERIFY2(cx <= kAreaW + 1 && cy <= kAreaH + 1, where.constData());
            QVERIFY2(qMax(cx / kAreaW, cy / kAreaH) > 0.999, where.constData());

            const QString media = "word/" + targets.value(a.captured(3));
            const QString ext = media.section('.', -1);
            QVERIFY2(types.contains(QString("Extension=\"%1\"").arg(ext).toUtf8()),
                     qPrintable(ext));
            if (files[i].endsWith(".ppm")) {  // Word cannot show PPM: it goes in as PNG
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
        QVERIFY(!anchors.hasNext());
        QVERIFY(!Img::listFolder(dir_.path()).join(' ').contains("docx."));
    }

    void refusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(Img::pattern(300, 200).save(path("good.png")));
        const QByteArray png = Img::readFile(path("good.png"));
        QVERIFY(Img::writeFile(path("cut.png"), png.left(png.size() / 2)));
        Img::checkRefusals(
            [&](const char* const* f, int n, const char* o) { return convertFn_(f, n, 0, o); },
            dir_.path(), out.path(), ".docx",
            {KELM_WORD_ERR_ARGUMENT, KELM_WORD_ERR_INPUT, KELM_WORD_ERR_OUTPUT}, {path("cut.png")});
        // The replaced document is a package holding the very file, readable by others as the
        // umask says, not a private temporary file.
        QMap<QString, QByteArray> entries;
        QVERIFY(readPackage(out.filePath("old.docx"), &entries));
        QCOMPARE(entries.value("word/media/image1.jpeg"), Img::readFile(path("good.jpg")));
        QVERIFY(QFileInfo(out.filePath("old.docx")).permissions() & QFile::ReadOther);
    }
};

QTEST_GUILESS_MAIN(WordExportTest)
#include "tst_WordExport.moc"
