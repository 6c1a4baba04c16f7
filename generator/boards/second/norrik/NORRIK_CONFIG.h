#pragma once
// The settings record of board 14, Norrik (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class NORRIK_CONFIG : public ConfigRecord<424> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bEEPROM = 141;
    static constexpr std::size_t bSDCARD = 142;
    static constexpr std::size_t bVGA = 143;
    static constexpr std::size_t bLCD = 144;
    static constexpr std::size_t bSDRAM = 145;
    static constexpr std::size_t bFlash = 146;
    static constexpr std::size_t bRS232 = 147;
    static constexpr std::size_t bAccelerometer = 148;
    static constexpr std::size_t bSSRAM = 149;
    static constexpr std::size_t bSma = 150;
    static constexpr std::size_t bIR = 151;
    static constexpr std::size_t bEthernet = 152;
    static constexpr std::size_t bTvDecoder = 153;
    static constexpr std::size_t bPCIeHardIP = 154;
    static constexpr std::size_t bPCIeSoftIP = 155;
    static constexpr std::size_t nGpioDaughterId = 156;
    static constexpr std::size_t szGpioPrefixName = 157; // 128 bytes
    // 285: 3 reserved bytes
    static constexpr std::size_t nHSMCOption = 288; // 32-bit; no control sets it
    static constexpr std::size_t nHSMCDaughterId = 292;
    static constexpr std::size_t szHSMCPrefixName = 293; // 128 bytes
    // 421: 3 reserved bytes
};
static_assert(NORRIK_CONFIG::szGpioPrefixName + 128 + 3 == NORRIK_CONFIG::nHSMCOption);
static_assert(NORRIK_CONFIG::szHSMCPrefixName + 128 + 3 == NORRIK_CONFIG::kSize);
static_assert(NORRIK_CONFIG::kSize == 424);
