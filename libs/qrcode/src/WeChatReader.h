#pragma once

#include "Code.h"

#include <vector>

namespace qrcode {

// A third decoder, OpenCV's port of the WeChat reader (without its neural detector, whose model
// files are not shipped): its own binarisers and sampling read some blurred and bent codes that
// the others miss. It converts texts by its own guess of the character set, so only plain ASCII
// texts, which every guess spells alike, are taken from it.
class WeChatReader {
public:
    static std::vector<Code> read(const View& view, int maxCount);
};

}  // namespace qrcode
