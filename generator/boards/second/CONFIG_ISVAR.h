#pragma once
// The Isvar board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/ISVAR_CONFIG.h"

void ConfigIsvarPins(TMainBoard* board, const SettingsRecord& Config);
