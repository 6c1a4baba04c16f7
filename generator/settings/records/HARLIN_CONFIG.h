#pragma once
// The settings record of board 8, Harlin (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ConfigRecord.h"

class HARLIN_CONFIG : public ConfigRecord<684> {
public:
    static constexpr std::size_t bExtPLL = 160;  // flag: programmable PLL used
    static constexpr std::size_t nPllFreq = 162; // 3 bytes: HSMA_REFCLK, HSMB_REFCLK, PLL_CLKIN/SATA_REFCLK
};
static_assert(HARLIN_CONFIG::kSize == 684);
