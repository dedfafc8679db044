#pragma once

#include "Code.h"

#include <ZXing/DecodeHints.h>

#include <vector>

namespace qrcode {

// The main decoder: ZXing's QR reader on one view, with the binariser asked for, texts as UTF-8
// (ZXing applies the code's ECI or its best guess of the character set).
class ZxingReader {
public:
    static std::vector<Code> read(const View& view, int maxCount,
                                  ZXing::Binarizer binarizer = ZXing::Binarizer::LocalAverage);
};

}  // namespace qrcode
