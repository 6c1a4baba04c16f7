#pragma once
// The settings record of board 50, Glavin (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class GLAVIN_CONFIG : public ConfigRecord<272> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSDRAM = 139;
    static constexpr std::size_t bFlashSSRAM = 140;
    static constexpr std::size_t nHSMCDaughterId = 141;
    static constexpr std::size_t szHSMCPrefixName = 142;
    // 270: two zero bytes up to the size.
};
static_assert(GLAVIN_CONFIG::szHSMCPrefixName + 128 + 2 == GLAVIN_CONFIG::kSize);
