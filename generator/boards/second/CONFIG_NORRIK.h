#pragma once
// The Norrik board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"
#include "settings/records/NORRIK_CONFIG.h"

void ConfigNorrikPins(TMainBoard* board, const SettingsRecord& Config);
