#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// A caller's buffer with canary bytes on both sides: a library that writes past what it was
// given changes them. The inside starts zeroed, so untouched() also catches a refusal that wrote.
class GuardedBuffer {
public:
    explicit GuardedBuffer(size_t size) : m_bytes(size + 2 * kGuard, kCanary) {
        std::fill_n(data(), size, 0);
    }
    unsigned char* data() { return m_bytes.data() + kGuard; }
    bool intact() const {
        return all(0, kGuard, kCanary) && all(m_bytes.size() - kGuard, kGuard, kCanary);
    }
    bool untouched() const { return intact() && all(kGuard, m_bytes.size() - 2 * kGuard, 0); }

private:
    static constexpr size_t kGuard = 64;
    static constexpr unsigned char kCanary = 0xA5;
    bool all(size_t from, size_t count, unsigned char value) const {
        return size_t(std::count(m_bytes.begin() + from, m_bytes.begin() + from + count, value)) ==
               count;
    }
    std::vector<unsigned char> m_bytes;
};
