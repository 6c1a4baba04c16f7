#pragma once
// Every board's decisions by board id: what tools/gen-project and the generate
// matrix drive without windows. A board joins with its row.

#include "boards/kit/BoardLogic.h"

#include <cstdint>
#include <span>

struct BoardLogicRow {
    uint8_t id;
    const kit::BoardLogic& (*logic)();
};

std::span<const BoardLogicRow> BoardLogicTable();
// The board's decisions, or null for a board without a pin table.
const kit::BoardLogic* FindBoardLogic(uint8_t id);
