#include "FrameDecoder.h"

#include <libyuv/convert_argb.h>
#include <libyuv/convert_from_argb.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cstring>

namespace camctl {

namespace {
// YUY2 goes through ARGB (libyuv has no direct YUY2-to-RGB); converting a band of rows at a time
// keeps the intermediate buffer small instead of a second full-size picture.
constexpr int kBandRows = 32;

// Some cameras pad a frame after its end marker; more than this is not padding.
constexpr size_t kEndSearchBytes = 64 * 1024;

// libjpeg's warnings when the data ran out before the last row: the decoder filled the rest
// with grey. Other warnings (stray bytes before a marker, say) leave the picture whole.
bool endedEarly(const char* warning) {
    return warning &&
           (std::strstr(warning, "Premature end") || std::strstr(warning, "premature end"));
}
}  // namespace

bool FrameDecoder::complete(const RawFrame& frame) {
    if (!frame.data)
        return false;
    if (frame.format == KELM_CAMCTL_FORMAT_YUY2)
        return frame.size >= size_t(frame.width) * size_t(frame.height) * 2;
    const size_t from = frame.size > kEndSearchBytes ? frame.size - kEndSearchBytes : 0;
    for (size_t i = frame.size; i >= from + 2; --i)
        if (frame.data[i - 2] == 0xFF && frame.data[i - 1] == 0xD9)
            return true;
    return false;
}

FrameDecoder::FrameDecoder() : jpeg_(tjInitDecompress()) {}

FrameDecoder::~FrameDecoder() {
    if (jpeg_)
        tjDestroy(static_cast<tjhandle>(jpeg_));
}

int FrameDecoder::measure(const RawFrame& frame, int& width, int& height) {
    if (!frame.data || frame.size == 0)
        return KELM_CAMCTL_E_ARGUMENT;
    if (frame.format == KELM_CAMCTL_FORMAT_YUY2) {
        width = frame.width;
        height = frame.height;
        if (width <= 0 || height <= 0 || (width & 1))
            return KELM_CAMCTL_E_FORMAT;
        if (frame.size < size_t(width) * size_t(height) * 2)
            return KELM_CAMCTL_E_FORMAT;
        return KELM_CAMCTL_OK;
    }
    if (!jpeg_)
        return KELM_CAMCTL_E_IO;
    int subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(static_cast<tjhandle>(jpeg_), frame.data,
                            static_cast<unsigned long>(frame.size), &width, &height, &subsamp,
                            &colorspace) != 0)
        return KELM_CAMCTL_E_FORMAT;
    if (width <= 0 || height <= 0)
        return KELM_CAMCTL_E_FORMAT;
    return KELM_CAMCTL_OK;
}

int FrameDecoder::decode(const RawFrame& frame, int width, int height, uint8_t* rgb,
                         bool accurate) {
    if (frame.format == KELM_CAMCTL_FORMAT_YUY2) {
        const int srcStride = width * 2;
        argbRows_.resize(size_t(width) * 4 * kBandRows);
        for (int y = 0; y < height; y += kBandRows) {
            const int rows = std::min(kBandRows, height - y);
            if (libyuv::YUY2ToARGB(frame.data + size_t(y) * srcStride, srcStride, argbRows_.data(),
                                   width * 4, width, rows) != 0)
                return KELM_CAMCTL_E_FORMAT;
            // libyuv "RAW" is red, green, blue in memory.
            if (libyuv::ARGBToRAW(argbRows_.data(), width * 4, rgb + size_t(y) * width * 3,
                                  width * 3, width, rows) != 0)
                return KELM_CAMCTL_E_FORMAT;
        }
        return KELM_CAMCTL_OK;
    }
    if (!jpeg_)
        return KELM_CAMCTL_E_IO;
    // The fast paths (integer inverse DCT, chroma samples repeated instead of interpolated) cost
    // a level or two here and there and a soft colour edge, invisible in a moving, scaled-down
    // preview, and save a good part of the decoding time that each preview frame costs.
    const int flags = accurate ? 0 : TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE;
    const int r = tjDecompress2(static_cast<tjhandle>(jpeg_), frame.data,
                                static_cast<unsigned long>(frame.size), rgb, width, width * 3,
                                height, TJPF_RGB, flags);
    if (r != 0 && tjGetErrorCode(static_cast<tjhandle>(jpeg_)) != TJERR_WARNING)
        return KELM_CAMCTL_E_FORMAT;
    // A frame cut short decodes "with a warning" into a grey lower part; shown or, worse, saved
    // as the user's document it is plainly wrong. Harmless warnings keep the frame.
    if (r != 0 && endedEarly(tjGetErrorStr2(static_cast<tjhandle>(jpeg_))))
        return KELM_CAMCTL_E_FORMAT;
    return KELM_CAMCTL_OK;
}

}  // namespace camctl
