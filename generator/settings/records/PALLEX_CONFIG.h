#pragma once
// The settings record of board 16, Pallex (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class PALLEX_CONFIG : public ConfigRecord<176> {
public:
    static constexpr std::size_t nSi570Freq = 164;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 168; // 32-bit list index
    static constexpr std::size_t nCdcm61001Freq = 172; // 32-bit list index

    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nSi570Freq, 4, 8, 0},      // 0 not used, 1-7 a frequency
        {nCdcm61004Freq, 4, 13, 1}, // 0 unchanged, 1 not used, 2-12 a frequency
        {nCdcm61001Freq, 4, 13, 1}, // as the CDCM61004
    };
    // clang-format on
};
static_assert(PALLEX_CONFIG::kSize == 176);
