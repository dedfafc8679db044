#pragma once

#include <QImage>

#include <memory>
#include <mutex>
#include <vector>

// Frame buffers for the camera library's frame query, handed out as images that share them.
// A frame image stays valid, unchanged, for as long as anybody holds it (the preview, a capture,
// a face comparison on another thread): its buffer returns to the pool only when the last copy
// of the image is gone, and only a returned buffer is written again. Buffers are reused, so the
// preview allocates nothing per frame once the pool has as many as are held at a time.
//
// Any thread may hold and drop the images; fetch() is for one thread at a time.
class FrameBufferPool {
public:
    // The library's frame query: buffer, width, height, length.
    using QueryFn = int(unsigned char*, int*, int*, int*);

    FrameBufferPool();
    ~FrameBufferPool();
    FrameBufferPool(const FrameBufferPool&) = delete;
    FrameBufferPool& operator=(const FrameBufferPool&) = delete;

    // Asks the library for a frame. Returns the library's result; the image is set only for a
    // frame that fits the buffer and whose length matches its size (RGB888, top row first).
    // width, height and length are the library's outputs.
    int fetch(QueryFn* query, QImage& image, int& width, int& height, int& length);

    // Buffers in existence, held or free: more than a handful means images are being hoarded.
    int bufferCount() const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};
