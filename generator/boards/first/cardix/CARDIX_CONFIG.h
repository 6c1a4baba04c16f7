#pragma once
// The settings record of board 3, Cardix (the .cfg file's bytes).

#include "settings/ConfigRecord.h"
#include "settings/GpioHeaders.h"

class CARDIX_CONFIG : public ConfigRecord<416>, public GpioHeaders {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bPS2 = 141;
    static constexpr std::size_t bSDCARD = 142;
    static constexpr std::size_t bVGA = 143;
    static constexpr std::size_t bLCD = 144;
    static constexpr std::size_t bSDRAM = 145;
    static constexpr std::size_t bFlash = 146;
    static constexpr std::size_t bRS232 = 147;
    static constexpr std::size_t bSRAM = 148;
    static constexpr std::size_t bSma = 149;
    static constexpr std::size_t bAudio = 150;
    static constexpr std::size_t bEthernet = 151;
    static constexpr std::size_t bIR = 152;
    static constexpr std::size_t bTvDecode = 153;
    static constexpr std::size_t bUSB = 154;
    static constexpr std::size_t nGpioDaughterId[] = {155, 156};
    static constexpr std::size_t szGpioPrefixName[] = {157, 285};
    // 413: three zero bytes up to the size.
};
static_assert(CARDIX_CONFIG::szGpioPrefixName[CARDIX_CONFIG::GPIO_1] + 128 + 3 == CARDIX_CONFIG::kSize);
