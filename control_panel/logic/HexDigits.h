#pragma once
// What the seven-segment page decides: digit steps, the packed display value and the
// picture of each digit value.

#include <array>
#include <cstdint>

constexpr int HEX_DIGIT_COUNT = 6;

// Each digit has an up button 2j and a down button 2j + 1.
constexpr int IDB_ARROW_UP = 201;
constexpr int IDB_ARROW_DOWN = 202;
constexpr int HEX_BUTTON_Y = 165;
constexpr int HEX_UP_OFFSET = 20;
constexpr int HEX_START_VALUE = 8;

// Digit picture by value 0..15.
constexpr std::array<int, 16> kDigitBitmaps = {
    132, 133, 134, 135, 136, 137, 138, 155, 101, 157, 203, 139, 140, 141, 142, 143,
};

// One step up or down, wrapping between F and 0.
int StepDigit(int value, bool up);

// HEXj in bits 4j to 4j + 3; bits 24-31 clear.
uint32_t DisplayValue(const std::array<int, HEX_DIGIT_COUNT>& digits);
