#pragma once
// The settings record of board 25, Yarrin (the .cfg file's bytes). Fields are added with the
// board's form; the ones here are those the project writers read.

#include "settings/ConfigRecord.h"

class YARRIN_CONFIG : public ConfigRecord<404> {
public:
    static constexpr std::size_t bVGA = 140;
};
static_assert(YARRIN_CONFIG::kSize == 404);
