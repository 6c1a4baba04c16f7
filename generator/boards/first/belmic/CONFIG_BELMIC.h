#pragma once
// The Belmic board's pin table: turns its settings record into the board model.

#include "BELMIC_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigBelmicPins(TMainBoard* board, const SettingsRecord& Config);
