#pragma once
// The settings record of board 1, Arvel (the .cfg file's bytes).

#include "settings/ConfigRecord.h"
#include "settings/GpioHeaders.h"

class ARVEL_CONFIG : public ConfigRecord<408>, public GpioHeaders {
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
    static constexpr std::size_t nGpioDaughterId[] = {148, 149};
    static constexpr std::size_t szGpioPrefixName[] = {150, 278};
    // 406: two zero bytes up to the size.
};
static_assert(ARVEL_CONFIG::szGpioPrefixName[ARVEL_CONFIG::GPIO_1] + 128 + 2 == ARVEL_CONFIG::kSize);
