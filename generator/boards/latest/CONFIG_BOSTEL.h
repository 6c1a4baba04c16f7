#pragma once
// The Bostel board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/BOSTEL_CONFIG.h"

void ConfigBostelPins(TMainBoard* board, const SettingsRecord& Config);
