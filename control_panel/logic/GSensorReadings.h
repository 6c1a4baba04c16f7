#pragma once
// What the accelerometer page shows for one reading: the three accelerations in milli-g,
// the two tilt angles and the factors that move the level's bubble.

#include <cstdint>
#include <string>

struct GSensorView {
    std::string xText, yText, zText;    // "X=1000.0mg"
    std::string angle1Text, angle2Text; // "45.0"
    float angle1 = 0, angle2 = 0;       // degrees
    float bubbleX = 0, bubbleY = 0;     // -1..1 at +-1000 mg, beyond it further
};

// 256 counts are 1 g.
constexpr double MG_PER_COUNT = 3.90625;

// An invalid reading gives empty texts and a gauge at rest.
GSensorView ViewOfReading(bool valid, int16_t x, int16_t y, int16_t z);
