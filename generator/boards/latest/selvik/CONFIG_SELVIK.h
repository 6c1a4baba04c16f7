#pragma once
// The Selvik board's pin table: turns its settings record into the board model.

#include "SELVIK_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigSelvikPins(TMainBoard* board, const SettingsRecord& Config);
// The standard of the HSMC clock input (and of the card) at a voltage index 0-3.
uint8_t SelvikHsmcStandard(int32_t voltage);
