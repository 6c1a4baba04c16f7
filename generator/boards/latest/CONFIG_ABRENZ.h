#pragma once
// The Abrenz board's pin table (board 27): turns its settings object into the board model.

#include "core/MainBoard.h"
#include "settings/ConfigAbrenz.h"

void ConfigAbrenzPins(TMainBoard* board, TConfigAbrenz* config);
