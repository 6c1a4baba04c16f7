#pragma once
// What the Zephal form decides, without widgets.

#include "boards/kit/BoardLogic.h"

const kit::BoardLogic& ZephalLogic();

// The BBB header's modes (the items of its combo box, by stored index) and the card
// whose picture stands for each.
struct BbbModeRow {
    const char* item;
    int pictureId;
};
// clang-format off
inline constexpr BbbModeRow kZephalBbbModes[] = {
    {"None", 0},
    {"Default", 66},
    {"WIFI-BLE", 67},
    {"BBB Mode 7", 68},
};
// clang-format on
inline constexpr const char* kZephalRevisions[] = {"revision A", "revision B", "revision C"};
// The revision the form forces at start-up.
inline constexpr int32_t kZephalRevisionC = 2;
