#include "KELM_QRCode.h"

#include "QrReader.h"

#include <algorithm>
#include <cstring>

namespace {

// The longest prefix of utf8 that fits in `room` bytes without splitting a character, so that a
// cut entry is still valid UTF-8.
size_t cutOnCharacter(const std::string& utf8, size_t room) {
    size_t len = std::min(utf8.size(), room);
    while (len > 0 && len < utf8.size() && (static_cast<unsigned char>(utf8[len]) & 0xC0) == 0x80)
        --len;
    return len;
}

}  // namespace

extern "C" int KELM_QRCode_Decoding(SImage* src, char* results, int maxCount) {
    try {
        if (!src || !src->data || !results || maxCount <= 0 || maxCount > 4096)
            return -1;
        if (src->width <= 0 || src->height <= 0 || src->width > 40000 || src->height > 40000 ||
            (long long)src->width * src->height > 400LL * 1000 * 1000)
            return -1;
        std::memset(results, 0, size_t(maxCount) * KELM_QRCODE_ENTRY_SIZE);
        const cv::Mat rgb(src->height, src->width, CV_8UC3, src->data);
        const auto codes = qrcode::QrReader::read(rgb, maxCount);
        int n = 0;
        for (const auto& c : codes) {
            char* entry = results + size_t(n) * KELM_QRCODE_ENTRY_SIZE;
            const size_t len = cutOnCharacter(c.text, KELM_QRCODE_ENTRY_SIZE - 1);
            std::memcpy(entry, c.text.data(), len);
            entry[len] = 0;
            if (++n >= maxCount)
                break;
        }
        return n;
    } catch (...) {
        return -1;
    }
}
