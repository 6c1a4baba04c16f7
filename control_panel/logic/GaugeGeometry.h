#pragma once
// Where the accelerometer gauge puts its bubble and knobs, and how it blends them into
// their backgrounds: plain arithmetic on sizes and on the bitmaps' bytes.

#include <cstdint>

struct GaugePoint {
    int x, y;
};

// Bubble in a circular level of width W (its centre on both axes), the bubble w x h.
GaugePoint BubblePosition(int W, int w, int h, float factorX, float factorY);
// Knob of w x h in the horizontal tube W x H, for the angle in degrees.
GaugePoint HorizontalKnobPosition(int W, int H, int w, int h, float angle);
// Knob of w x h in the vertical tube W x H, for the angle in degrees.
GaugePoint VerticalKnobPosition(int W, int H, int w, int h, float angle);

// Pixels as they lie in memory: top row first, each row stride bytes long.
struct PixelBits {
    uint8_t* bits;
    int width, height, stride, bytesPerPixel;
};

// Blends the foreground into the background with its top-left corner at (x, y): each of
// a pixel's three colour bytes becomes (1 - alpha) x background + alpha x foreground,
// except where the foreground byte is 0 (black surroundings stay transparent). A fourth
// byte is left alone. Whatever falls outside the background is left out.
void BlendBits(PixelBits background, const PixelBits& foreground, int x, int y, float alpha);
