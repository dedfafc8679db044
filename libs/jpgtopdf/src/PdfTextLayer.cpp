#include "PdfTextLayer.h"

#include "PdfNumber.h"

#include <algorithm>

namespace PdfTextLayer {

namespace {

// The font's only glyph is half an em wide (its /DW is 500).
constexpr double kGlyphAdvance = 0.5;

void appendHex(std::string& out, QChar c) {
    static const char* hex = "0123456789ABCDEF";
    const ushort u = c.unicode();
    out += hex[(u >> 12) & 15];
    out += hex[(u >> 8) & 15];
    out += hex[(u >> 4) & 15];
    out += hex[u & 15];
}

}  // namespace

std::string operators(const PdfPageText& text, const Placement& placement, const char* font) {
    if (text.words.empty() || text.width <= 0 || text.height <= 0)
        return std::string();
    const double sx = placement.width / text.width;
    const double sy = placement.height / text.height;
    const double top = placement.y0 + placement.height;
    std::string out = "BT 3 Tr\n";
    for (const PdfWord& word : text.words) {
        if (word.text.isEmpty())
            continue;
        const double size = std::max(word.lineHeight * sy, 1.0);
        const int units = word.text.size() + (word.spaceAfter ? 1 : 0);
        double span = ((word.spaceAfter ? word.nextLeft : word.right) - word.left) * sx;
        if (span <= 0)
            span = std::max(word.right - word.left, 1.0) * sx;
        // Stretch the glyphs so that the word covers its box on the page: selecting it then
        // highlights what the picture shows.
        const double stretch = 100.0 * span / (units * kGlyphAdvance * size);
        std::string hex;
        hex.reserve(std::size_t(units) * 4);
        for (QChar c : word.text)
            appendHex(hex, c);
        if (word.spaceAfter)
            appendHex(hex, QLatin1Char(' '));
        out += std::string("/") + font + " " + pdfNumber(size) + " Tf " + pdfNumber(stretch) +
               " Tz 1 0 0 1 " + pdfNumber(placement.x0 + word.left * sx) + " " +
               pdfNumber(top - word.baseline * sy) + " Tm <" + hex + "> Tj\n";
    }
    return out + "ET\n";
}

std::string toUnicodeMap() {
    std::string map =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
        "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    // A range may only vary in its last byte, and a block holds at most 100 ranges.
    static const char* hex = "0123456789ABCDEF";
    for (int block = 0; block < 256; block += 100) {
        const int n = std::min(100, 256 - block);
        map += std::to_string(n) + " beginbfrange\n";
        for (int high = block; high < block + n; ++high) {
            const std::string h = {hex[high >> 4], hex[high & 15]};
            map += "<" + h + "00> <" + h + "FF> <" + h + "00>\n";
        }
        map += "endbfrange\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

std::string cidToGlyphMap() {
    std::string map(65536 * 2, '\0');
    for (std::size_t i = 1; i < map.size(); i += 2)
        map[i] = '\1';
    return map;
}

}  // namespace PdfTextLayer
