#include "ZxingReader.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cmath>

namespace qrcode {

std::vector<Code> ZxingReader::read(const View& view, int maxCount, ZXing::Binarizer binarizer) {
    ZXing::DecodeHints hints;
    hints.setBinarizer(binarizer);
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    // Rotation only matters to linear codes, and the caller chooses the scales itself.
    hints.setTryRotate(false);
    hints.setTryDownscale(false);
    hints.setMaxNumberOfSymbols(uint8_t(std::clamp(maxCount, 1, 255)));
    const cv::Mat& grey = view.grey;
    const ZXing::ImageView image(grey.data, grey.cols, grey.rows, ZXing::ImageFormat::Lum,
                                 int(grey.step));
    std::vector<Code> codes;
    for (const auto& r : ZXing::ReadBarcodes(image, hints)) {
        if (!r.isValid())
            continue;
        const auto& p = r.position();
        cv::Point2f c(0, 0);
        for (int i = 0; i < 4; ++i)
            c += cv::Point2f(float(p[i].x), float(p[i].y)) * 0.25f;
        const double side = std::hypot(p[1].x - p[0].x, p[1].y - p[0].y);
        codes.push_back({r.text(), view.sourcePoint(c), float(side)});
    }
    return codes;
}

}  // namespace qrcode
