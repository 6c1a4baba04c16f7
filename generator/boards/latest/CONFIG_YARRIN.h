#pragma once
// The Yarrin board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/YARRIN_CONFIG.h"

void ConfigYarrinPins(TMainBoard* board, const SettingsRecord& Config);
