#pragma once
// The settings record of board 11, Kestin (the .cfg file's bytes). The Kappel 1 card
// id is the one 32-bit card id.

#include "settings/ConfigRecord.h"

class KESTIN_CONFIG : public ConfigRecord<404> {
public:
    static constexpr std::size_t bOSC = 136;
    static constexpr std::size_t bLED = 137;
    static constexpr std::size_t bButton = 138;
    static constexpr std::size_t bGpio = 139;
    static constexpr std::size_t bDDR2 = 140;
    static constexpr std::size_t bPciBus = 141;
    static constexpr std::size_t nKappel23DaughterId = 142;
    static constexpr std::size_t szKappel23PrefixName = 143;
    // 271: one zero byte.
    static constexpr std::size_t nKappel1DaughterId = 272; // signed 32-bit
    static constexpr std::size_t szKappel1PrefixName = 276;
};
static_assert(KESTIN_CONFIG::szKappel23PrefixName + 128 + 1 == KESTIN_CONFIG::nKappel1DaughterId);
static_assert(KESTIN_CONFIG::szKappel1PrefixName + 128 == KESTIN_CONFIG::kSize);
