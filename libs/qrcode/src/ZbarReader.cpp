#include "ZbarReader.h"

#include "TextCheck.h"

#include <zbar.h>

#include <algorithm>
#include <cmath>

namespace qrcode {

std::vector<Code> ZbarReader::read(const View& view, int maxCount) {
    using namespace zbar;  // its C interface, which reports failures by result instead of throwing
    std::vector<Code> codes;
    zbar_image_scanner_t* scanner = zbar_image_scanner_create();
    zbar_image_t* image = zbar_image_create();
    if (!scanner || !image) {
        if (image)
            zbar_image_destroy(image);
        if (scanner)
            zbar_image_scanner_destroy(scanner);
        return codes;
    }
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);
    const cv::Mat grey = view.grey.isContinuous() ? view.grey : view.grey.clone();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, unsigned(grey.cols), unsigned(grey.rows));
    zbar_image_set_data(image, grey.data, size_t(grey.cols) * size_t(grey.rows), nullptr);
    if (zbar_scan_image(scanner, image) > 0) {
        for (const zbar_symbol_t* s = zbar_image_first_symbol(image); s; s = zbar_symbol_next(s)) {
            if (zbar_symbol_get_type(s) != ZBAR_QRCODE || int(codes.size()) >= maxCount)
                continue;
            const std::string text(zbar_symbol_get_data(s), zbar_symbol_get_data_length(s));
            const unsigned n = zbar_symbol_get_loc_size(s);
            if (!TextCheck::isUtf8(text) || n == 0)
                continue;
            cv::Point2f c(0, 0);
            float minX = 1e9f, maxX = -1e9f;
            for (unsigned i = 0; i < n; ++i) {
                const cv::Point2f p(float(zbar_symbol_get_loc_x(s, i)),
                                    float(zbar_symbol_get_loc_y(s, i)));
                c += p * (1.0f / float(n));
                minX = std::min(minX, p.x);
                maxX = std::max(maxX, p.x);
            }
            codes.push_back({text, view.sourcePoint(c), maxX - minX});
        }
    }
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return codes;
}

}  // namespace qrcode
