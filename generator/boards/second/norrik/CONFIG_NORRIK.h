#pragma once
// The Norrik board's pin table: turns its settings record into the board model.

#include "NORRIK_CONFIG.h"
#include "core/MainBoard.h"
#include "settings/SettingsRecord.h"

void ConfigNorrikPins(TMainBoard* board, const SettingsRecord& Config);
