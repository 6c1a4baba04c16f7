#pragma once
// The settings record of board 16, Pallex (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ConfigRecord.h"

class PALLEX_CONFIG : public ConfigRecord<176> {
public:
    static constexpr std::size_t nSi570Freq = 164;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 168; // 32-bit list index
    static constexpr std::size_t nCdcm61001Freq = 172; // 32-bit list index
};
static_assert(PALLEX_CONFIG::kSize == 176);
