#pragma once
// What the Embrel form decides, without widgets (board 31).

#include "boards/kit/BoardLogic.h"
#include "boards/latest/Si5340ClockLists.h"

#include <span>
#include <string>

const kit::BoardLogic& EmbrelLogic();

// The five clock-output lists: Si5340A for QSFP+ A-D, Si5340B for the QDRII+ memories.
std::span<const Si5340ClockList> EmbrelClockLists();
// "Select All": the defaults with every box ticked (the LTM4677 flag, which no box
// shows, stays 0) and every clock output chosen.
void EmbrelSelectAll(SettingsRecord& r);
// The memory and transceiver notes after a Generate ("" when none applies).
std::string EmbrelNotes(const SettingsRecord& r);
