#include "JpegHeader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

bool readExact(FILE* f, unsigned char* buf, std::size_t n) {
    return std::fread(buf, 1, n, f) == n;
}

unsigned read16(const unsigned char* p, bool bigEndian) {
    return bigEndian ? (unsigned(p[0]) << 8 | p[1]) : (unsigned(p[1]) << 8 | p[0]);
}

uint32_t read32(const unsigned char* p, bool bigEndian) {
    return bigEndian ? (uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3])
                     : (uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
}

// Orientation tag of IFD0 in an APP1 "Exif" payload. Every offset comes from the file, so each one
// is checked against the payload before it is followed.
int exifOrientation(const unsigned char* data, std::size_t size) {
    if (size < 14 || std::memcmp(data, "Exif\0\0", 6) != 0)
        return 1;
    const unsigned char* tiff = data + 6;
    const std::size_t tiffSize = size - 6;
    bool big;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        big = false;
    else if (tiff[0] == 'M' && tiff[1] == 'M')
        big = true;
    else
        return 1;
    if (read16(tiff + 2, big) != 42)
        return 1;
    const uint32_t ifd = read32(tiff + 4, big);
    if (ifd < 8 || uint64_t(ifd) + 2 > tiffSize)
        return 1;
    const unsigned count = read16(tiff + ifd, big);
    for (unsigned i = 0; i < count; ++i) {
        const uint64_t entry = uint64_t(ifd) + 2 + uint64_t(i) * 12;
        if (entry + 12 > tiffSize)
            break;
        const unsigned char* e = tiff + entry;
        if (read16(e, big) != 0x0112)
            continue;
        // SHORT, one value, stored left-justified in the value field.
        if (read16(e + 2, big) != 3 || read32(e + 4, big) != 1)
            return 1;
        const unsigned v = read16(e + 8, big);
        return (v >= 1 && v <= 8) ? int(v) : 1;
    }
    return 1;
}

bool isFrameMarker(int m) {
    // SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

}  // namespace

bool JpegHeader::hasJpegSignature(const unsigned char* head, std::size_t size) {
    return size >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
}

bool JpegHeader::read(const char* path, JpegHeader* out, std::string* error) {
    auto fail = [error](const char* why) {
        if (error)
            *error = why;
        return false;
    };
    FilePtr f(std::fopen(path, "rb"));
    if (!f)
        return fail("cannot open file");
    unsigned char soi[2];
    if (!readExact(f.get(), soi, 2) || soi[0] != 0xFF || soi[1] != 0xD8)
        return fail("not a JPEG file");

    JpegHeader h;
    bool haveFrame = false;
    while (!haveFrame) {
        int c = std::fgetc(f.get());
        if (c != 0xFF)
            return fail("broken marker structure");
        int marker;
        do {  // any number of fill bytes may precede a marker
            marker = std::fgetc(f.get());
        } while (marker == 0xFF);
        if (marker == EOF)
            return fail("file ends before the frame header");
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a length field
        if (marker == 0xD9 || marker == 0xDA)
            return fail("no frame header before the image data");
        unsigned char lenBytes[2];
        if (!readExact(f.get(), lenBytes, 2))
            return fail("file ends inside a marker");
        const unsigned length = read16(lenBytes, true);
        if (length < 2)
            return fail("bad marker length");
        const std::size_t payloadSize = length - 2;

        if (isFrameMarker(marker)) {
            unsigned char sof[6];
            if (payloadSize < 6 || !readExact(f.get(), sof, 6))
                return fail("short frame header");
            h.precision = sof[0];
            h.height = int(read16(sof + 1, true));
            h.width = int(read16(sof + 3, true));
            h.components = sof[5];
            h.progressive = (marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE);
            haveFrame = true;
        } else if (marker == 0xE1 || marker == 0xEE) {
            std::vector<unsigned char> payload(payloadSize);
            if (payloadSize && !readExact(f.get(), payload.data(), payloadSize))
                return fail("file ends inside a marker");
            if (marker == 0xE1 && h.orientation == 1)
                h.orientation = exifOrientation(payload.data(), payload.size());
            else if (marker == 0xEE && payloadSize >= 12 &&
                     std::memcmp(payload.data(), "Adobe", 5) == 0)
                h.adobeMarker = true;
        } else if (std::fseek(f.get(), long(payloadSize), SEEK_CUR) != 0) {
            return fail("cannot skip marker");
        }
    }
    if (h.precision != 8)
        return fail("only 8-bit JPEG samples can be embedded");
    if (h.width <= 0 || h.height <= 0)
        return fail("image size missing from the frame header");
    if (h.components != 1 && h.components != 3 && h.components != 4)
        return fail("unsupported number of colour components");

    // A file cut short (interrupted copy, full disk) has lost its end marker. Camera files may
    // carry trailing data after it, so look for the marker in the last stretch of the file only.
    if (std::fseek(f.get(), 0, SEEK_END) != 0)
        return fail("cannot seek");
    const long size = std::ftell(f.get());
    const long tail = size < 65536 ? size : 65536;
    std::vector<unsigned char> end(std::size_t(tail > 0 ? tail : 0));
    if (tail <= 0 || std::fseek(f.get(), size - tail, SEEK_SET) != 0 ||
        !readExact(f.get(), end.data(), end.size()))
        return fail("cannot read the end of the file");
    bool haveEnd = false;
    for (std::size_t i = end.size(); i-- > 1;) {
        if (end[i - 1] == 0xFF && end[i] == 0xD9) {
            haveEnd = true;
            break;
        }
    }
    if (!haveEnd)
        return fail("file is truncated (no end-of-image marker)");
    *out = h;
    return true;
}
