#pragma once
// The Kestin board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/KESTIN_CONFIG.h"

void ConfigKestinPins(TMainBoard* board, const SettingsRecord& Config);
