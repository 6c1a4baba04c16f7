#pragma once
// The settings record of board 22, Vardis (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ConfigRecord.h"

class VARDIS_CONFIG : public ConfigRecord<408> {
public:
    static constexpr std::size_t bVGA = 140;
    static constexpr std::size_t bAudio = 143;
    static constexpr std::size_t bVideoIn = 144;
};
static_assert(VARDIS_CONFIG::kSize == 408);
