#pragma once
// The settings record of board 5, Elbrin (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class ELBRIN_CONFIG : public ConfigRecord<432> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bSeg7 = 138;
    static constexpr std::size_t bButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bEEPROM = 141;
    static constexpr std::size_t bPS2 = 142;
    static constexpr std::size_t bSDCARD = 143;
    static constexpr std::size_t bVGA = 144;
    static constexpr std::size_t bLCD = 145;
    static constexpr std::size_t bSDRAM = 146;
    static constexpr std::size_t bFlash = 147;
    static constexpr std::size_t bRS232 = 148;
    static constexpr std::size_t bSRAM = 149;
    static constexpr std::size_t bSma = 150;
    static constexpr std::size_t bAudio = 151;
    static constexpr std::size_t bIR = 152;
    static constexpr std::size_t bUSB = 153;
    static constexpr std::size_t bEthernet = 154; // 2 bytes: port 0, port 1
    static constexpr std::size_t bTvDecoder = 156;
    static constexpr std::size_t bExIo = 157;
    // 158: 2 reserved bytes
    static constexpr std::size_t nGpioVoltage = 160; // int32, voltage index 0-3
    static constexpr std::size_t nGpioDaughterId = 164;
    static constexpr std::size_t szGpioPrefixName = 165; // 128 bytes
    // 293: 3 reserved bytes
    static constexpr std::size_t nHSMCVoltage = 296; // int32, voltage index 0-3
    static constexpr std::size_t nHSMCDaughterId = 300;
    static constexpr std::size_t szHSMCPrefixName = 301; // 128 bytes
    // 429: 3 reserved bytes

    static constexpr std::size_t Ethernet(int port) { return bEthernet + port; }

    // The bank voltages: GPIO default 0 (3.3 V), HSMC default 1 (2.5 V).
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nGpioVoltage, 4, 4, 0},
        {nHSMCVoltage, 4, 4, 1},
    };
    // clang-format on
};
static_assert(ELBRIN_CONFIG::szGpioPrefixName + 128 + 3 == ELBRIN_CONFIG::nHSMCVoltage);
static_assert(ELBRIN_CONFIG::szHSMCPrefixName + 128 + 3 == ELBRIN_CONFIG::kSize);
