#pragma once
// The Forvik board's pin table: turns its settings object's record into the board model.

#include "core/MainBoard.h"
#include "settings/ConfigForvik.h"

void ConfigForvikPins(TMainBoard* board, TConfigForvik* config);
