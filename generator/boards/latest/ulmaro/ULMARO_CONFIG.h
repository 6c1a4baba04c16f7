#pragma once
// The settings record of board 21, Ulmaro (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class ULMARO_CONFIG : public ConfigRecord<408> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bVGA = 140;
    static constexpr std::size_t bSDRAM = 141;
    static constexpr std::size_t bAudio = 142;
    static constexpr std::size_t bVideoIn = 143;
    static constexpr std::size_t bADC = 144;
    static constexpr std::size_t bSeg7 = 145;
    static constexpr std::size_t bIR = 146;
    static constexpr std::size_t bPS2 = 147;
    static constexpr std::size_t bHPS = 148;
    static constexpr std::size_t nGpioDaughterId[2] = {149, 150};
    static constexpr std::size_t szGpioPrefixName[2] = {151, 279};
    static constexpr std::size_t Reserved407 = 407; // carried along unchanged
};
static_assert(ULMARO_CONFIG::szGpioPrefixName[GPIO_1] + 128 + 1 == ULMARO_CONFIG::kSize);
