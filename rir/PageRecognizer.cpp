#include "PageRecognizer.h"

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <mutex>

namespace {

// A captured A4 page is about 1750 pixels wide; Tesseract sizes its expectations by resolution.
constexpr double kA4WidthInches = 8.27;

// Collects the words of the finished recognition, each with its line's baseline and height.
void collectWords(tesseract::TessBaseAPI& api, PdfPageText* layer) {
    std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (!it)
        return;
    const auto word = tesseract::RIL_WORD;
    const auto line = tesseract::RIL_TEXTLINE;
    int lineTop = 0, lineBottom = 0, bx1 = 0, by1 = 0, bx2 = 0, by2 = 0;
    do {
        if (it->Empty(word))
            continue;
        if (it->IsAtBeginningOf(line)) {
            int l, r;
            it->BoundingBox(line, &l, &lineTop, &r, &lineBottom);
            if (!it->Baseline(line, &bx1, &by1, &bx2, &by2)) {
                bx1 = l;
                bx2 = r;
                by1 = by2 = lineBottom;
            }
        }
        std::unique_ptr<char[]> utf8(it->GetUTF8Text(word));
        PdfWord w;
        w.text = QString::fromUtf8(utf8 ? utf8.get() : "").trimmed();
        int left, top, right, bottom;
        it->BoundingBox(word, &left, &top, &right, &bottom);
        w.left = left;
        w.top = top;
        w.right = right;
        w.bottom = bottom;
        const double mid = (left + right) / 2.0;
        w.baseline = bx2 != bx1 ? by1 + (by2 - by1) * (mid - bx1) / double(bx2 - bx1) : by1;
        w.lineHeight = std::max(w.baseline - lineTop, double(bottom - top));
        w.spaceAfter = !it->IsAtFinalElement(line, word);
        if (!w.text.isEmpty())
            layer->words.push_back(w);
    } while (it->Next(word));

    // A space stretches to where the next word begins, so copied text keeps its word gaps.
    for (std::size_t i = 0; i < layer->words.size(); ++i) {
        PdfWord& w = layer->words[i];
        if (!w.spaceAfter || i + 1 == layer->words.size()) {
            w.spaceAfter = false;
            continue;
        }
        const PdfWord& next = layer->words[i + 1];
        w.nextLeft = next.left > w.right ? next.left : w.right;
        // Chinese and Japanese put no spaces between words.
        const QChar last = w.text.back();
        const QChar first = next.text.front();
        if (last.script() == QChar::Script_Han || first.script() == QChar::Script_Han ||
            last.script() == QChar::Script_Hiragana || last.script() == QChar::Script_Katakana ||
            first.script() == QChar::Script_Hiragana || first.script() == QChar::Script_Katakana)
            w.spaceAfter = false;
    }
}

}  // namespace

PageRecognizer::PageRecognizer() = default;

PageRecognizer::~PageRecognizer() {
    if (m_api)
        m_api->End();
}

bool PageRecognizer::load(const QString& dataPath, const QString& languages, QString* error) {
    // The engine's and its image library's diagnostics (a box clipped at the page edge, an empty
    // page) mean nothing to a user and would bury the progress lines.
    static std::once_flag quiet;
    std::call_once(quiet, [] { setMsgSeverity(L_SEVERITY_NONE); });
    m_api = std::make_unique<tesseract::TessBaseAPI>();
    const QByteArray path = dataPath.toLocal8Bit();
    const QByteArray langs = languages.toLatin1();
    if (m_api->Init(path.constData(), langs.constData(), tesseract::OEM_LSTM_ONLY) != 0) {
        m_api.reset();
        *error = QStringLiteral("Tesseract could not load \"%1\" from %2").arg(languages, dataPath);
        return false;
    }
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
    m_api->SetVariable("debug_file", "/dev/null");
    return true;
}

bool PageRecognizer::recognize(const QImage& page, const std::atomic_bool& cancel,
                               RecognizedPage* out) {
    if (!m_api || page.isNull())
        return false;
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    m_api->SetImage(grey.constBits(), grey.width(), grey.height(), 1, grey.bytesPerLine());
    m_api->SetSourceResolution(
        std::max(70, int(std::max(grey.width(), grey.height()) / (kA4WidthInches * 1.414))));
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = [](void* flag, int) {
        return static_cast<const std::atomic_bool*>(flag)->load();
    };
    monitor.cancel_this = const_cast<std::atomic_bool*>(&cancel);
    out->layer = PdfPageText();
    out->layer.width = grey.width();
    out->layer.height = grey.height();
    out->text.clear();
    // The engine also fails on a page where it finds nothing to read: that page has no text.
    const bool read = m_api->Recognize(&monitor) == 0;
    if (cancel) {
        m_api->Clear();
        return false;
    }
    if (read) {
        collectWords(*m_api, &out->layer);
        std::unique_ptr<char[]> text(m_api->GetUTF8Text());
        out->text = QString::fromUtf8(text ? text.get() : "");
    }
    m_api->Clear();
    return true;
}
