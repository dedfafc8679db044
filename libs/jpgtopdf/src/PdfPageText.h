#pragma once

#include <QString>
#include <vector>

// Words recognised on a page, to be laid over its picture as invisible, selectable text. Boxes are
// in the pixels of a picture of width x height showing the page upright; the writer scales them
// onto the picture as it is placed, so the text may come from a reduced copy of the page.
struct PdfWord {
    QString text;
    double left = 0, top = 0, right = 0, bottom = 0;
    double baseline = 0;     // y of the line's baseline under this word
    double lineHeight = 0;   // from the baseline to the top of the line's tallest letters
    bool spaceAfter = true;  // a space follows the word on the same line
    double nextLeft = 0;     // where the next word on the line starts (when spaceAfter)
};

struct PdfPageText {
    int width = 0;
    int height = 0;
    std::vector<PdfWord> words;
};

// How a page is laid out: its size, an extra turn of the picture, and an optional text layer.
struct PdfPageLayout {
    // Clockwise quarter turns applied after the file's own (EXIF) orientation.
    int quarterTurns = 0;
    // Page size in points; 0 takes the size the writer was made with.
    double width = 0;
    double height = 0;
    const PdfPageText* text = nullptr;
};
