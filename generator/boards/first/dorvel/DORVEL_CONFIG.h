#pragma once
// The settings record of board 4, Dorvel (the .cfg file's bytes).

#include "settings/ConfigRecord.h"
#include "settings/GpioHeaders.h"

class DORVEL_CONFIG : public ConfigRecord<416>, public GpioHeaders {
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
    static constexpr std::size_t bSDRAM1 = 145;
    static constexpr std::size_t bSDRAM2 = 146;
    static constexpr std::size_t bFlash = 147;
    static constexpr std::size_t bRS232 = 148;
    static constexpr std::size_t bSSRAM = 149;
    static constexpr std::size_t bSma = 150;
    static constexpr std::size_t bAudio = 151;
    static constexpr std::size_t bEthernet = 152;
    static constexpr std::size_t bIR = 153;
    static constexpr std::size_t bTvDecode1 = 154;
    static constexpr std::size_t bTvDecode2 = 155;
    static constexpr std::size_t bUSB = 156;
    static constexpr std::size_t nGpioDaughterId[] = {157, 158};
    static constexpr std::size_t szGpioPrefixName[] = {159, 287};
    // 415: one zero byte up to the size.
};
static_assert(DORVEL_CONFIG::szGpioPrefixName[DORVEL_CONFIG::GPIO_1] + 128 + 1 == DORVEL_CONFIG::kSize);
