#pragma once
// The settings record of board 12, Lomar (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class LOMAR_CONFIG : public ConfigRecord<1188> {
public:
    static constexpr std::size_t bExtPLL = 148;  // flag: programmable PLL used
    static constexpr std::size_t nPllFreq = 150; // 3 bytes: HSMA_REFCLK, HSME_REFCLK, PGM_GXBCLK

    // Each PLL clock: an option 0-12, default 4 (100 MHz).
    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nPllFreq + 0, 1, 13, 4},
        {nPllFreq + 1, 1, 13, 4},
        {nPllFreq + 2, 1, 13, 4},
    };
    // clang-format on
};
static_assert(LOMAR_CONFIG::kSize == 1188);
