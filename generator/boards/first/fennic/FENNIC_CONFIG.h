#pragma once
// The settings record of board 6, Fennic (the .cfg file's bytes). Byte 1 keeps the
// board variant.

#include "settings/ConfigRecord.h"
#include "settings/GpioHeaders.h"

class FENNIC_CONFIG : public ConfigRecord<924>, public GpioHeaders {
public:
    static constexpr std::size_t nBoardType = 1;
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bDIP = 141;
    static constexpr std::size_t bSDCARD = 142;
    static constexpr std::size_t bSma = 143;
    static constexpr std::size_t bUSB = 144;
    static constexpr std::size_t bTemp = 145;
    static constexpr std::size_t bGpio = 146;
    static constexpr std::size_t bDDR2 = 147;
    static constexpr std::size_t nGpioDaughterId[] = {148, 149};
    static constexpr std::size_t szGpioPrefixName[] = {150, 278};
    enum : int { KAPPEL_A = 0, KAPPEL_B = 1, KAPPEL_C = 2, KAPPEL_D = 3 };
    static constexpr std::size_t nKappelDaughterId[] = {406, 407, 408, 409};
    static constexpr std::size_t szKappelPrefixName[] = {410, 538, 666, 794};
    // 922: two zero bytes up to the size.
};
static_assert(FENNIC_CONFIG::szGpioPrefixName[FENNIC_CONFIG::GPIO_1] + 128 ==
              FENNIC_CONFIG::nKappelDaughterId[0]);
static_assert(FENNIC_CONFIG::szKappelPrefixName[FENNIC_CONFIG::KAPPEL_D] + 128 + 2 == FENNIC_CONFIG::kSize);
