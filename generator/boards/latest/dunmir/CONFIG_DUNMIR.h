#pragma once
// The Dunmir board's pin table: turns its settings record into the board model.

#include "ConfigDunmir.h"
#include "core/MainBoard.h"

void ConfigDunmirPins(TMainBoard* board, TConfigDunmir* config);
