#pragma once
// The settings record of board 2, Belmic (the .cfg file's bytes).

#include "settings/ConfigRecord.h"
#include "settings/GpioHeaders.h"

class BELMIC_CONFIG : public ConfigRecord<408>, public GpioHeaders {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bPS2 = 141;
    static constexpr std::size_t bSDCARD = 142;
    static constexpr std::size_t bVGA = 143;
    static constexpr std::size_t bSDRAM = 144;
    static constexpr std::size_t bFlash = 145;
    static constexpr std::size_t bRS232 = 146;
    static constexpr std::size_t bSRAM = 147;
    static constexpr std::size_t bSma = 148;
    static constexpr std::size_t bAudio = 149;
    static constexpr std::size_t nGpioDaughterId[] = {150, 151};
    static constexpr std::size_t szGpioPrefixName[] = {152, 280};
};
static_assert(BELMIC_CONFIG::szGpioPrefixName[BELMIC_CONFIG::GPIO_1] + 128 == BELMIC_CONFIG::kSize);
