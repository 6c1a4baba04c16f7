#pragma once
// The Glavin board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/GLAVIN_CONFIG.h"

void ConfigGlavinPins(TMainBoard* board, const SettingsRecord& Config);
