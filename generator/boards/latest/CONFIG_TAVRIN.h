#pragma once
// The Tavrin board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/TAVRIN_CONFIG.h"

void ConfigTavrinPins(TMainBoard* board, const SettingsRecord& Config);
