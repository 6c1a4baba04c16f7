#pragma once
// The settings record of board 23, Wendro (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class WENDRO_CONFIG : public ConfigRecord<404> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bADC = 140;
    static constexpr std::size_t bHPS = 141;
    static constexpr std::size_t bArduino = 142;
    static constexpr std::size_t nGpioDaughterId[2] = {143, 144};
    static constexpr std::size_t szGpioPrefixName[2] = {145, 273};
    static constexpr std::size_t Reserved401 = 401; // 3 bytes, carried along unchanged
};
static_assert(WENDRO_CONFIG::szGpioPrefixName[GPIO_1] + 128 + 3 == WENDRO_CONFIG::kSize);
