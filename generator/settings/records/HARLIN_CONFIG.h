#pragma once
// The settings record of board 8, Harlin (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class HARLIN_CONFIG : public ConfigRecord<684> {
public:
    static constexpr std::size_t bExtPLL = 160;  // flag: programmable PLL used
    static constexpr std::size_t nPllFreq = 162; // 3 bytes: HSMA_REFCLK, HSMB_REFCLK, PLL_CLKIN/SATA_REFCLK

    // Each PLL clock: an option 0-12, default 4 (100 MHz).
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nPllFreq + 0, 1, 13, 4},
        {nPllFreq + 1, 1, 13, 4},
        {nPllFreq + 2, 1, 13, 4},
    };
    // clang-format on
};
static_assert(HARLIN_CONFIG::kSize == 684);
