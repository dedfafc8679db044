#pragma once

#include <string>

namespace qrcode {

// Checks on texts from the second decoders, which cannot be trusted to spell every character set.
class TextCheck {
public:
    // Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates.
    static bool isUtf8(const std::string& text);
    static bool isAscii(const std::string& text);
};

}  // namespace qrcode
