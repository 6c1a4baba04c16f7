#pragma once
// The settings record of board 10, Jorrel (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class JORREL_CONFIG : public ConfigRecord<404> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bSDRAM = 140;
    static constexpr std::size_t bADC = 141;
    static constexpr std::size_t bAccelerometer = 142;
    static constexpr std::size_t bEEPROM = 143;
    static constexpr std::size_t bEPCS = 144;
    static constexpr std::size_t bHeader = 145;
    static constexpr std::size_t nGpioDaughterId = 146;  // 2 bytes: GPIO_0, GPIO_1
    static constexpr std::size_t szGpioPrefixName = 148; // 2 x 128 bytes: GPIO_0, GPIO_1
    static constexpr std::size_t kPrefixBytes = 128;

    static constexpr std::size_t GpioDaughterId(int header) { return nGpioDaughterId + header; }
    static constexpr std::size_t GpioPrefixName(int header) {
        return szGpioPrefixName + kPrefixBytes * header;
    }
};
static_assert(JORREL_CONFIG::GpioPrefixName(1) == 276);
static_assert(JORREL_CONFIG::GpioPrefixName(1) + JORREL_CONFIG::kPrefixBytes == JORREL_CONFIG::kSize);
