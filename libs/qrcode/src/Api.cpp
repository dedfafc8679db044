#include "KELM_QRCode.h"

#include "QrReader.h"

#include <cstring>

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
            const size_t len = std::min(c.latin1.size(), size_t(KELM_QRCODE_ENTRY_SIZE - 1));
            std::memcpy(entry, c.latin1.data(), len);
            entry[len] = 0;
            if (++n >= maxCount)
                break;
        }
        return n;
    } catch (...) {
        return -1;
    }
}
