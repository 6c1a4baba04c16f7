#pragma once
// The settings record of board 13, Mirvo (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class MIRVO_CONFIG : public ConfigRecord<412> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bEEPROM = 141;
    static constexpr std::size_t bPS2 = 142;
    static constexpr std::size_t bSDCARD = 143;
    static constexpr std::size_t bVGA = 144;
    static constexpr std::size_t bSDRAM = 145;
    static constexpr std::size_t bFlash = 146;
    static constexpr std::size_t bRS232 = 147;
    static constexpr std::size_t bSRAM = 148;
    static constexpr std::size_t bSma = 149;
    static constexpr std::size_t bAudio = 150;
    static constexpr std::size_t bEthernet = 151;
    static constexpr std::size_t bLCD = 152;
    static constexpr std::size_t nGpioDaughterId = 153;
    static constexpr std::size_t szGpioPrefixName = 154; // 128 bytes
    static constexpr std::size_t nHSMCDaughterId = 282;
    static constexpr std::size_t szHSMCPrefixName = 283; // 128 bytes
    // 411: 1 reserved byte
};
static_assert(MIRVO_CONFIG::szGpioPrefixName + 128 == MIRVO_CONFIG::nHSMCDaughterId);
static_assert(MIRVO_CONFIG::szHSMCPrefixName + 128 + 1 == MIRVO_CONFIG::kSize);
