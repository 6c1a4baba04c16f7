#pragma once
// The Ulmaro board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/ULMARO_CONFIG.h"

void ConfigUlmaroPins(TMainBoard* board, const SettingsRecord& Config);
