#pragma once
// The settings record of board 24, Xylmar (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class XYLMAR_CONFIG : public ConfigRecord<404> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bADC = 140;
    static constexpr std::size_t bHPS = 141;
    static constexpr std::size_t bArduino = 142;
    static constexpr std::size_t bHdmiTx = 143;
    static constexpr std::size_t nGpioDaughterId[2] = {144, 145};
    static constexpr std::size_t szGpioPrefixName[2] = {146, 274};
    static constexpr std::size_t Reserved402 = 402; // 2 bytes, carried along unchanged
};
static_assert(XYLMAR_CONFIG::szGpioPrefixName[GPIO_1] + 128 + 2 == XYLMAR_CONFIG::kSize);
