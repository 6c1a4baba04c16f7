#pragma once
// The Zephal board's pin table: turns its settings record into the board model.

#include "ZEPHAL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigZephalPins(TMainBoard* board, const SettingsRecord& Config);
