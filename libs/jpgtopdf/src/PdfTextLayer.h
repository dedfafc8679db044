#pragma once

#include "PdfPageText.h"

#include <string>

// The pieces of an invisible text layer: every word is drawn in text render mode 3 (neither
// filled nor stroked) with a font of one empty glyph whose character codes are the UTF-16 units
// of the text, so any script can be searched, selected and copied while only the picture shows.
namespace PdfTextLayer {

// Where the upright picture lies on the page, in points.
struct Placement {
    double x0 = 0, y0 = 0;  // bottom-left corner
    double width = 0, height = 0;
};

// Content-stream operators for the words, using the font resource named `font`. Empty when the
// page has no words.
std::string operators(const PdfPageText& text, const Placement& placement, const char* font);

// The ToUnicode map: every code stands for the UTF-16 unit of the same value.
std::string toUnicodeMap();

// The CID-to-glyph map: all 65536 codes draw glyph 1, the font's only glyph.
std::string cidToGlyphMap();

}  // namespace PdfTextLayer
