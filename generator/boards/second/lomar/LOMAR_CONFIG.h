#pragma once
// The settings record of board 12, Lomar (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class LOMAR_CONFIG : public ConfigRecord<1188> {
public:
    static constexpr std::size_t nBoardType = 1; // device variant: 0 LOMAR_230, 1 LOMAR_530
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bSma = 140;
    static constexpr std::size_t bTemp = 141;
    static constexpr std::size_t bDDR3 = 142;
    static constexpr std::size_t bPCIe0 = 143;
    static constexpr std::size_t bPCIe1 = 144;
    static constexpr std::size_t bFan = 145;
    static constexpr std::size_t bSSRAM = 146;
    static constexpr std::size_t bFlash = 147;
    static constexpr std::size_t bExtPLL = 148;          // flag: programmable PLL used
    static constexpr std::size_t bHsmcGpio = 149;        // HSMC-C in GPIO mode when not 0
    static constexpr std::size_t nPllFreq = 150;         // 3 bytes: HSMA_REFCLK, HSME_REFCLK, PGM_GXBCLK
    static constexpr std::size_t nGpioDaughterId = 153;  // 2 bytes: GPIO_0, GPIO_1
    static constexpr std::size_t szGpioPrefixName = 155; // 2 x 128 bytes
    static constexpr std::size_t nHSMCDaughterId = 411;  // 6 bytes: HSMC-A .. HSMC-F
    static constexpr std::size_t szHSMCPrefixName = 417; // 6 x 128 bytes
    // 1185: 3 reserved bytes
    static constexpr std::size_t kPrefixBytes = 128;
    static constexpr int kHsmcPorts = 6;

    static constexpr std::size_t GpioDaughterId(int header) { return nGpioDaughterId + header; }
    static constexpr std::size_t GpioPrefixName(int header) {
        return szGpioPrefixName + kPrefixBytes * header;
    }
    static constexpr std::size_t HsmcDaughterId(int port) { return nHSMCDaughterId + port; }
    static constexpr std::size_t HsmcPrefixName(int port) { return szHSMCPrefixName + kPrefixBytes * port; }

    // The device variant (2 items, default 0) and each PLL clock (an option 0-12,
    // default 4, 100 MHz).
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nBoardType, 1, 2, 0},
        {nPllFreq + 0, 1, 13, 4},
        {nPllFreq + 1, 1, 13, 4},
        {nPllFreq + 2, 1, 13, 4},
    };
    // clang-format on
};
static_assert(LOMAR_CONFIG::GpioPrefixName(2) == LOMAR_CONFIG::nHSMCDaughterId);
static_assert(LOMAR_CONFIG::HsmcPrefixName(6) + 3 == LOMAR_CONFIG::kSize);
static_assert(LOMAR_CONFIG::kSize == 1188);
