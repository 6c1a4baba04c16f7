#pragma once
// The settings record of board 28, Bostel (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class BOSTEL_CONFIG : public ConfigRecord<292> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bHex = 140;
    static constexpr std::size_t bPowerMonitor = 141;
    static constexpr std::size_t bGSensor = 142;
    static constexpr std::size_t bHumiditySensor = 143;
    static constexpr std::size_t bLightSensor = 144;
    static constexpr std::size_t bAudio = 145;
    static constexpr std::size_t bHdmiRx = 146;
    static constexpr std::size_t bSdCard = 147;
    static constexpr std::size_t bQspiFlash = 148;
    static constexpr std::size_t bPS2 = 149;
    static constexpr std::size_t bDDR3 = 150;
    static constexpr std::size_t bUart2Usb = 151;
    static constexpr std::size_t bEthernet = 152;
    static constexpr std::size_t reserved = 153; // the defaults set it to 1; nothing reads it
    static constexpr std::size_t bDAC = 154;
    static constexpr std::size_t bMIPI = 155;
    static constexpr std::size_t bDrovik2 = 156;
    static constexpr std::size_t reserved2 = 157;        // 3 bytes, zero
    static constexpr std::size_t nMoxenDaughterId = 160; // signed 32-bit
    static constexpr std::size_t szMoxenPrefixName = 164;
};
static_assert(BOSTEL_CONFIG::szMoxenPrefixName + 128 == BOSTEL_CONFIG::kSize);
