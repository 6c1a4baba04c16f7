#pragma once
// The Belmic board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/BELMIC_CONFIG.h"

void ConfigBelmicPins(TMainBoard* board, const SettingsRecord& Config);
