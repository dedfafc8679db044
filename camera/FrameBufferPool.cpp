#include "camera/FrameBufferPool.h"

#include <KELM_CamCtl.h>

#include <cstring>
#include <new>

namespace {

constexpr size_t kBufferBytes = KELM_CAMCTL_FRAME_BUFFER_BYTES;
// Free buffers kept beyond this are given back to the system: a burst of held frames (a series
// of captures still being saved) should not pin their memory for the rest of the run.
constexpr size_t kKeptFree = 2;

}  // namespace

struct FrameBufferPool::Shared {
    mutable std::mutex mutex;
    std::vector<unsigned char*> free;
    int count = 0;

    ~Shared() {
        for (unsigned char* b : free)
            delete[] b;
    }

    unsigned char* acquire() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!free.empty()) {
                unsigned char* b = free.back();
                free.pop_back();
                return b;
            }
        }
        // Pages of a fresh buffer become resident only as the library writes them.
        auto* b = new (std::nothrow) unsigned char[kBufferBytes];
        if (b) {
            std::lock_guard<std::mutex> lock(mutex);
            ++count;
        }
        return b;
    }

    void release(unsigned char* b) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (free.size() < kKeptFree) {
                free.push_back(b);
                return;
            }
            --count;
        }
        delete[] b;
    }

    // What a frame image carries to give its buffer back when its last copy goes, on whatever
    // thread that happens. It keeps the pool alive past the owner of the pool.
    struct Lease {
        std::shared_ptr<Shared> pool;
        unsigned char* buffer;
    };
    static void giveBack(void* info) {
        Lease* lease = static_cast<Lease*>(info);
        lease->pool->release(lease->buffer);
        delete lease;
    }
};

FrameBufferPool::FrameBufferPool() : m_shared(std::make_shared<Shared>()) {}

FrameBufferPool::~FrameBufferPool() = default;

int FrameBufferPool::bufferCount() const {
    std::lock_guard<std::mutex> lock(m_shared->mutex);
    return m_shared->count;
}

int FrameBufferPool::fetch(QueryFn* query, QImage& image, int& width, int& height, int& length) {
    width = height = length = 0;
    unsigned char* buffer = m_shared->acquire();
    if (!buffer)
        return KELM_CAMCTL_E_IO;
    const int r = query(buffer, &width, &height, &length);
    // A library that reports more than fits the buffer, or a length that does not match the
    // size, is not trusted: reading past the delivered rows would show garbage or crash.
    const qint64 bytes = qint64(width) * height * 3;
    if (r <= 0 || width <= 0 || height <= 0 || length <= 0 || bytes > qint64(kBufferBytes) ||
        bytes != length) {
        m_shared->release(buffer);
        return r;
    }
    const int rowBytes = width * 3;
    if (rowBytes % 4 == 0) {
        // Packed rows are already QImage's 4-byte aligned rows: the image is the buffer itself.
        auto* lease = new Shared::Lease{m_shared, buffer};
        image = QImage(buffer, width, height, rowBytes, QImage::Format_RGB888, &Shared::giveBack,
                       lease);
        return r;
    }
    image = QImage(width, height, QImage::Format_RGB888);
    if (!image.isNull())
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), buffer + qint64(y) * rowBytes, size_t(rowBytes));
    m_shared->release(buffer);
    return r;
}
