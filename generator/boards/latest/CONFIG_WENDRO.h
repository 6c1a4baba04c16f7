#pragma once
// The Wendro board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/WENDRO_CONFIG.h"

void ConfigWendroPins(TMainBoard* board, const SettingsRecord& Config);
