#pragma once
// The settings record of board 15, Ostrel (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ChoiceField.h"
#include "settings/ConfigRecord.h"

class OSTREL_CONFIG : public ConfigRecord<164> {
public:
    static constexpr std::size_t nSi570Freq = 156;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 160; // 32-bit list index

    // clang-format off
    static constexpr ChoiceField kChoiceFields[] = {
        {nSi570Freq, 4, 8, 0},      // 0 disabled, 1-7 a frequency
        {nCdcm61004Freq, 4, 12, 0}, // 0 disabled, 1-11 a frequency
    };
    // clang-format on
};
static_assert(OSTREL_CONFIG::kSize == 164);
