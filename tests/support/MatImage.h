#pragma once

#include <QImage>

#include <opencv2/core.hpp>

// A copy of an 8-bit RGB matrix as a QImage.
inline QImage toQImage(const cv::Mat& rgb) {
    return QImage(rgb.data, rgb.cols, rgb.rows, int(rgb.step), QImage::Format_RGB888).copy();
}
