#pragma once

#include "Code.h"

namespace qrcode {

// Altered copies of a view for the decoders, each keeping the way back to the source pixels.
class Variants {
public:
    // Scaled by factor (area averaging down, cubic up).
    static View scaled(const View& v, double factor);
    // A white border of a tenth of the long side: the quiet zone a code needs to be found when
    // the picture was cut right at its edge.
    static View withQuietZone(const View& v);
    // Dark and light swapped, for light codes on dark ground.
    static View inverted(const View& v);
    // Gaussian smoothing that melts halftone dots, textures and sensor noise inside the modules.
    static View smoothed(const View& v, double sigma);
    // Black and white by the mean of a window an eighth of the long side wide, for low contrast
    // and uneven light.
    static View locallyThresholded(const View& v);
};

}  // namespace qrcode
