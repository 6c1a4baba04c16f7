#pragma once
// The settings record of board 22, Vardis (the .cfg file's bytes). The second GPIO
// entries are reserved: the board has one header, and the form keeps what a file holds.

#include "settings/ConfigRecord.h"

class VARDIS_CONFIG : public ConfigRecord<408> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bVGA = 140;
    static constexpr std::size_t bHDMI = 141;
    static constexpr std::size_t bDDR3 = 142;
    static constexpr std::size_t bAudio = 143;
    static constexpr std::size_t bVideoIn = 144;
    static constexpr std::size_t bADC = 145;
    static constexpr std::size_t bSeg7 = 146;
    static constexpr std::size_t bIR = 147;
    static constexpr std::size_t bPS2 = 148;
    static constexpr std::size_t bHPS = 149;
    static constexpr std::size_t nGpioDaughterId[2] = {150, 151};
    static constexpr std::size_t szGpioPrefixName[2] = {152, 280};
};
static_assert(VARDIS_CONFIG::szGpioPrefixName[GPIO_1] + 128 == VARDIS_CONFIG::kSize);
