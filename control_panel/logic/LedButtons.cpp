#include "LedButtons.h"

uint32_t LedMask(const std::array<bool, LED_COUNT>& lit) {
    uint32_t mask = 0;
    for (int i = 0; i < LED_COUNT; ++i)
        if (lit[static_cast<std::size_t>(i)])
            mask |= 1u << i;
    return mask;
}
