#pragma once
// What the LED page decides: where the ten LED buttons sit and which mask they make.

#include <array>
#include <cstdint>

constexpr int LED_COUNT = 10;

// Command buttons of the LED page.
constexpr int IDC_LIGHT_ALL = 1017;
constexpr int IDC_UNLIGHT_ALL = 1018;

// Bitmaps of the LED page.
constexpr int IDB_LED_ON = 177;
constexpr int IDB_LED_OFF = 180;
constexpr int IDB_BUTTON_FACE = 178;

struct LedPoint {
    int x, y;
};

// LED0 on the right, LED9 on the left, as on the board.
constexpr LedPoint LedPosition(int i) {
    return {332 - 33 * i, 120};
}

// Bit i set when LED i is lit; bits 10-31 stay clear.
uint32_t LedMask(const std::array<bool, LED_COUNT>& lit);
