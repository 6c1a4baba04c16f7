#pragma once
// The Tavrin board's pin table: turns its settings record into the board model.

#include "TAVRIN_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigTavrinPins(TMainBoard* board, const SettingsRecord& Config);
