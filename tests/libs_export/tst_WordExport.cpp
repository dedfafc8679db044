#include "ExportTestImages.h"
#include "JpgintoWord.h"

#include <QLibrary>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <zip.h>

namespace {
using Img = ExportTestImages;

// A4 with half-inch margins, in EMU: what the pictures must fit into.
constexpr double kAreaW = (11906 - 2 * 720) * 635.0;
constexpr double kAreaH = (16838 - 2 * 720) * 635.0;
// A white 1 x 1 GIF: Qt has no GIF writer.
const QByteArray kGif("GIF89a\1\0\1\0\x80\0\0\xFF\xFF\xFF\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 35);

// Every entry of the package by name. False when the archive does not open or an entry does not
// read back whole.
bool readPackage(const QString& file, QMap<QString, QByteArray>* entries) {
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
        entries->insert(QString::fromUtf8(st.name), data);
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
    Img::Convert word() {
        return
            [this](const char* const* f, int n, const char* o) { return convertFn_(f, n, 0, o); };
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QLibrary lib(QStringLiteral(MIRAVELO_BIN_DIR "/libJpgintoWord.so"));
        QVERIFY2(lib.load(), qPrintable(lib.errorString()));
        convertFn_ = reinterpret_cast<KELM_JpgintoWord_Fn>(lib.resolve("KELM_JpgintoWord"));
        QVERIFY(convertFn_);
    }

    // A package with the parts Word needs, one picture per A4 page in the order given, each
    // fitted with its proportions kept and centred, and each the very file that went in.
    void packageHoldsEveryPictureUnchanged() {
        const struct {
            const char* name;
            int w, h;
        } inputs[] = {{"wide photo.jpg", 640, 480}, {"tall.png", 300, 900},
                      {"square.bmp", 200, 200},     {"dot.gif", 1, 1},
                      {"scan.tif", 120, 160},       {"raw.ppm", 90, 60}};
        QStringList files;
        QList<QImage> pictures;
        for (const auto& in : inputs) {
            files << path(in.name);
            pictures << Img::pattern(in.w, in.h);
            QVERIFY(files.last().endsWith(".gif")
                        ? Img::writeFile(files.last(), kGif)
                        : pictures.last().save(files.last(), nullptr, 90));
        }
        const QString docx = path("Bericht ü.docx");
        QCOMPARE(Img::convert(word(), files, docx), files.size());

        QMap<QString, QByteArray> entries;
        QVERIFY(readPackage(docx, &entries));
        for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/document.xml",
                                 "word/_rels/document.xml.rels", "docProps/core.xml"}) {
            QXmlStreamReader xml(entries.value(part));
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(entries.contains(part) && !xml.hasError(), part);
        }
        const QByteArray types = entries.value("[Content_Types].xml");
        QVERIFY(entries.value("docProps/core.xml").contains("<dc:title>Bericht ü</dc:title>"));
        const QString doc = QString::fromUtf8(entries.value("word/document.xml"));
        const QString rels = QString::fromUtf8(entries.value("word/_rels/document.xml.rels"));
        QVERIFY(doc.contains("<w:pgSz w:w=\"11906\" w:h=\"16838\""));
        QCOMPARE(doc.count("<w:pageBreakBefore/>"), files.size() - 1);
        QCOMPARE(doc.count("relativeFrom=\"page\"><wp:align>center</wp:align>"), 2 * files.size());
        auto anchors = QRegularExpression(
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

            const QRegularExpressionMatch target =
                QRegularExpression("Id=\"" + a.captured(3) + "\"[^>]*Target=\"([^\"]+)\"")
                    .match(rels);
            const QString media = "word/" + target.captured(1), ext = media.section('.', -1);
            QVERIFY2(types.contains("Extension=\"" + ext.toUtf8() + "\""), qPrintable(ext));
            if (files[i].endsWith(".ppm")) {  // Word cannot show PPM: it goes in as PNG
                QCOMPARE(ext, QString("png"));
                QCOMPARE(
                    QImage::fromData(entries.value(media)).convertToFormat(QImage::Format_RGB32),
                    pictures[i].convertToFormat(QImage::Format_RGB32));
            } else {
                QVERIFY2(entries.value(media) == Img::readFile(files[i]), where.constData());
            }
        }
        QVERIFY(!anchors.hasNext());
    }

    // The result codes of this entry point's own argument checks and of its package writer. The
    // shared picture checks are driven through every kind of bad file by the PDF test; here one
    // bad file shows the code they map to.
    void refusalsLeaveNothingBehind() {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QVERIFY(Img::pattern(300, 200).save(path("good.png")));
        const QByteArray png = Img::readFile(path("good.png"));
        QVERIFY(Img::writeFile(path("cut.png"), png.left(png.size() / 2)));
        Img::checkRefusals(word(), path("good.png"), out.path(), ".docx",
                           {KELM_WORD_ERR_ARGUMENT, KELM_WORD_ERR_INPUT, KELM_WORD_ERR_OUTPUT},
                           {path("cut.png")});
        // The replaced document is a package holding the very file, readable by others as the
        // umask says, not a private temporary file.
        QMap<QString, QByteArray> entries;
        QVERIFY(readPackage(out.filePath("old.docx"), &entries));
        QCOMPARE(entries.value("word/media/image1.png"), Img::readFile(path("good.png")));
        QVERIFY(QFileInfo(out.filePath("old.docx")).permissions() & QFile::ReadOther);
    }
};

QTEST_GUILESS_MAIN(WordExportTest)
#include "tst_WordExport.moc"
