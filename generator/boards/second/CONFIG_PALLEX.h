#pragma once
// The Pallex board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/PALLEX_CONFIG.h"

void ConfigPallexPins(TMainBoard* board, const SettingsRecord& Config);
