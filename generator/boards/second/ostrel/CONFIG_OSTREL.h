#pragma once
// The Ostrel board's pin table: turns its settings record into the board model.

#include "OSTREL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigOstrelPins(TMainBoard* board, const SettingsRecord& Config);
