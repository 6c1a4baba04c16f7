#pragma once
// The Rasmel board's pin table: turns its settings record into the board model.

#include "RASMEL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigRasmelPins(TMainBoard* board, const SettingsRecord& Config);
