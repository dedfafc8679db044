#include "DocxPackage.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <list>
#include <zip.h>

namespace {

const char* kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

QString xmlText(const QString& text) {
    QString clean;
    for (QChar c : text) {
        // Control characters are not allowed in XML 1.0 at all, escaped or not.
        if (c.unicode() >= 0x20 || c == '\t')
            clean += c;
    }
    return clean.toHtmlEscaped();
}

const char* contentType(const QByteArray& format) {
    if (format == "jpeg")
        return "image/jpeg";
    if (format == "png")
        return "image/png";
    if (format == "gif")
        return "image/gif";
    if (format == "bmp")
        return "image/bmp";
    return "image/tiff";
}

std::string contentTypes() {
    std::string s = kXmlHead;
    s += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
    for (const char* ext : {"jpeg", "png", "gif", "bmp", "tiff"}) {
        s += std::string("<Default Extension=\"") + ext + "\" ContentType=\"" + contentType(ext) +
             "\"/>";
    }
    s += "<Override PartName=\"/word/document.xml\" "
         "ContentType=\"application/"
         "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "<Override PartName=\"/docProps/core.xml\" "
         "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
         "<Override PartName=\"/docProps/app.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
         "</Types>";
    return s;
}

std::string packageRelationships() {
    return std::string(kXmlHead) +
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
           "2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
           "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/"
           "relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
           "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
           "2006/relationships/extended-properties\" Target=\"docProps/app.xml\"/>"
           "</Relationships>";
}

std::string mediaName(std::size_t index, const QByteArray& format) {
    return "image" + std::to_string(index + 1) + "." + format.toStdString();
}

std::string documentRelationships(const std::vector<DocxPackage::Picture>& pictures) {
    std::string s = std::string(kXmlHead) +
                    "<Relationships "
                    "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        s += "<Relationship Id=\"rIdImage" + std::to_string(i + 1) +
             "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
             "image\" Target=\"media/" +
             mediaName(i, pictures[i].format) + "\"/>";
    }
    return s + "</Relationships>";
}

std::string pictureParagraph(std::size_t index, const DocxPackage::Picture& picture) {
    long long cx = 0;
    long long cy = 0;
    DocxPackage::fittedExtent(picture.width, picture.height, &cx, &cy);
    const std::string id = std::to_string(index + 1);
    const std::string ext = "cx=\"" + std::to_string(cx) + "\" cy=\"" + std::to_string(cy) + "\"";
    std::string p = "<w:p><w:pPr>";
    if (index > 0)
        p += "<w:pageBreakBefore/>";
    // Anchored to the page centre rather than inline, so the picture sits in the middle of the
    // sheet vertically too, whatever the paragraph's line height.
    p += "<w:spacing w:before=\"0\" w:after=\"0\"/></w:pPr><w:r><w:drawing>"
         "<wp:anchor distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\" simplePos=\"0\" "
         "relativeHeight=\"" +
         id +
         "\" behindDoc=\"0\" locked=\"1\" layoutInCell=\"1\" allowOverlap=\"1\">"
         "<wp:simplePos x=\"0\" y=\"0\"/>"
         "<wp:positionH relativeFrom=\"page\"><wp:align>center</wp:align></wp:positionH>"
         "<wp:positionV relativeFrom=\"page\"><wp:align>center</wp:align></wp:positionV>"
         "<wp:extent " +
         ext +
         "/><wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/><wp:wrapTopAndBottom/>"
         "<wp:docPr id=\"" +
         id + "\" name=\"Picture " + id +
         "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
         "</wp:cNvGraphicFramePr>"
         "<a:graphic><a:graphicData "
         "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
         "<pic:nvPicPr><pic:cNvPr id=\"" +
         id + "\" name=\"" + mediaName(index, picture.format) +
         "\"/><pic:cNvPicPr/></pic:nvPicPr>"
         "<pic:blipFill><a:blip r:embed=\"rIdImage" +
         id +
         "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
         "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext " +
         ext +
         "/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
         "</pic:pic></a:graphicData></a:graphic></wp:anchor></w:drawing></w:r></w:p>";
    return p;
}

std::string document(const std::vector<DocxPackage::Picture>& pictures) {
    std::string s = std::string(kXmlHead) +
                    "<w:document "
                    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                    "relationships\" "
                    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/"
                    "wordprocessingDrawing\" "
                    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
                    "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
                    "<w:body>";
    for (std::size_t i = 0; i < pictures.size(); ++i)
        s += pictureParagraph(i, pictures[i]);
    const std::string m = std::to_string(DocxPackage::kMarginTwips);
    s += "<w:sectPr><w:pgSz w:w=\"" + std::to_string(DocxPackage::kPageWidthTwips) + "\" w:h=\"" +
         std::to_string(DocxPackage::kPageHeightTwips) + "\"/><w:pgMar w:top=\"" + m +
         "\" w:right=\"" + m + "\" w:bottom=\"" + m + "\" w:left=\"" + m +
         "\" w:header=\"0\" w:footer=\"0\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
    return s;
}

