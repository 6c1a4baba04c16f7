#pragma once
// The settings record of board 15, Ostrel (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ConfigRecord.h"

class OSTREL_CONFIG : public ConfigRecord<164> {
public:
    static constexpr std::size_t nSi570Freq = 156;     // 32-bit list index
    static constexpr std::size_t nCdcm61004Freq = 160; // 32-bit list index
};
static_assert(OSTREL_CONFIG::kSize == 164);
