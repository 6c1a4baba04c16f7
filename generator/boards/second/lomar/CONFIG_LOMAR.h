#pragma once
// The Lomar board's pin table: turns its settings record into the board model.

#include "LOMAR_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigLomarPins(TMainBoard* board, const SettingsRecord& Config);
