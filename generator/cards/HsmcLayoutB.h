#pragma once
// What the HSMC tables of this group share: the 160 positions, the six-position
// pair-row grid, and position lists whose pins take different standards.

#include "CardRow.h"

#include <cstdint>
#include <initializer_list>
#include <span>

namespace hsmcb {

constexpr int kHsmcSlots = 160;

constexpr uint8_t kIn = DIRECTION_INPUT;
constexpr uint8_t kOut = DIRECTION_OUTPUT;
constexpr uint8_t kIo = DIRECTION_INOUT;

// A card's rows that all take one I/O standard.
struct CardPinSet {
    std::span<const CardPin> rows;
    uint8_t ioStandard;
};

// Pair rows 0-7 start at 47, rows 8-16 at 101, six positions each; slots 0-3 carry
// the pair, 4 and 5 nothing. False outside the rows.
bool PairRowAt(int position, int& row, int& slot);

// The pin the sets give position, or nullptr.
TPin* MakeSetPin(std::initializer_list<CardPinSet> sets, int position);

// Appends the 160 slots of a card whose pins are all in the sets.
void AppendHsmcPinSets(TConnector* conn, std::initializer_list<CardPinSet> sets);

} // namespace hsmcb
