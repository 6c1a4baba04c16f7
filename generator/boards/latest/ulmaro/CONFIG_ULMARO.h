#pragma once
// The Ulmaro board's pin table: turns its settings record into the board model.

#include "ULMARO_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigUlmaroPins(TMainBoard* board, const SettingsRecord& Config);
