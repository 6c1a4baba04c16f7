#pragma once
// The Rasmel board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/RASMEL_CONFIG.h"

void ConfigRasmelPins(TMainBoard* board, const SettingsRecord& Config);
