#pragma once
// The Bostel board's pin table: turns its settings record into the board model.

#include "BOSTEL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigBostelPins(TMainBoard* board, const SettingsRecord& Config);
