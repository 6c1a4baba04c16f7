#pragma once
// The Harlin board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/HARLIN_CONFIG.h"

void ConfigHarlinPins(TMainBoard* board, const SettingsRecord& Config);
