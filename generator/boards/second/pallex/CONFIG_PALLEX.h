#pragma once
// The Pallex board's pin table: turns its settings record into the board model.

#include "PALLEX_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigPallexPins(TMainBoard* board, const SettingsRecord& Config);
