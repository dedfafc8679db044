#pragma once

#include <cstdint>
#include <string>

// What a JPEG file says about itself before its entropy-coded data: enough to embed the file
// unchanged in a PDF or a Word package without decoding a single pixel.
struct JpegHeader {
    int width = 0;
    int height = 0;
    int components = 0;  // 1 grey, 3 YCbCr/RGB, 4 CMYK/YCCK
    int precision = 0;   // bits per sample; PDF readers only take 8
    bool progressive = false;
    bool adobeMarker = false;  // APP14 "Adobe": CMYK data is then stored inverted
    int orientation = 1;       // EXIF orientation 1..8, 1 when absent or invalid

    // Parses the markers of the file at path up to the first frame header. Fails (with a short
    // reason in *error) on anything a PDF reader could not show: no SOI, no frame before the scan,
    // a frame height given later by DNL, other than 8-bit samples or 1/3/4 components, or no end
    // marker near the end of the file (a copy cut short by a full disk).
    static bool read(const char* path, JpegHeader* out, std::string* error);

    // True when the first bytes look like a JPEG stream.
    static bool hasJpegSignature(const unsigned char* head, std::size_t size);

    // Width and height as a viewer shows the picture, after the EXIF orientation.
    int displayWidth() const { return orientation >= 5 ? height : width; }
    int displayHeight() const { return orientation >= 5 ? width : height; }
};
