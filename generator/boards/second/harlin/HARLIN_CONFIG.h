#pragma once
// The settings record of board 8, Harlin (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class HARLIN_CONFIG : public ConfigRecord<684> {
public:
    static constexpr std::size_t nBoardType = 1; // device variant: 0 HARLIN_230, 1 HARLIN_530
    // 2: 2 reserved bytes
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bSlideSwitch = 141;
    static constexpr std::size_t bSata = 142; // 4 bytes: host 0, host 1, device 0, device 1
    static constexpr std::size_t bEthernet = 146;
    static constexpr std::size_t bSDCARD = 147;
    static constexpr std::size_t bSma = 148;
    static constexpr std::size_t bUSB = 149;
    static constexpr std::size_t bCurrent = 150;
    static constexpr std::size_t bTemp = 151;
    static constexpr std::size_t bDDR2 = 152; // 2 bytes: socket 1, socket 2
    static constexpr std::size_t bPCIe = 154;
    static constexpr std::size_t bFan = 155;
    static constexpr std::size_t bSSRAM = 156;
    static constexpr std::size_t bFlash = 157;
    static constexpr std::size_t bMax2 = 158; // no control; always 0
    static constexpr std::size_t bEEPROM = 159;
    static constexpr std::size_t bExtPLL = 160; // flag: programmable PLL used
    static constexpr std::size_t bRS232 = 161;
    static constexpr std::size_t nPllFreq = 162; // 3 bytes: HSMA_REFCLK, HSMB_REFCLK, PLL_CLKIN/SATA_REFCLK
    static constexpr std::size_t nGpioDaughterId = 165;  // 2 bytes: GPIO_0, GPIO_1
    static constexpr std::size_t szGpioPrefixName = 167; // 2 x 128 bytes: GPIO_0, GPIO_1
    static constexpr std::size_t nHSMCDaughterId = 423;  // 2 bytes: HSMC-A, HSMC-B
    static constexpr std::size_t szHSMCPrefixName = 425; // 2 x 128 bytes: HSMC-A, HSMC-B
    // 681: 3 reserved bytes
    static constexpr std::size_t kPrefixBytes = 128;

    static constexpr std::size_t Sata(int port) { return bSata + static_cast<std::size_t>(port); }
    static constexpr std::size_t DDR2(int socket) { return bDDR2 + static_cast<std::size_t>(socket); }
    static constexpr std::size_t PllFreq(int output) { return nPllFreq + static_cast<std::size_t>(output); }
    static constexpr std::size_t GpioDaughterId(int header) {
        return nGpioDaughterId + static_cast<std::size_t>(header);
    }
    static constexpr std::size_t GpioPrefixName(int header) {
        return szGpioPrefixName + kPrefixBytes * static_cast<std::size_t>(header);
    }
    static constexpr std::size_t HsmcDaughterId(int port) {
        return nHSMCDaughterId + static_cast<std::size_t>(port);
    }
    static constexpr std::size_t HsmcPrefixName(int port) {
        return szHSMCPrefixName + kPrefixBytes * static_cast<std::size_t>(port);
    }

    // The variant (2 items, default 0) and each PLL clock (an option 0-12, default 4: 100 MHz).
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nBoardType, 1, 2, 0},
        {nPllFreq + 0, 1, 13, 4},
        {nPllFreq + 1, 1, 13, 4},
        {nPllFreq + 2, 1, 13, 4},
    };
    // clang-format on
};
static_assert(HARLIN_CONFIG::GpioPrefixName(1) + HARLIN_CONFIG::kPrefixBytes ==
              HARLIN_CONFIG::nHSMCDaughterId);
static_assert(HARLIN_CONFIG::HsmcPrefixName(1) + HARLIN_CONFIG::kPrefixBytes + 3 == HARLIN_CONFIG::kSize);
