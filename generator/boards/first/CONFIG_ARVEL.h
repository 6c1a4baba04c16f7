#pragma once
// The Arvel board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/ARVEL_CONFIG.h"

void ConfigArvelPins(TMainBoard* board, const SettingsRecord& Config);
