#pragma once
// The Hestor board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/HESTOR_CONFIG.h"

void ConfigHestorPins(TMainBoard* board, const SettingsRecord& Config);
