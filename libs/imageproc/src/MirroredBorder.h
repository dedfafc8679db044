#pragma once

namespace imageproc {

// The neighbour index i of a row or column of n pixels under OpenCV's default border: mirrored
// about the edge pixel, which is not repeated. Our own filters use it to give OpenCV's values at
// the border exactly.
inline int mirrored(int i, int n) {
    if (n == 1)
        return 0;
    return i < 0 ? 1 : i >= n ? n - 2 : i;
}

}  // namespace imageproc
