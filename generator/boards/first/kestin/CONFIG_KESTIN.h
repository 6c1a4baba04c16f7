#pragma once
// The Kestin board's pin table: turns its settings record into the board model.

#include "KESTIN_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigKestinPins(TMainBoard* board, const SettingsRecord& Config);