std::string coreProperties(const QString& title) {
    const std::string now = QDateTime::currentDateTimeUtc()
                                .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"))
                                .toStdString();
    return std::string(kXmlHead) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
           "core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
           "<dc:title>" +
           xmlText(title).toStdString() +
           "</dc:title><dc:creator>Miravelo</dc:creator>"
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
           now + "</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + now +
           "</dcterms:modified></cp:coreProperties>";
}

std::string appProperties(std::size_t pages) {
    return std::string(kXmlHead) +
           "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "extended-properties\"><Application>Miravelo</Application><Pages>" +
           std::to_string(pages) + "</Pages></Properties>";
}

}  // namespace

void DocxPackage::fittedExtent(int width, int height, long long* cx, long long* cy) {
    const double areaW = double(kPageWidthTwips - 2 * kMarginTwips) * kEmuPerTwip;
    const double areaH = double(kPageHeightTwips - 2 * kMarginTwips) * kEmuPerTwip;
    const double scale = std::min(areaW / std::max(width, 1), areaH / std::max(height, 1));
    *cx = std::max(1LL, std::llround(width * scale));
    *cy = std::max(1LL, std::llround(height * scale));
}

namespace {
struct StopState {
    const DocxPackage::StopAsked* stopAsked;
    double written = 0;
    bool asked = false;
};

void noteProgress(zip_t*, double written, void* state) {
    static_cast<StopState*>(state)->written = written;
}

int cancelWhenAsked(zip_t*, void* state) {
    auto* s = static_cast<StopState*>(state);
    if (!s->asked)
        s->asked = (*s->stopAsked)(s->written);
    return s->asked ? 1 : 0;
}
}  // namespace

bool DocxPackage::write(const std::string& outPath, const std::vector<Picture>& pictures,
                        const QString& title, std::string* error, const StopAsked& stopAsked,
                        bool* cancelled) {
    int zerr = 0;
    // libzip builds the archive in a temporary file beside outPath and renames it into place only
    // in zip_close(), so a failure at any point leaves no partial document behind.
    zip_t* zip = zip_open(outPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &zerr);
    if (!zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, zerr);
        *error = std::string("cannot create package: ") + zip_error_strerror(&e);
        zip_error_fini(&e);
        return false;
    }
    // Buffers handed to libzip must live until zip_close().
    std::list<std::string> parts;
    auto fail = [&](const std::string& what) {
        *error = what + ": " + zip_strerror(zip);
        zip_discard(zip);
        return false;
    };
    auto addText = [&](const char* name, std::string text) {
        parts.push_back(std::move(text));
        zip_source_t* src = zip_source_buffer(zip, parts.back().data(), parts.back().size(), 0);
        if (!src)
            return false;
        if (zip_file_add(zip, name, src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(src);
            return false;
        }
        return true;
    };

    if (!addText("[Content_Types].xml", contentTypes()) ||
        !addText("_rels/.rels", packageRelationships()) ||
        !addText("docProps/core.xml", coreProperties(title)) ||
        !addText("docProps/app.xml", appProperties(pictures.size())) ||
        !addText("word/_rels/document.xml.rels", documentRelationships(pictures)) ||
        !addText("word/document.xml", document(pictures)))
        return fail("cannot add package part");

    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture& p = pictures[i];
        const std::string name = "word/media/" + mediaName(i, p.format);
        zip_source_t* src = p.data.isEmpty() ? zip_source_file(zip, p.path.c_str(), 0, -1)
                                             : zip_source_buffer(zip, p.data.constData(),
                                                                 zip_uint64_t(p.data.size()), 0);
        if (!src)
            return fail("cannot read " + p.path);
        const zip_int64_t index = zip_file_add(zip, name.c_str(), src, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(src);
            return fail("cannot add " + name);
        }
        // JPEG, PNG and GIF are compressed already: store them as they are.
        if (p.format == "jpeg" || p.format == "png" || p.format == "gif")
            zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    // The pictures are copied inside zip_close(): that is where progress is made and a stop helps.
    StopState state{&stopAsked};
    if (stopAsked) {
        zip_register_progress_callback_with_state(zip, 0.001, noteProgress, nullptr, &state);
        zip_register_cancel_callback_with_state(zip, cancelWhenAsked, nullptr, &state);
    }
    if (zip_close(zip) != 0) {
        if (cancelled)
            *cancelled = state.asked;
        return fail("cannot write package");
    }
    return true;
}
