#pragma once

#include "Code.h"

#include <vector>

namespace qrcode {

// The second, independent decoder (its own finder search, sampling and error correction), for
// the pictures ZXing cannot read. It hands back the code's raw bytes; only texts that are valid
// UTF-8 are taken, because its guess of other character sets (Shift JIS, an ECI) can differ from
// the text the code holds, and a wrong text is worse than none.
class ZbarReader {
public:
    static std::vector<Code> read(const View& view, int maxCount);
};

}  // namespace qrcode
