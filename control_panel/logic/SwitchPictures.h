#pragma once
// What the switches page shows: one of two pictures per key and per switch, chosen by
// the bit of the complemented input word.

#include <array>
#include <cstdint>

constexpr int KEY_COUNT = 2;
constexpr int SWITCH_COUNT = 10;

constexpr int IDB_KEY_RELEASED = 129;
constexpr int IDB_KEY_PRESSED = 130;
constexpr int IDB_SWITCH_DOWN = 163;
constexpr int IDB_SWITCH_UP = 164;

// Picture of KEY0, KEY1 from bits 0-1 of the complemented key word.
std::array<int, KEY_COUNT> KeyPictures(uint32_t complementedKeys);
// Picture of SW0..SW9 from bits 0-9 of the complemented switch word.
std::array<int, SWITCH_COUNT> SwitchPictures(uint32_t complementedSwitches);
