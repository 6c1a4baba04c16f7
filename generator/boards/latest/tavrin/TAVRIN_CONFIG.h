#pragma once
// The settings record of board 20, Tavrin (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class TAVRIN_CONFIG : public ConfigRecord<408> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bSeg7 = 140;
    static constexpr std::size_t bHDMI_TX = 141;
    static constexpr std::size_t bLPDDR2 = 142;
    static constexpr std::size_t bSRAM = 143;
    static constexpr std::size_t bAudio = 144;
    static constexpr std::size_t bUart2USB = 145;
    static constexpr std::size_t bSDCARD = 146;
    static constexpr std::size_t bXcvrSma = 147;
    static constexpr std::size_t bSi5338_I2C = 148;
    static constexpr std::size_t bADC = 149;
    static constexpr std::size_t nGpioDaughterId = 150;
    static constexpr std::size_t szGpioPrefixName = 151;
    static constexpr std::size_t nHsmcDaughterId = 279;
    static constexpr std::size_t szHSMCPrefixName = 280;
};
static_assert(TAVRIN_CONFIG::szHSMCPrefixName + 128 == TAVRIN_CONFIG::kSize);
