#pragma once
// The JESD adapter with the ADC34J45 board: its base table, and the work table in which
// 14 positions trade rows so that the board's signals sit where the adapter has them.

#include "FmcShape.h"

// The index (0..399) whose row is exchanged with index's row; index itself for all but 14.
int MapAdc34j45Position(int index);

// A fresh work table: the base rows, rearranged.
FmcSlots BuildAdc34j45PinTable();
