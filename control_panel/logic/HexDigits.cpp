#include "HexDigits.h"

int StepDigit(int value, bool up) {
    value += up ? 1 : -1;
    if (value < 0)
        return 15;
    if (value > 15)
        return 0;
    return value;
}

uint32_t DisplayValue(const std::array<int, HEX_DIGIT_COUNT>& digits) {
    uint32_t value = 0;
    for (int j = 0; j < HEX_DIGIT_COUNT; ++j)
        value |= (static_cast<uint32_t>(digits[static_cast<std::size_t>(j)]) & 0xF) << (4 * j);
    return value;
}
