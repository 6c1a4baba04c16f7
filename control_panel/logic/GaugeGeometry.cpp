#include "GaugeGeometry.h"

#include <algorithm>
#include <cmath>

GaugePoint BubblePosition(int W, int w, int h, float factorX, float factorY) {
    const float reach = static_cast<float>(W - 40) * 0.5f;
    const int limit = static_cast<int>(reach);
    const int hx = std::clamp(static_cast<int>(reach * factorX), -limit, limit);
    const int hy = std::clamp(static_cast<int>(reach * factorY), -limit, limit);
    return {W / 2 - w / 2 - hx, W / 2 - h / 2 - hy};
}

namespace {

// Offset of a knob of the given length from the tube's middle, for the angle.
int KnobShift(int tube, int knob, float angle) {
    const double travel = static_cast<double>(static_cast<float>(tube - 60) * angle) / 180;
    return tube / 2 - static_cast<int>(std::trunc(knob / 2 - travel));
}

} // namespace

GaugePoint HorizontalKnobPosition(int W, int H, int w, int h, float angle) {
    return {KnobShift(W, w, angle), (H - h) / 2};
}

GaugePoint VerticalKnobPosition(int W, int H, int w, int h, float angle) {
    return {(W - w) / 2, KnobShift(H, h, angle)};
}

void BlendBits(PixelBits background, const PixelBits& foreground, int x, int y, float alpha) {
    const int bpp = background.bytesPerPixel;
    const int rowEnd = std::min(y + foreground.height, background.height);
    for (int r = std::max(y, 0); r < rowEnd; ++r) {
        for (int c = 0; c < foreground.width; ++c) {
            if (x + c < 0 || x + c >= background.width)
                continue;
            uint8_t* back =
                background.bits + static_cast<std::ptrdiff_t>(r) * background.stride + (x + c) * bpp;
            const uint8_t* fore =
                foreground.bits + static_cast<std::ptrdiff_t>(r - y) * foreground.stride + c * bpp;
            for (int b = 0; b < 3; ++b) {
                if (fore[b] == 0)
                    continue;
                double v = (1.0 - alpha) * back[b] + static_cast<double>(fore[b] * alpha);
                back[b] = static_cast<uint8_t>(std::clamp(static_cast<int>(v), 0, 255));
            }
        }
    }
}
