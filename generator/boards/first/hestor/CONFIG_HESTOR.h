#pragma once
// The Hestor board's pin table: turns its settings record into the board model.

#include "HESTOR_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigHestorPins(TMainBoard* board, const SettingsRecord& Config);
