#pragma once
// The Yarrin board's pin table: turns its settings record into the board model.

#include "YARRIN_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigYarrinPins(TMainBoard* board, const SettingsRecord& Config);
