#include "GSensorReadings.h"

#include "platform/Text.h"

#include <cmath>

namespace {

// The angles have always been computed with this value of pi.
constexpr double PI = 3.14159;

} // namespace

GSensorView ViewOfReading(bool valid, int16_t x, int16_t y, int16_t z) {
    GSensorView view;
    if (!valid)
        return view;
    const double xMg = x * MG_PER_COUNT;
    const double yMg = y * MG_PER_COUNT;
    const double zMg = z * MG_PER_COUNT;
    view.xText = platform::Format("X=%.1fmg", xMg);
    view.yText = platform::Format("Y=%.1fmg", yMg);
    view.zText = platform::Format("Z=%.1fmg", zMg);
    double angle1 = 0;
    double angle2 = 0;
    if (z != 0) {
        angle1 = std::atan(static_cast<double>(x) / z) * 180 / PI;
        angle2 = std::atan(static_cast<double>(y) / z) * -180 / PI;
    }
    view.angle1Text = platform::Format("%.1f", angle1);
    view.angle2Text = platform::Format("%.1f", angle2);
    view.angle1 = static_cast<float>(angle1);
    view.angle2 = static_cast<float>(angle2);
    view.bubbleX = static_cast<float>(xMg / 2000 * -2);
    view.bubbleY = static_cast<float>(yMg / 2000 * 2);
    return view;
}
