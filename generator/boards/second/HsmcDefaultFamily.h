#pragma once
// The generic HSMC cards (2, 3, 78-84, 86): boards name their pins after the port when
// the user gave no prefix, and count them as one card for the prefix rule.

#include "model/DaughterId.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

// clang-format off
inline constexpr uint8_t kHsmcDefaultFamily[] = {
    DAUGHTER_HSMC_DEFAULT,
    DAUGHTER_HSMC_DEFAULT_WITH_TRANSCEIVER,
    DAUGHTER_HSMC_DEFAULT_3V3,
    DAUGHTER_HSMC_DEFAULT_1V8,
    DAUGHTER_HSMC_DEFAULT_1V5,
    DAUGHTER_HSMC_DEFAULT_3V3_XCVR,
    DAUGHTER_HSMC_DEFAULT_3V0_XCVR,
    DAUGHTER_HSMC_DEFAULT_1V8_XCVR,
    DAUGHTER_HSMC_DEFAULT_1V5_XCVR,
    DAUGHTER_HSMC_DEFAULT_3V0,
};
// clang-format on

inline bool IsHsmcDefaultCard(uint8_t card) {
    return std::find(std::begin(kHsmcDefaultFamily), std::end(kHsmcDefaultFamily), card) !=
           std::end(kHsmcDefaultFamily);
}
