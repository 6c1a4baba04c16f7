#pragma once
// Every board of the catalogue, one row each: its id, its name and its decisions. What
// the tools and the tests reach a board's logic by, without any window; the board
// forms have a table of their own (BoardForms.h) in the same order. To add a board:
//   1. its id in model/MainBoardId.h;
//   2. a folder boards/<group>/<name>/ with its record, its pin table (CONFIG_<NAME>), its
//      decisions (<Name>Rules, a kit::BoardLogic), its form's layout (UI_<Name>Layout.h), a
//      form class of its own only where it draws more than the kit's form, and its texts
//      for the writers;
//   3. its row here and its row in BoardForms.cpp.

#include "boards/kit/BoardLogic.h"

#include <cstdint>
#include <span>

struct BoardRow {
    uint8_t id;
    const char* name; // as the board's folder and sources name it
    // The board's decisions; nullptr for a placeholder form, which has no pin table.
    const kit::BoardLogic& (*logic)();
};

// The rows in board-id order.
std::span<const BoardRow> BoardTable();
const BoardRow* FindBoard(uint8_t id);
// The board's decisions, or null for a board without a pin table.
const kit::BoardLogic* FindBoardLogic(uint8_t id);
