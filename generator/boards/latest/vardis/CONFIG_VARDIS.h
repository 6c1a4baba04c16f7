#pragma once
// The Vardis board's pin table: turns its settings record into the board model.

#include "VARDIS_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigVardisPins(TMainBoard* board, const SettingsRecord& Config);
