#pragma once
// The Elbrin board's pin table: turns its settings record into the board model.

#include "ELBRIN_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigElbrinPins(TMainBoard* board, const SettingsRecord& Config);

// The I/O standard of a bank voltage index (0 3.3 V, 1 2.5 V, 2 1.8 V, 3 1.5 V);
// false outside the list.
bool ElbrinVoltageStandard(int32_t voltage, uint8_t& standard);
