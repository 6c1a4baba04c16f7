#pragma once
// The settings record of board 21, Ulmaro (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ConfigRecord.h"

class ULMARO_CONFIG : public ConfigRecord<408> {
public:
    static constexpr std::size_t bVGA = 140;
    static constexpr std::size_t bSDRAM = 141;
    static constexpr std::size_t bAudio = 142;
    static constexpr std::size_t bVideoIn = 143;
};
static_assert(ULMARO_CONFIG::kSize == 408);
