#pragma once

#include <opencv2/core.hpp>

#include <cstddef>
#include <string>

namespace visioncore {

// Pictures read from files a caller names. A decoder trusts the size a header declares, so a
// small file claiming 20,000 x 20,000 pixels would make it allocate gigabytes; and opening a FIFO
// or a device would block or never end. Both are refused before any pixel is decoded.
constexpr long long kMaxImagePixels = 100LL * 1000 * 1000;

// The size a PNG, JPEG, BMP, GIF, TIFF, WebP or PNM header declares. False when the data is
// none of those or its header is cut short.
bool declaredImageSize(const unsigned char* data, std::size_t size, int* width, int* height);

// Reads a regular file of one of the formats above, no larger than kMaxImagePixels, as 8-bit
// BGR (cv::imread's layout, EXIF orientation applied). An empty Mat on any refusal or failure,
// with the reason in *error when given.
cv::Mat readImageFile(const std::string& path, std::string* error = nullptr);

}  // namespace visioncore
