#include "visioncore/ImageFile.h"

#include <opencv2/imgcodecs.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace visioncore {

namespace {

// A compressed picture is far smaller than its pixels; a file beyond this is not one we read.
constexpr off_t kMaxFileBytes = 512LL * 1024 * 1024;

unsigned be16(const unsigned char* p) {
    return unsigned(p[0]) << 8 | p[1];
}
unsigned le16(const unsigned char* p) {
    return unsigned(p[1]) << 8 | p[0];
}
unsigned long be32(const unsigned char* p) {
    return (unsigned long)be16(p) << 16 | be16(p + 2);
}
unsigned long le32(const unsigned char* p) {
    return (unsigned long)le16(p + 2) << 16 | le16(p);
}

bool jpegSize(const unsigned char* d, std::size_t n, int* w, int* h) {
    std::size_t i = 2;
    while (i + 4 <= n) {
        if (d[i] != 0xFF)
            return false;
        const unsigned char m = d[i + 1];
        if (m == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        if (m == 0x01 || (m >= 0xD0 && m <= 0xD8)) {  // markers without a length
            i += 2;
            continue;
        }
        const std::size_t len = be16(d + i + 2);
        const bool frame = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (frame && i + 9 <= n) {
            *h = int(be16(d + i + 5));
            *w = int(be16(d + i + 7));
            return true;
        }
        if (m == 0xDA || len < 2)
            return false;
        i += 2 + len;
    }
    return false;
}

bool tiffSize(const unsigned char* d, std::size_t n, int* w, int* h) {
    const bool le = d[0] == 'I';
    auto u16 = [&](std::size_t at) { return le ? le16(d + at) : be16(d + at); };
    auto u32 = [&](std::size_t at) { return le ? le32(d + at) : be32(d + at); };
    const unsigned long ifd = u32(4);
    if (ifd + 2 > n)
        return false;
    const unsigned count = u16(ifd);
    long width = -1, height = -1;
    for (unsigned k = 0; k < count && ifd + 2 + 12 * (k + 1) <= n; ++k) {
        const std::size_t e = ifd + 2 + 12 * k;
        const unsigned tag = u16(e), type = u16(e + 2);
        const long value = type == 3 ? long(u16(e + 8)) : long(u32(e + 8));
        if (tag == 256)
            width = value;
        else if (tag == 257)
            height = value;
    }
    if (width < 0 || height < 0)
        return false;
    *w = int(std::min(width, 1L << 30));
    *h = int(std::min(height, 1L << 30));
    return true;
}

bool webpSize(const unsigned char* d, std::size_t n, int* w, int* h) {
    if (n < 30 || std::memcmp(d + 8, "WEBP", 4) != 0)
        return false;
    if (std::memcmp(d + 12, "VP8X", 4) == 0) {
        *w = int((d[24] | d[25] << 8 | d[26] << 16) + 1);
        *h = int((d[27] | d[28] << 8 | d[29] << 16) + 1);
        return true;
    }
    if (std::memcmp(d + 12, "VP8L", 4) == 0 && d[20] == 0x2F) {
        const unsigned long bits = le32(d + 21);
        *w = int((bits & 0x3FFF) + 1);
        *h = int(((bits >> 14) & 0x3FFF) + 1);
        return true;
    }
    if (std::memcmp(d + 12, "VP8 ", 4) == 0 && d[23] == 0x9D && d[24] == 0x01 && d[25] == 0x2A) {
        *w = int(le16(d + 26) & 0x3FFF);
        *h = int(le16(d + 28) & 0x3FFF);
        return true;
    }
    return false;
}

// "P1".."P7": width and height are the first two numbers after the magic, comments skipped.
bool pnmSize(const unsigned char* d, std::size_t n, int* w, int* h) {
    long values[2];
    std::size_t i = 2;
    for (long& v : values) {
        while (i < n && (std::isspace(d[i]) || d[i] == '#')) {
            if (d[i] == '#')
                while (i < n && d[i] != '\n')
                    ++i;
            else
                ++i;
        }
        if (i >= n || !std::isdigit(d[i]))
            return false;
        v = 0;
        while (i < n && std::isdigit(d[i]) && v < (1L << 30))
            v = v * 10 + (d[i++] - '0');
    }
    *w = int(values[0]);
    *h = int(values[1]);
    return true;
}

}  // namespace

bool declaredImageSize(const unsigned char* d, std::size_t n, int* width, int* height) {
    int w = -1, h = -1;
    bool known = false;
    if (n >= 24 && std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) == 0 &&
        std::memcmp(d + 12, "IHDR", 4) == 0) {
        w = int(std::min(be32(d + 16), 1UL << 30));
        h = int(std::min(be32(d + 20), 1UL << 30));
        known = true;
    } else if (n >= 4 && d[0] == 0xFF && d[1] == 0xD8) {
        known = jpegSize(d, n, &w, &h);
    } else if (n >= 26 && d[0] == 'B' && d[1] == 'M') {
        const unsigned long dib = le32(d + 14);
        w = dib == 12 ? int(le16(d + 18)) : std::abs(int(le32(d + 18)));
        h = dib == 12 ? int(le16(d + 20)) : std::abs(int(le32(d + 22)));
        known = true;
    } else if (n >= 10 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0)) {
        w = int(le16(d + 6));
        h = int(le16(d + 8));
        known = true;
    } else if (n >= 8 && (std::memcmp(d, "II*\0", 4) == 0 || std::memcmp(d, "MM\0*", 4) == 0)) {
        known = tiffSize(d, n, &w, &h);
    } else if (n >= 12 && std::memcmp(d, "RIFF", 4) == 0) {
        known = webpSize(d, n, &w, &h);
    } else if (n >= 3 && d[0] == 'P' && d[1] >= '1' && d[1] <= '7') {
        known = pnmSize(d, n, &w, &h);
    }
    if (!known || w < 0 || h < 0)
        return false;
    *width = w;
    *height = h;
    return true;
}

cv::Mat readImageFile(const std::string& path, std::string* error) {
    std::string ignored;
    std::string& why = error ? *error : ignored;
    // O_NONBLOCK: opening a FIFO with no writer would otherwise wait forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = std::string("cannot open: ") + std::strerror(errno);
        return {};
    }
    struct stat st {};
    std::vector<unsigned char> bytes;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "not a regular file";
    } else if (st.st_size > kMaxFileBytes) {
        why = "file too large";
    } else {
        bytes.resize(std::size_t(st.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t r = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                break;
            got += std::size_t(r);
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (bytes.empty()) {
        if (why.empty())
            why = "empty or unreadable file";
        return {};
    }
    int w = 0, h = 0;
    if (!declaredImageSize(bytes.data(), bytes.size(), &w, &h)) {
        why = "not a picture of a known format";
        return {};
    }
    if (w == 0 || h == 0 || (long long)w * h > kMaxImagePixels) {
        why = "picture too large: " + std::to_string(w) + " x " + std::to_string(h) + " pixels";
        return {};
    }
    cv::Mat image;
    try {
        image = cv::imdecode(bytes, cv::IMREAD_COLOR);
    } catch (const cv::Exception&) {
        image.release();
    }
    if (image.empty())
        why = "cannot decode the picture";
    return image;
}

}  // namespace visioncore
