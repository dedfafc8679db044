#include "camera/OutlineSteadier.h"

#include <algorithm>
#include <cmath>

double OutlineSteadier::deadBand(int width, int height) {
    // About 4 px on an 8 MP frame, a little over one pixel of a preview that fits the screen:
    // above the noise of a good detection, below what a user notices as lag.
    return std::max(2.0, 0.001 * std::hypot(width, height));
}

void OutlineSteadier::steady(int* corners, int width, int height) {
    if (m_held && width == m_width && height == m_height) {
        const double band = deadBand(width, height);
        bool inside = true;
        for (int i = 0; i < 4 && inside; ++i)
            inside = std::hypot(corners[2 * i] - m_corners[2 * i],
                                corners[2 * i + 1] - m_corners[2 * i + 1]) <= band;
        if (inside) {
            std::copy(m_corners, m_corners + 8, corners);
            return;
        }
    }
    m_held = true;
    m_width = width;
    m_height = height;
    std::copy(corners, corners + 8, m_corners);
}
