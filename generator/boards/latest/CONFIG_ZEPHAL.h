#pragma once
// The Zephal board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/ZEPHAL_CONFIG.h"

void ConfigZephalPins(TMainBoard* board, const SettingsRecord& Config);
