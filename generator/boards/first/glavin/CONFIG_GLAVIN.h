#pragma once
// The Glavin board's pin table: turns its settings record into the board model.

#include "GLAVIN_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigGlavinPins(TMainBoard* board, const SettingsRecord& Config);
