#pragma once
// The Jorrel board's pin table: turns its settings record into the board model.

#include "JORREL_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigJorrelPins(TMainBoard* board, const SettingsRecord& Config);
