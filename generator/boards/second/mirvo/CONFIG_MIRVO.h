#pragma once
// The Mirvo board's pin table: turns its settings record into the board model.

#include "MIRVO_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigMirvoPins(TMainBoard* board, const SettingsRecord& Config);
