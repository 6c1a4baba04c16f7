#pragma once
// The Forvik board's pin table: turns its settings object's record into the board model.

#include "ConfigForvik.h"
#include "core/MainBoard.h"

void ConfigForvikPins(TMainBoard* board, TConfigForvik* config);
