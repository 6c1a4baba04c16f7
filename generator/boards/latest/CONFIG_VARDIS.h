#pragma once
// The Vardis board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/VARDIS_CONFIG.h"

void ConfigVardisPins(TMainBoard* board, const SettingsRecord& Config);
