#pragma once
// The Abrenz board's pin table (board 27): turns its settings object into the board model.

#include "ConfigAbrenz.h"
#include "core/MainBoard.h"

void ConfigAbrenzPins(TMainBoard* board, TConfigAbrenz* config);
