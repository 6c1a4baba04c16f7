#pragma once
// The Mirvo board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/MIRVO_CONFIG.h"

void ConfigMirvoPins(TMainBoard* board, const SettingsRecord& Config);
