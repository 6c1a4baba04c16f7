#pragma once
// The Isvar board's pin table: turns its settings record into the board model.

#include "ISVAR_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigIsvarPins(TMainBoard* board, const SettingsRecord& Config);
