#pragma once
// The settings record of board 26, Zephal (the .cfg file's bytes).

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class ZEPHAL_CONFIG : public ConfigRecord<292> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bCapButton = 139;
    static constexpr std::size_t bSwitch = 140;
    static constexpr std::size_t bHdmiTx = 141;
    static constexpr std::size_t bTempSensor = 142;
    static constexpr std::size_t bGSensor = 143;
    static constexpr std::size_t bUSB = 144;
    static constexpr std::size_t bMIPI = 145;
    static constexpr std::size_t bEthernet = 146;
    static constexpr std::size_t bSdCard = 147;
    static constexpr std::size_t bDDR3 = 148;
    static constexpr std::size_t bFlash = 149;
    static constexpr std::size_t bAudio = 150;
    static constexpr std::size_t bSmaADC = 151; // adds nothing to the project
    static constexpr std::size_t bLightSensor = 152;
    static constexpr std::size_t bHumiditySensor = 153;
    static constexpr std::size_t bPowerMonitor = 154;
    static constexpr std::size_t reserved = 155;       // zero
    static constexpr std::size_t nBoardRevision = 156; // signed 32-bit: 0 A, 1 B, 2 C
    static constexpr std::size_t nBbbMode = 160;       // the header mode's index
    static constexpr std::size_t szBbbPrefixName = 161;
    static constexpr std::size_t reserved2 = 289; // 3 bytes, zero

    // The header mode (None, Default, WIFI-BLE, BBB Mode 7) and the revision (A, B, C).
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nBbbMode, 1, 4, 0},
        {nBoardRevision, 4, 3, 2},
    };
    // clang-format on
};
static_assert(ZEPHAL_CONFIG::szBbbPrefixName + 128 + 3 == ZEPHAL_CONFIG::kSize);
