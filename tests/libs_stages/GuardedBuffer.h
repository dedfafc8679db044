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
        return std::all_of(m_bytes.begin(), m_bytes.begin() + kGuard, isCanary) &&
               std::all_of(m_bytes.end() - kGuard, m_bytes.end(), isCanary);
    }
    bool untouched() const {
        return intact() && std::all_of(m_bytes.begin() + kGuard, m_bytes.end() - kGuard,
                                       [](unsigned char c) { return c == 0; });
    }

private:
    static constexpr size_t kGuard = 64;
    static constexpr unsigned char kCanary = 0xA5;
    static bool isCanary(unsigned char c) { return c == kCanary; }
    std::vector<unsigned char> m_bytes;
};
