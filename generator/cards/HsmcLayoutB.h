#pragma once
// What the HSMC tables of this group share: the 160 positions, the six-position
// pair-row grid, and position lists whose pins take different standards.

#include "CardRow.h"
#include "HsmcCardPins.h"

#include <cstdint>
#include <initializer_list>
#include <span>

namespace hsmcb {

constexpr int kHsmcSlots = kHsmcPositions;

constexpr uint8_t kIn = DIRECTION_INPUT;
constexpr uint8_t kOut = DIRECTION_OUTPUT;
constexpr uint8_t kIo = DIRECTION_INOUT;

// A card's rows that all take one I/O standard.
struct CardPinSet {
    std::span<const CardPin> rows;
    uint8_t ioStandard;
};

// The pair row and leg (0-3) of a position of the pair groups (HsmcSlotAt); false elsewhere.
bool PairRowAt(int position, int& row, int& slot);

// The pin the sets give position, or nullptr.
TPin* MakeSetPin(std::initializer_list<CardPinSet> sets, int position);

// Appends the 160 slots of a card whose pins are all in the sets.
void AppendHsmcPinSets(TConnector* conn, std::initializer_list<CardPinSet> sets);

} // namespace hsmcb
