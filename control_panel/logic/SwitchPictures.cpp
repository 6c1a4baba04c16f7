#include "SwitchPictures.h"

std::array<int, KEY_COUNT> KeyPictures(uint32_t complementedKeys) {
    std::array<int, KEY_COUNT> ids{};
    for (int j = 0; j < KEY_COUNT; ++j)
        ids[static_cast<std::size_t>(j)] = (complementedKeys >> j) & 1 ? IDB_KEY_PRESSED : IDB_KEY_RELEASED;
    return ids;
}

std::array<int, SWITCH_COUNT> SwitchPictures(uint32_t complementedSwitches) {
    std::array<int, SWITCH_COUNT> ids{};
    for (int j = 0; j < SWITCH_COUNT; ++j)
        ids[static_cast<std::size_t>(j)] = (complementedSwitches >> j) & 1 ? IDB_SWITCH_UP : IDB_SWITCH_DOWN;
    return ids;
}
