#pragma once
// The Jorrel board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/JORREL_CONFIG.h"

void ConfigJorrelPins(TMainBoard* board, const SettingsRecord& Config);
