#pragma once
// The common shape of a card table: rows of (position, name, direction), laid into
// one slot per connector position; positions without a row stay empty.

#include "model/Connector.h"

#include <cstdint>
#include <span>

struct CardPin {
    int position; // 1-based position on the card's connector
    const char* name;
    uint8_t direction;
};

// Appends slots 1..slotCount; every row's pin takes ioStandard.
void AppendCardPins(TConnector* conn, std::span<const CardPin> rows, int slotCount, uint8_t ioStandard);

// Appends slots 1..slotCount, asking make(position) for each slot's pin (nullptr: empty).
template <class MakePin> void AppendSlots(TConnector* conn, int slotCount, MakePin make) {
    for (int position = 1; position <= slotCount; ++position)
        conn->AddPin(make(position));
}
