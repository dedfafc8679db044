#pragma once

// Which way up the text of a page stands, and the page turned so that it reads upright.
//
//   const textread::Orientation o = textread::detectOrientation(page);
//   if (o.enoughText)
//       page = textread::turned(page, o.turn);
//
// Detection reads a reduced, binarised grey copy of the densest text of the page, so it costs a
// fraction of a second whatever the page's size: the direction of its lines, Tesseract's
// orientation detection on their letters, where their ink sits about the lines' core and which
// side their starts line up on. It may be called from
// any thread and from several at once (each thread keeps its own engine, made on its first call);
// it never touches widgets. The orientation data is looked up in $TESSDATA_PREFIX, else in the
// system's Tesseract data folder. Without it, or without enough text on the page, the answer is
// "not enough text" and the page should be left as it is.

#include <QImage>

namespace textread {

struct Orientation {
    // Clockwise turn in degrees (0, 90, 180 or 270) that makes the text upright. 0 whenever
    // enoughText is false.
    int turn = 0;
    // Strength of the evidence for the chosen turn over the opposite one: 1 is the least that
    // turns a page, ordinary text pages reach 3 and more; 0 when nothing was detected.
    float confidence = 0.0f;
    // The page had enough clear text to tell its orientation.
    bool enoughText = false;
};

// Any image format; null and tiny images have no text.
Orientation detectOrientation(const QImage& page);

// The folder of Tesseract's *.traineddata files: $TESSDATA_PREFIX (the folder itself or its
// parent, both are in use), else the system's. Every reader of text looks its data up here.
QString dataFolder();

// page turned clockwise by turn degrees (a multiple of 90; other values leave it as it is).
QImage turned(const QImage& page, int turn);

}  // namespace textread
