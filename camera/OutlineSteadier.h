#pragma once

// Keeps the live page outline still while the page lies still. Detection on consecutive frames
// of a still page differs by a pixel or two (sensor noise, compression); drawn as it comes, the
// outline would shimmer. The outline drawn stays where it is while every new corner lies within a
// small dead band around it, and takes the new corners at once when any one leaves the band, so
// that a moved page is followed on the next detection.
class OutlineSteadier {
public:
    // corners: the four corners as x, y pairs in the pixels of a frame of width x height, in the
    // same order every time. Rewritten with the corners to draw.
    void steady(int* corners, int width, int height);
    // Forgets the outline drawn (preview closed, another mode): the next one is taken as it is.
    void reset() { m_held = false; }

    // The band in pixels for a frame of width x height: a fixed share of its diagonal, so that
    // it looks the same on the preview whatever the resolution.
    static double deadBand(int width, int height);

private:
    bool m_held = false;
    int m_width = 0, m_height = 0;
    int m_corners[8] = {};
};
