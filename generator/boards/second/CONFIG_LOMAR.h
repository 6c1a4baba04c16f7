#pragma once
// The Lomar board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/LOMAR_CONFIG.h"

void ConfigLomarPins(TMainBoard* board, const SettingsRecord& Config);
