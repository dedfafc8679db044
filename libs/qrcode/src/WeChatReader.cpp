#include "WeChatReader.h"

#include "TextCheck.h"

#include <opencv2/wechat_qrcode.hpp>

#include <cmath>

namespace qrcode {

std::vector<Code> WeChatReader::read(const View& view, int maxCount) {
    cv::wechat_qrcode::WeChatQRCode reader;
    std::vector<cv::Mat> corners;
    const std::vector<std::string> texts = reader.detectAndDecode(view.grey, corners);
    std::vector<Code> codes;
    for (size_t i = 0; i < texts.size() && int(codes.size()) < maxCount; ++i) {
        if (texts[i].empty() || !TextCheck::isAscii(texts[i]) || i >= corners.size() ||
            corners[i].rows < 4 || corners[i].type() != CV_32FC1)
            continue;
        cv::Point2f c(0, 0);
        for (int k = 0; k < 4; ++k)
            c += cv::Point2f(corners[i].at<float>(k, 0), corners[i].at<float>(k, 1)) * 0.25f;
        const cv::Point2f a(corners[i].at<float>(0, 0), corners[i].at<float>(0, 1));
        const cv::Point2f b(corners[i].at<float>(1, 0), corners[i].at<float>(1, 1));
        codes.push_back({texts[i], view.sourcePoint(c), float(cv::norm(b - a))});
    }
    return codes;
}

}  // namespace qrcode
