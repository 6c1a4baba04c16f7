#pragma once
// The Ostrel board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/OSTREL_CONFIG.h"

void ConfigOstrelPins(TMainBoard* board, const SettingsRecord& Config);
