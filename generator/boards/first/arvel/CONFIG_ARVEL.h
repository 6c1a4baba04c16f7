#pragma once
// The Arvel board's pin table: turns its settings record into the board model.

#include "ARVEL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigArvelPins(TMainBoard* board, const SettingsRecord& Config);
