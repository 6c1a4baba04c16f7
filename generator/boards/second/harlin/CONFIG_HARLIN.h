#pragma once
// The Harlin board's pin table: turns its settings record into the board model.

#include "HARLIN_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigHarlinPins(TMainBoard* board, const SettingsRecord& Config);
