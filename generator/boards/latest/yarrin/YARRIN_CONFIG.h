#pragma once
// The settings record of board 25, Yarrin (the .cfg file's bytes).

#include "settings/ConfigRecord.h"

class YARRIN_CONFIG : public ConfigRecord<404> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bSwitch = 139;
    static constexpr std::size_t bVGA = 140;
    static constexpr std::size_t bSDRAM = 141;
    static constexpr std::size_t bSeg7 = 142;
    static constexpr std::size_t bPS2 = 143;
    static constexpr std::size_t bSdCard = 144;
    // One entry per header, GPIO_0 first.
    static constexpr std::size_t nGpioDaughterId = 145;
    static constexpr std::size_t nGpioDaughterId1 = 146;
    static constexpr std::size_t szGpioPrefixName = 147;
    static constexpr std::size_t szGpioPrefixName1 = 275;
    static constexpr std::size_t reserved = 403; // zero
};
static_assert(YARRIN_CONFIG::szGpioPrefixName1 + 128 + 1 == YARRIN_CONFIG::kSize);
