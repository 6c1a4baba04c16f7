#pragma once
// The Dunmir board's pin table: turns its settings record into the board model.

#include "core/MainBoard.h"
#include "settings/ConfigDunmir.h"

void ConfigDunmirPins(TMainBoard* board, TConfigDunmir* config);
