#pragma once
// The Wendro board's pin table: turns its settings record into the board model.

#include "WENDRO_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigWendroPins(TMainBoard* board, const SettingsRecord& Config);
